#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "operations/base_folder.h"

namespace operations {

// A file of the base folder that an operation may move.
struct FolderEntry {
    std::string pliczek;   // its name
    std::string loadplik;  // its path: base folder, "//", name
};

// What an operation does with one file; it leaves the file in place simply
// by returning.
using EntryAction = std::function<void(const FolderEntry&)>;

// Asks the question; on Yes lists the base folder once and hands every
// entry that is a file, other than the program itself, to the action, in
// listing order; then reports the end. Never enters a subfolder.
void RunFolderPass(HWND owner, const BaseFolder& base, const char* question,
                   const EntryAction& action);

}  // namespace operations
