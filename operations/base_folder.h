#pragma once

#include <string>

namespace operations {

// The folder every operation tidies: the one that holds the program.
struct BaseFolder {
    std::string path;         // no separator at the end: "D:" for a drive's root
    std::string ownFileName;  // the executable's name, letter case as reported
};

}  // namespace operations
