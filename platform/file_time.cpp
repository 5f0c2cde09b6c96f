#include "platform/file_time.h"

#include <windows.h>

#include <utility>

namespace platform {
namespace {

// A file handle that is closed as soon as it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(const std::string& path)
        : hPlik_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                             nullptr)) {}
    ~OpenFile() {
        if (IsOpen()) CloseHandle(hPlik_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool IsOpen() const { return hPlik_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return hPlik_; }

private:
    HANDLE hPlik_;
};

bool ReadLastWriteTime(const std::string& path, FILETIME& dane) {
    const OpenFile file(path);
    return file.IsOpen() && GetFileTime(file.Get(), nullptr, nullptr, &dane) != 0;
}

}  // namespace

bool ReadLastWriteDate(const std::string& path, CalendarDate& date) {
    FILETIME dane;
    if (!ReadLastWriteTime(path, dane)) return false;

    SYSTEMTIME daney;  // UTC
    SYSTEMTIME danex;  // local time
    if (!FileTimeToSystemTime(&dane, &daney)) return false;
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &daney, &danex)) return false;

    date = CalendarDate{danex.wYear, danex.wMonth, danex.wDay};
    return true;
}

}  // namespace platform
