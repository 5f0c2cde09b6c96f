#pragma once

#include <map>
#include <set>
#include <string>

namespace pelmora_test {

// Every file below a folder, by relative path ("a/b.txt"), with its content.
// Links to folders are listed as folders and not followed.
struct FileTree {
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
};

FileTree ReadTree(const std::string& folder);

// The folder's own entries' names, files and folders alike.
std::set<std::string> NamesIn(const std::string& folder);

// The program's promise: no file is lost, copied or changed; each keeps its
// name and content, wherever it was moved. Reports every breach.
void ExpectNothingLost(const FileTree& before, const FileTree& after);

}  // namespace pelmora_test
