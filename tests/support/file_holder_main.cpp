// file_holder PATH READY_EVENT RELEASE_EVENT [no-delete]
// Holds PATH, a file or a folder, open as another program would, until told
// to let go: with no sharing at all, or with "no-delete" sharing reading
// and writing but not deletion. Signals READY_EVENT once it is held.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) return 2;
    const DWORD sharing = argc == 5 ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0;
    const HANDLE file = CreateFileA(argv[1], GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);  // folders too
    if (file == INVALID_HANDLE_VALUE) return 3;
    const HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    const HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (ready == nullptr || release == nullptr) return 4;
    SetEvent(ready);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}
