// Pelmora: tidies the folder that holds it.

#include <windows.h>

#include "shell/main_window.h"
#include "shell/module_path_step.h"
#include "shell/program_state.h"

namespace {

const char kTryAgainCaption[] = "Spróbuj ponownie...";

int FailStart(const char* text) {
    MessageBoxA(nullptr, text, kTryAgainCaption, MB_OK | MB_ICONEXCLAMATION);
    return 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!shell::RegisterMainWindowClass(instance)) return FailStart("Błąd rejestracji okna!");

    const HWND window = shell::CreateMainWindow(instance);
    if (window == nullptr) return FailStart("Błąd tworzenia okna!");

    // A cut path would name another folder: refuse rather than tidy it.
    if (!shell::RunModulePathStep(shell::State().base)) {
        return FailStart("Ścieżka programu jest zbyt długa!");
    }

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    shell::CreateButtons(window, instance);

    MSG Komunikat = {};
    while (GetMessageA(&Komunikat, nullptr, 0, 0) > 0) {
        TranslateMessage(&Komunikat);
        DispatchMessageA(&Komunikat);
    }
    return static_cast<int>(Komunikat.wParam);
}
