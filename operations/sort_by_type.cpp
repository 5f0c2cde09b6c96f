#include "operations/sort_by_type.h"

#include "operations/folder_pass.h"
#include "operations/move_into_folders.h"

namespace operations {
namespace {
const char kQuestion[] = "Wykonać sortowanie plików zgodnie z ich typem?";
}  // namespace

std::optional<std::string> ExtensionOf(const std::string& pliczek) {
    const std::string::size_type pozycja = pliczek.rfind('.');
    if (pozycja == std::string::npos || pozycja == 0) return std::nullopt;
    return pliczek.substr(pozycja + 1);
}

void SortByType(HWND owner, const BaseFolder& base) {
    RunFolderPass(owner, base, kQuestion, [&base](const FolderEntry& entry) {
        const std::optional<std::string> rozsz = ExtensionOf(entry.pliczek);
        // An existing folder of that name, the user's or an earlier pass's,
        // is used as it is.
        if (rozsz) MoveIntoFolders(base, entry, {*rozsz});
    });
}

}  // namespace operations
