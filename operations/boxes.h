#pragma once

#include <windows.h>

// The message boxes that open and close every folder operation.
namespace operations {

// The operation's question, "Potwierdzenie", Yes and No. True only on Yes.
bool Confirm(HWND owner, const char* question);

// "Sortowanie plików zakończone.": the same whatever was moved.
void ReportCompletion(HWND owner);

// The base folder could not be listed, so nothing was done.
void ReportListingFailure(HWND owner);

}  // namespace operations
