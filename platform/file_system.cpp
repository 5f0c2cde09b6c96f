#include "platform/file_system.h"

#include <windows.h>

namespace platform {

EntryKind KindOf(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return EntryKind::Unknown;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return EntryKind::File;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return EntryKind::FolderLink;
    return EntryKind::Folder;
}

void CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

bool MoveWithoutReplacing(const std::string& from, const std::string& to) {
    // MoveFileA without flags refuses to replace an existing destination.
    return MoveFileA(from.c_str(), to.c_str()) != 0;
}

void RemoveEmptyFolder(const std::string& path) { RemoveDirectoryA(path.c_str()); }

}  // namespace platform
