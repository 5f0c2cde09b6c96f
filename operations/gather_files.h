#pragma once

#include <windows.h>

#include "operations/base_folder.h"

namespace operations {

// Moves every file of every subfolder, at any depth, into the base folder
// and removes the subfolders that end up empty, deepest first. Links to
// folders are neither entered nor removed.
void GatherFiles(HWND owner, const BaseFolder& base);

}  // namespace operations
