#include "tests/support/file_tree.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

namespace pelmora_test {
namespace {

template <typename Visit>
void ForEachEntry(const std::string& folder, Visit visit) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") visit(name, found.dwFileAttributes);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string ReadContent(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<unreadable>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) {
        content.append(buffer, got);
    }
    CloseHandle(file);
    return content;
}

void Walk(const std::string& folder, const std::string& prefix, FileTree& tree) {
    ForEachEntry(folder, [&](const std::string& name, DWORD attributes) {
        const std::string relative = prefix + name;
        const std::string path = folder + "\\" + name;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            tree.files[relative] = ReadContent(path);
            return;
        }
        tree.folders.insert(relative);
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) Walk(path, relative + "/", tree);
    });
}

std::multiset<std::pair<std::string, std::string>> NamesAndContents(const FileTree& tree) {
    std::multiset<std::pair<std::string, std::string>> out;
    for (const auto& [path, content] : tree.files) {
        out.emplace(path.substr(path.rfind('/') + 1), content);
    }
    return out;
}

}  // namespace

FileTree ReadTree(const std::string& folder) {
    FileTree tree;
    Walk(folder, "", tree);
    return tree;
}

std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    ForEachEntry(folder, [&](const std::string& name, DWORD) { names.insert(name); });
    return names;
}

void ExpectNothingLost(const FileTree& before, const FileTree& after) {
    const auto was = NamesAndContents(before);
    const auto is = NamesAndContents(after);
    for (const auto& entry : was) {
        EXPECT_EQ(was.count(entry), is.count(entry))
            << "file " << entry.first << " (" << entry.second.size() << " bytes) was lost or copied";
    }
    for (const auto& entry : is) {
        EXPECT_NE(was.count(entry), 0u) << "file " << entry.first << " appeared or changed";
    }
}

}  // namespace pelmora_test
