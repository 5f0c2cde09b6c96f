#include "platform/module_path.h"

#include <windows.h>

#include <vector>

namespace platform {

bool ReadModulePath(std::string& path, unsigned long bufferSize) {
    std::vector<char> filename(bufferSize, '\0');
    const DWORD length = GetModuleFileNameA(nullptr, filename.data(), bufferSize);
    // A path that fills the buffer has been cut (and older systems leave it
    // without its terminating zero).
    if (length == 0 || length >= bufferSize) return false;
    path.assign(filename.data(), length);
    return true;
}

}  // namespace platform
