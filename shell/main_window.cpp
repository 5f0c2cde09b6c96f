#include "shell/main_window.h"

#include "shell/command_dispatch.h"
#include "shell/program_state.h"

namespace shell {

const char* const NazwaKlasy = "Menu";

namespace {

const int kWindowWidth = 290;
const int kWindowHeight = 242;
const int kButtonWidth = 280;
const int kButtonHeight = 30;

struct ButtonSpec {
    const char* caption;
    HWND ProgramState::*slot;
};

// Top to bottom, touching one another. Slot 6 has no button.
const ButtonSpec kButtons[] = {
    {"Sortuj typami plików", &ProgramState::g_hPrzycisk1},
    {"Sortuj rocznikami", &ProgramState::g_hPrzycisk2},
    {"Sortuj rocznikami i miesiącami", &ProgramState::g_hPrzycisk3},
    {"Sortuj rocznikami, miesiącami i dniami", &ProgramState::g_hPrzycisk4},
    {"Przenieś pliki do bieżącego folderu", &ProgramState::g_hPrzycisk5},
    {"Informacje", &ProgramState::g_hPrzycisk7},
    {"Zakończ", &ProgramState::g_hPrzycisk8},
};

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = 0;
    wc.lpfnWndProc = WndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = NazwaKlasy;
    wc.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    return RegisterClassExA(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
    // A title bar with the close box only: no sizing, no minimise or
    // maximise box.
    return CreateWindowExA(WS_EX_CLIENTEDGE, NazwaKlasy, "Pelmora", WS_SYSMENU, CW_USEDEFAULT,
                           CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr,
                           instance, nullptr);
}

void CreateButtons(HWND window, HINSTANCE instance) {
    int y = 0;
    for (const ButtonSpec& button : kButtons) {
        State().*button.slot =
            CreateWindowExA(0, "BUTTON", button.caption, WS_CHILD | WS_VISIBLE, 0, y,
                            kButtonWidth, kButtonHeight, window, nullptr, instance, nullptr);
        y += kButtonHeight;
    }
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_COMMAND:
            DispatchCommand(window, lParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace shell
