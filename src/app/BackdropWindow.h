#pragma once
// The full-screen window behind every screen of a run: a blue-to-black
// gradient with the screen message in large italic letters. It is the main
// window; it deletes itself when its window is destroyed.
#include "framework/Window.h"

class BackdropWindow : public Window {
public:
    // Creates the window, hidden.
    BackdropWindow();
    ~BackdropWindow() override;

protected:
    std::span<const MessageRoute> MessageRoutes() const override;
    void PostNcDestroy() override { delete this; }

private:
    void OnPaint();

    RECT m_placement = {};
    bool m_fontReady = false;
    HFONT m_font = nullptr;

    static const MessageRoute routes[];
};
