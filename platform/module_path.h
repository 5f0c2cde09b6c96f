#pragma once

#include <string>

namespace platform {

// The full path of the running executable. False when the system could not
// deliver it whole in a buffer of the given size (a path's, unless a test
// asks for less): a cut path would name another folder.
bool ReadModulePath(std::string& path, unsigned long bufferSize = 260);

}  // namespace platform
