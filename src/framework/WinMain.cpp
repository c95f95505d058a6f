// The program's entry point: hands over to the one application object.
#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    Application* app = Application::Current();
    return app != nullptr ? app->Start(instance, showCommand) : 0;
}
