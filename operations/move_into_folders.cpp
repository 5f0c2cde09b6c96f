#include "operations/move_into_folders.h"

#include "operations/entry_rules.h"
#include "platform/file_system.h"

namespace operations {

void MoveIntoFolders(const BaseFolder& base, const FolderEntry& entry,
                     const std::vector<std::string>& chain) {
    std::string saveplik = base.path;
    for (const std::string& name : chain) saveplik = JoinPath(saveplik, name);
    const std::string destination = JoinPath(saveplik, entry.pliczek);

    // Most files of a pass go into folders that an earlier file has made,
    // so the move comes first. Only when it fails is the chain made and the
    // move made again: the outcome is the one of making the chain before
    // every move, with fewer calls.
    if (platform::MoveWithoutReplacing(entry.loadplik, destination)) return;
    std::string folder = base.path;
    for (const std::string& name : chain) {
        folder = JoinPath(folder, name);
        platform::CreateFolder(folder);
    }
    platform::MoveWithoutReplacing(entry.loadplik, destination);
}

}  // namespace operations
