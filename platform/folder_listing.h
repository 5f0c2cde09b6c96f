#pragma once

#include <dirent.h>

#include <string>

namespace platform {

// One open listing of a folder's entries, read from start to end once and
// closed when it goes out of scope.
class FolderListing {
public:
    explicit FolderListing(const std::string& folder);
    ~FolderListing();

    FolderListing(FolderListing&& other) noexcept;
    FolderListing& operator=(FolderListing&& other) noexcept;
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // False when the folder is missing, is not a folder or cannot be listed.
    bool IsOpen() const { return sciezka_ != nullptr; }

    // The next entry's name, "." and ".." included where the folder has
    // them; null at the end and on every later call. Valid until the next
    // call or the close.
    const char* NextName();

private:
    void Close();

    DIR* sciezka_;
};

}  // namespace platform
