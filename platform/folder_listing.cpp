#include "platform/folder_listing.h"

#include <utility>

namespace platform {

FolderListing::FolderListing(const std::string& folder)
    : sciezka_(folder.empty() ? nullptr : opendir(folder.c_str())) {}

FolderListing::~FolderListing() { Close(); }

FolderListing::FolderListing(FolderListing&& other) noexcept
    : sciezka_(std::exchange(other.sciezka_, nullptr)) {}

FolderListing& FolderListing::operator=(FolderListing&& other) noexcept {
    if (this != &other) {
        Close();
        sciezka_ = std::exchange(other.sciezka_, nullptr);
    }
    return *this;
}

const char* FolderListing::NextName() {
    if (sciezka_ == nullptr) return nullptr;
    const dirent* plik = readdir(sciezka_);
    return plik != nullptr ? plik->d_name : nullptr;
}

void FolderListing::Close() {
    if (sciezka_ != nullptr) closedir(std::exchange(sciezka_, nullptr));
}

}  // namespace platform
