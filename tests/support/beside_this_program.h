#pragma once

#include <windows.h>

#include <string>

namespace pelmora_test {

// A file built into the same folder as the running test program, such as
// Pelmora.exe or file_holder.exe.
inline std::string BesideThisProgram(const std::string& name) {
    char self[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string path(self, length);
    return path.substr(0, path.rfind('\\') + 1) + name;
}

}  // namespace pelmora_test
