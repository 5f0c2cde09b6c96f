#pragma once

#include <string>

namespace platform {

// What a path names, as far as the folder operations care.
enum class EntryKind {
    File,        // anything without the folder attribute
    Folder,      // a real folder, safe to walk into
    FolderLink,  // a symbolic link or junction to a folder: never walked
    Unknown,     // the attributes cannot be read (vanished, path too long)
};

EntryKind KindOf(const std::string& path);

// Creates one folder. Fails harmlessly when it exists or cannot be made;
// the move that follows then tells.
void CreateFolder(const std::string& path);

// Moves a file; never replaces an existing file. False when it stayed.
bool MoveWithoutReplacing(const std::string& from, const std::string& to);

// Removes a folder if it is empty; otherwise nothing changes.
void RemoveEmptyFolder(const std::string& path);

}  // namespace platform
