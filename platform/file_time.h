#pragma once

#include <string>

namespace platform {

struct CalendarDate {
    unsigned short year;
    unsigned short month;  // 1 to 12
    unsigned short day;    // 1 to 31
};

// The date of a file's last write in the machine's current time zone, with
// the daylight-saving rule that applied on that date. The file is opened
// for reading with no sharing, only for the query. False when the time
// cannot be read: the file is held open by another program, reading it is
// denied, or the time makes no calendar date.
bool ReadLastWriteDate(const std::string& path, CalendarDate& date);

}  // namespace platform
