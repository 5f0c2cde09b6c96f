#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "operations/base_folder.h"
#include "platform/file_time.h"

namespace operations {

// How deep the date sort files a file: 2017, 2017\2017-05 or
// 2017\2017-05\2017-05-09.
enum class DateDepth { Year, YearMonth, YearMonthDay };

// The folder names of a date's chain, outermost first.
std::vector<std::string> DateFolderChain(const platform::CalendarDate& date, DateDepth depth);

// Moves every file of the base folder into the folders of its last-write
// date in local time, at the depth asked for. A file whose time cannot be
// read stays where it is.
void SortByDate(HWND owner, const BaseFolder& base, DateDepth depth);

}  // namespace operations
