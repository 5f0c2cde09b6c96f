// file_holder PATH READY_EVENT RELEASE_EVENT
// Holds PATH open with no sharing, as another program would, until told to
// let go. Signals READY_EVENT once the file is held.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (ready == nullptr || release == nullptr) return 4;
    SetEvent(ready);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}
