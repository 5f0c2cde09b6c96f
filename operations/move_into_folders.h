#pragma once

#include <string>
#include <vector>

#include "operations/base_folder.h"
#include "operations/folder_pass.h"

namespace operations {

// Moves a file of the base folder into a chain of folders below it (names
// outermost first), keeping its name, and never replacing a file. Folders
// of the chain that are missing are created, and stay even if the move
// then fails.
void MoveIntoFolders(const BaseFolder& base, const FolderEntry& entry,
                     const std::vector<std::string>& chain);

}  // namespace operations
