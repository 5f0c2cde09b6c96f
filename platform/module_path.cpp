#include "platform/module_path.h"

#include <windows.h>

namespace platform {

bool ReadModulePath(std::string& path) {
    char filename[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, filename, MAX_PATH);
    // A path that fills the buffer has been cut (and older systems leave it
    // without its terminating zero).
    if (length == 0 || length >= MAX_PATH) return false;
    path.assign(filename, length);
    return true;
}

}  // namespace platform
