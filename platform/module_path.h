#pragma once

#include <string>

namespace platform {

// The full path of the running executable. False when the system could not
// deliver it whole in a path-sized buffer: a cut path would name another
// folder.
bool ReadModulePath(std::string& path);

}  // namespace platform
