#pragma once

#include <windows.h>

#include <string>

namespace pelmora_test {

// A fresh folder for one test, removed with all it holds when the test ends.
// Relative names may use "/" between folders.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The Windows path, without a separator at the end.
    const std::string& Path() const { return path_; }
    std::string PathOf(const std::string& relative) const;
    // The same place as Linux sees it, for tools that run outside Wine.
    std::string UnixPathOf(const std::string& relative) const;

    void MakeFolder(const std::string& relative) const;
    void WriteFile(const std::string& relative, const std::string& content) const;
    void SetAttributes(const std::string& relative, DWORD attributes) const;
    // The last-write time, given in UTC.
    void SetLastWriteTime(const std::string& relative, int year, int month, int day, int hour,
                          int minute) const;
    // A Linux symbolic link (Wine has no way to make one itself).
    void MakeDirectoryLink(const std::string& relative, const std::string& unixTarget) const;

private:
    std::string path_;
};

// Where a test file should be: "Z:\a\b" with "/" turned into "\".
std::string WindowsRelative(const std::string& relative);

// Removes a tree the program left, making read-only entries writable first.
void RemoveTree(const std::string& path);

}  // namespace pelmora_test
