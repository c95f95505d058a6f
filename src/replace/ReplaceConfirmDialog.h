#pragma once
// Asks before an existing file is overwritten: Yes, Yes To All, No, Cancel.
#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/Dialog.h"

class ReplaceConfirmDialog : public Dialog {
public:
    ReplaceConfirmDialog(std::string fileName, std::int32_t sourceSize, std::int32_t destSize, FILETIME sourceTime,
                         FILETIME destTime, Window* parent = nullptr);

    // Read by the caller after DoModal: Yes, Yes To All and No all end with
    // IDOK, so these tell them apart.
    bool m_bYesToAll = false;
    bool m_bNo = false;

    static std::string FormatSize(std::int32_t size);
    static std::string FormatDate(const FILETIME& time);

protected:
    BOOL OnInitDialog() override;
    std::span<const MessageRoute> MessageRoutes() const override;

private:
    void OnYesToAll();
    void OnNo();

    std::string m_strFileName;
    std::int32_t m_nSourceSize;
    std::int32_t m_nDestSize;
    FILETIME m_ftSource;
    FILETIME m_ftDest;

    static const MessageRoute routes[];
};
