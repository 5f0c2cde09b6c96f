#include "tools/driver/pelmora_session.h"

#include <utility>

namespace pelmora_driver {
namespace {

const DWORD kPollMs = 20;

template <typename Ready>
bool WaitUntil(DWORD timeoutMs, Ready ready) {
    const DWORD start = GetTickCount();
    while (!ready()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

HWND FindMainWindow(DWORD pid) {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, "Menu", "Pelmora")) != nullptr) {
        if (ProcessOf(candidate) == pid) return candidate;
    }
    return nullptr;
}

}  // namespace

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

Session::Session(const std::string& exePath, const std::string& arguments) {
    std::string command = "\"" + exePath + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(exePath.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        throw DriverError("cannot start " + exePath + " (error " +
                          std::to_string(GetLastError()) + ")");
    }
    const DWORD pid = process_.dwProcessId;
    if (!WaitUntil(20000, [&] {
            window_ = FindMainWindow(pid);
            return window_ != nullptr && IsWindowVisible(window_) &&
                   FindWindowExA(window_, nullptr, "BUTTON", "Zakończ") != nullptr;
        })) {
        TerminateProcess(process_.hProcess, 99);
        throw DriverError("timed out waiting for the main window and its buttons of " + exePath);
    }
}

Session::~Session() {
    if (IsRunning()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<ChildView> Session::Children() const {
    std::vector<ChildView> children;
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        children.push_back({child, ClassOf(child), WindowText(child), rect,
                            GetWindowLongA(child, GWL_STYLE)});
    }
    return children;
}

HWND Session::Button(const std::string& caption) const {
    const HWND button = FindWindowExA(window_, nullptr, "BUTTON", caption.c_str());
    if (button == nullptr) throw DriverError("no button \"" + caption + "\" in the main window");
    return button;
}

void Session::Click(const std::string& caption) const {
    PostMessageA(Button(caption), BM_CLICK, 0, 0);
}

void Session::PostCommand(LPARAM sender) const {
    PostMessageA(window_, WM_COMMAND, 0, sender);
}

void Session::PressCloseBox() const { PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::vector<HWND> Session::BoxesOfProcess() const {
    std::vector<HWND> boxes;
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, "#32770", nullptr)) != nullptr) {
        if (ProcessOf(candidate) == process_.dwProcessId && IsWindowVisible(candidate)) {
            boxes.push_back(candidate);
        }
    }
    return boxes;
}

MessageBoxView Session::WaitForBox(const std::string& caption, DWORD timeoutMs) const {
    MessageBoxView view = {};
    const bool found = WaitUntil(timeoutMs, [&] {
        for (HWND box : BoxesOfProcess()) {
            if (WindowText(box) == caption) {
                view.handle = box;
                return true;
            }
        }
        return false;
    });
    if (!found) throw DriverError("timed out waiting for the message box \"" + caption + "\"");

    view.caption = caption;
    for (HWND child = GetWindow(view.handle, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string className = ClassOf(child);
        const std::string text = WindowText(child);
        if (className == "Static" && !text.empty()) view.text = text;
        if (className == "Button") view.buttons.push_back({GetDlgCtrlID(child), text});
    }
    return view;
}

bool Session::StaysWithoutBox(DWORD ms) const {
    return !WaitUntil(ms, [&] { return !BoxesOfProcess().empty(); });
}

void Session::Answer(const MessageBoxView& box, int buttonId) const {
    PostMessageA(box.handle, WM_COMMAND, static_cast<WPARAM>(buttonId), 0);
}

void Session::AnswerAndWait(const MessageBoxView& box, int buttonId) const {
    Answer(box, buttonId);
    if (!WaitUntil(20000, [&] { return !IsWindow(box.handle) || !IsWindowVisible(box.handle); })) {
        throw DriverError("timed out waiting for the box \"" + box.caption + "\" to close");
    }
}

DWORD Session::WaitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        throw DriverError("timed out waiting for the program to end");
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

bool Session::IsRunning() const {
    return process_.hProcess != nullptr && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace pelmora_driver
