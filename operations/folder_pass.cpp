#include "operations/folder_pass.h"

#include "operations/boxes.h"
#include "operations/entry_rules.h"
#include "platform/file_system.h"
#include "platform/folder_listing.h"

namespace operations {

void RunFolderPass(HWND owner, const BaseFolder& base, const char* question,
                   const EntryAction& action) {
    if (!Confirm(owner, question)) return;

    {
        platform::FolderListing sciezka(base.path);
        if (!sciezka.IsOpen()) {
            ReportListingFailure(owner);
            return;
        }
        FolderEntry entry;
        while (const char* name = sciezka.NextName()) {
            entry.pliczek = name;
            if (IsDotEntry(entry.pliczek)) continue;
            entry.loadplik = JoinPath(base.path, entry.pliczek);
            // Folders, links and entries that cannot be examined stay.
            if (platform::KindOf(entry.loadplik) != platform::EntryKind::File) continue;
            if (IsOwnFile(base, entry.pliczek)) continue;
            action(entry);
        }
    }  // the listing is closed before the user is told
    ReportCompletion(owner);
}

}  // namespace operations
