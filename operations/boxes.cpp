#include "operations/boxes.h"

#include "platform/message_box.h"

namespace operations {
namespace {
const char kConfirmationCaption[] = "Potwierdzenie";
const char kInformationCaption[] = "Informacja";
const char kCompletionText[] = "Sortowanie plików zakończone.";
// Written without diacritics, as the program has always shown it.
const char kListingFailureText[] = "Zawartosc folderu jest pusta!!!";
}  // namespace

bool Confirm(HWND owner, const char* question) {
    return platform::ShowBox(owner, question, kConfirmationCaption, MB_YESNO) == IDYES;
}

void ReportCompletion(HWND owner) {
    platform::ShowBox(owner, kCompletionText, kInformationCaption, MB_OK);
}

void ReportListingFailure(HWND owner) {
    platform::ShowBox(owner, kListingFailureText, kInformationCaption, MB_OK);
}

}  // namespace operations
