#pragma once

#include <string>

#include "operations/base_folder.h"

// Rules that every folder operation applies to the entries it meets.
namespace operations {

// The path of an entry: its folder, "//" and its name. Windows reads the
// doubled slash as one separator.
inline std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder + "//" + name;
}

inline bool IsDotEntry(const std::string& name) { return name == "." || name == ".."; }

// The program's own executable, compared byte for byte, letter case included.
inline bool IsOwnFile(const BaseFolder& base, const std::string& name) {
    return name == base.ownFileName;
}

}  // namespace operations
