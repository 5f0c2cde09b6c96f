#include "tests/support/held_file.h"

#include <gtest/gtest.h>

#include "tests/support/beside_this_program.h"

namespace pelmora_test {

HeldFile::HeldFile(const std::string& path, Sharing sharing) {
    const std::string id = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount());
    const std::string readyName = "pelmora-held-ready-" + id;
    const std::string releaseName = "pelmora-held-release-" + id;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
    release_ = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());

    const std::string holder = BesideThisProgram("file_holder.exe");
    std::string command = "\"" + holder + "\" \"" + path + "\" " + readyName + " " + releaseName +
                          (sharing == Sharing::AllButDelete ? " no-delete" : "");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(holder.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &holder_)) {
        ADD_FAILURE() << "cannot start " << holder;
        return;
    }
    const HANDLE waitFor[] = {ready_, holder_.hProcess};
    if (WaitForMultipleObjects(2, waitFor, FALSE, 20000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the other process did not take hold of " << path;
    }
}

HeldFile::~HeldFile() {
    SetEvent(release_);
    if (holder_.hProcess != nullptr) {
        if (WaitForSingleObject(holder_.hProcess, 20000) != WAIT_OBJECT_0) {
            TerminateProcess(holder_.hProcess, 1);
        }
        CloseHandle(holder_.hProcess);
        CloseHandle(holder_.hThread);
    }
    CloseHandle(ready_);
    CloseHandle(release_);
}

}  // namespace pelmora_test
