#include "operations/gather_files.h"

#include <string>
#include <utility>
#include <vector>

#include "operations/boxes.h"
#include "operations/entry_rules.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"

namespace operations {
namespace {

const char kQuestion[] = "Wykonać przenoszenie plików do bieżącego folderu?";

// One folder on the branch being walked, with its listing open at the
// position where the walk left it.
struct Level {
    explicit Level(std::string path) : folderx(std::move(path)), sciezkax(folderx) {}

    std::string folderx;
    platform::FolderListing sciezkax;
};

}  // namespace

void GatherFiles(HWND owner, const BaseFolder& base) {
    if (!Confirm(owner, kQuestion)) return;

    // The directory stack: the base folder at the bottom, the folder being
    // read on top. A subfolder is entered as soon as its entry is read. The
    // stack grows with the tree, so no depth is left unwalked.
    std::vector<Level> stack;
    stack.emplace_back(base.path);
    if (!stack.back().sciezkax.IsOpen()) {
        ReportListingFailure(owner);
        return;
    }

    while (!stack.empty()) {
        Level& level = stack.back();
        const char* name = level.sciezkax.NextName();
        if (name == nullptr) {
            // The level is finished: close its listing, then try to remove
            // its folder, which goes only if the walk emptied it. The base
            // folder is never removed.
            const bool isBase = stack.size() == 1;
            const std::string finished = std::move(level.folderx);
            stack.pop_back();
            if (!isBase) platform::RemoveEmptyFolder(finished);
            continue;
        }

        const std::string pliczek = name;
        if (IsDotEntry(pliczek)) continue;
        const std::string loadplik = JoinPath(level.folderx, pliczek);
        switch (platform::KindOf(loadplik)) {
            case platform::EntryKind::Folder:
                stack.emplace_back(level.folderx + "\\" + pliczek);
                break;
            case platform::EntryKind::File:
                if (!IsOwnFile(base, pliczek)) {
                    platform::MoveWithoutReplacing(loadplik, JoinPath(base.path, pliczek));
                }
                break;
            case platform::EntryKind::FolderLink:  // would leave the tree or loop
            case platform::EntryKind::Unknown:     // vanished or unreadable
                break;
        }
    }
    ReportCompletion(owner);
}

}  // namespace operations
