#pragma once

#include <windows.h>

#include "operations/base_folder.h"

namespace shell {

// What the window procedure needs between messages.
struct ProgramState {
    operations::BaseFolder base;  // set once at start-up, before the window shows

    // One slot per command. No sixth button is ever made, so
    // g_hPrzycisk6 stays null and matches only a command without a sender.
    HWND g_hPrzycisk1 = nullptr;
    HWND g_hPrzycisk2 = nullptr;
    HWND g_hPrzycisk3 = nullptr;
    HWND g_hPrzycisk4 = nullptr;
    HWND g_hPrzycisk5 = nullptr;
    HWND g_hPrzycisk6 = nullptr;
    HWND g_hPrzycisk7 = nullptr;
    HWND g_hPrzycisk8 = nullptr;
};

ProgramState& State();

}  // namespace shell
