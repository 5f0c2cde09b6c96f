#pragma once

#include <windows.h>

namespace shell {

extern const char* const NazwaKlasy;  // "Menu", the main window's class

bool RegisterMainWindowClass(HINSTANCE instance);

// The main window, still hidden; null when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance);

// The seven stacked command buttons, each handle into its slot.
void CreateButtons(HWND window, HINSTANCE instance);

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace shell
