#include "operations/sort_by_date.h"

#include "operations/folder_pass.h"
#include "operations/move_into_folders.h"

namespace operations {
namespace {

const char* QuestionFor(DateDepth depth) {
    switch (depth) {
        case DateDepth::Year:
            return "Wykonać sortowanie plików rocznikami?";
        case DateDepth::YearMonth:
            return "Wykonać sortowanie plików rocznikami i miesiącami?";
        case DateDepth::YearMonthDay:
            return "Wykonać sortowanie plików rocznikami, miesiącami i dniami?";
    }
    return "";
}

std::string TwoDigits(unsigned short number) {
    std::string text = std::to_string(number);
    if (text.size() == 1) text.insert(0, "0");
    return text;
}

}  // namespace

std::vector<std::string> DateFolderChain(const platform::CalendarDate& date, DateDepth depth) {
    const std::string frok = std::to_string(date.year);
    std::vector<std::string> chain{frok};
    if (depth == DateDepth::Year) return chain;

    const std::string fmies = TwoDigits(date.month);
    chain.push_back(frok + "-" + fmies);
    if (depth == DateDepth::YearMonth) return chain;

    const std::string fdzien = TwoDigits(date.day);
    chain.push_back(frok + "-" + fmies + "-" + fdzien);
    return chain;
}

void SortByDate(HWND owner, const BaseFolder& base, DateDepth depth) {
    RunFolderPass(owner, base, QuestionFor(depth), [&base, depth](const FolderEntry& entry) {
        platform::CalendarDate date;
        if (!platform::ReadLastWriteDate(entry.loadplik, date)) return;
        MoveIntoFolders(base, entry, DateFolderChain(date, depth));
    });
}

}  // namespace operations
