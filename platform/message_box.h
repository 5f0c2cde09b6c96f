#pragma once

#include <windows.h>

namespace platform {

// A modal ANSI message box; returns the button pressed (IDYES, IDNO, IDOK).
// The only way the program talks to the user besides its window. Unit tests
// link a scripted stand-in instead of message_box.cpp.
int ShowBox(HWND owner, const char* text, const char* caption, UINT flags);

}  // namespace platform
