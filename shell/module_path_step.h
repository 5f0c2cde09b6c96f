#pragma once

#include <string>

#include "operations/base_folder.h"

namespace shell {

// Splits the executable's path at its last backslash: D:\Photos\sorter.exe
// gives the base folder D:\Photos and the own file name sorter.exe.
operations::BaseFolder BaseFolderOf(const std::string& modulePath);

// Finds the folder the program tidies from the executable's own path.
// False when that path is too long to be read whole: the program must then
// touch nothing.
bool RunModulePathStep(operations::BaseFolder& base);

}  // namespace shell
