#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "operations/base_folder.h"

namespace operations {

// The text after a name's last dot, taken as it stands, when that dot is
// not the name's first character: archive.tar.gz gives gz, .config.json
// gives json; README and .profile have none.
std::optional<std::string> ExtensionOf(const std::string& pliczek);

// Moves every file of the base folder into a subfolder named after its
// extension, creating the subfolder when it is missing.
void SortByType(HWND owner, const BaseFolder& base);

}  // namespace operations
