#pragma once

#include <windows.h>

namespace shell {

// Runs the command of every button slot whose handle is the sender's.
// wParam is not looked at: the buttons have no identifiers.
void DispatchCommand(HWND window, LPARAM sender);

}  // namespace shell
