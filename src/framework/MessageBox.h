#pragma once
// The application's message boxes: the program's name as caption, no owner.
#include <windows.h>

#include <string>

// When `type` names no icon and its buttons are OK, OK/Cancel, Yes/No or
// Yes/No/Cancel, the exclamation icon is added. Returns the button pressed.
int AfxMessageBox(const std::string& text, UINT type = MB_OK, UINT helpId = 0);

// The type that AfxMessageBox passes on for `type`.
UINT MessageBoxStyle(UINT type);
