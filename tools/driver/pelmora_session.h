#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

// Drives the real Pelmora.exe from another Windows process, as a user would:
// finds its window, presses its buttons, reads and answers its message
// boxes. Every wait is bounded; a wait that runs out throws DriverError
// saying what it waited for, and the program is killed when the session
// ends.
namespace pelmora_driver {

class DriverError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct BoxButton {
    int id;               // IDOK, IDYES, IDNO
    std::string caption;  // "&Tak", "&Nie", "OK" under the Polish locale
};

struct MessageBoxView {
    HWND handle;
    std::string caption;
    std::string text;
    std::vector<BoxButton> buttons;
};

struct ChildView {
    HWND handle;
    std::string className;
    std::string caption;
    RECT rect;  // in the main window's client coordinates
    LONG style;
};

class Session {
public:
    // Starts the program and waits until its main window is up.
    explicit Session(const std::string& exePath, const std::string& arguments = "");
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    HWND MainWindow() const { return window_; }
    std::vector<ChildView> Children() const;
    HWND Button(const std::string& caption) const;

    void Click(const std::string& caption) const;
    void PostCommand(LPARAM sender) const;  // WM_COMMAND as a control would send it
    void PressCloseBox() const;

    MessageBoxView WaitForBox(const std::string& caption, DWORD timeoutMs = 20000) const;
    // True when no box of the program shows up within the time.
    bool StaysWithoutBox(DWORD ms) const;
    void Answer(const MessageBoxView& box, int buttonId) const;
    // Answers a box and waits for it to go.
    void AnswerAndWait(const MessageBoxView& box, int buttonId) const;

    DWORD WaitForExit(DWORD timeoutMs = 20000);
    bool IsRunning() const;
    HANDLE Process() const { return process_.hProcess; }

private:
    std::vector<HWND> BoxesOfProcess() const;

    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

std::string WindowText(HWND window);
std::string ClassOf(HWND window);

}  // namespace pelmora_driver
