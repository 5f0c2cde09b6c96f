#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace pelmora_test {
namespace {

// Wine maps the Linux root to Z:, so scratch folders live in /tmp where both
// sides can reach them.
const char kScratchRoot[] = "Z:\\tmp\\pelmora-tests";

std::string ToUnix(const std::string& windowsPath) {
    std::string unix = windowsPath.substr(2);  // drop "Z:"
    for (char& c : unix) {
        if (c == '\\') c = '/';
    }
    return unix;
}

// Wine can neither make nor remove a Linux symbolic link, but it starts
// Linux programs. Its handle to one cannot be waited on, so wait for the
// path to show the change instead.
bool RunLinux(const std::string& program, std::string arguments, const std::string& watched,
              bool untilPresent) {
    std::string command = program + " " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int tries = 0; tries < 100; ++tries) {
        const bool present = GetFileAttributesA(watched.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (present == untilPresent) return true;
        Sleep(50);
    }
    return false;
}

}  // namespace

std::string WindowsRelative(const std::string& relative) {
    std::string path = relative;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    CreateDirectoryA(kScratchRoot, nullptr);
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test != nullptr ? std::string(test->name()) : "scratch";
    for (char& c : name) {
        if (c == '/') c = '-';
    }
    path_ = std::string(kScratchRoot) + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter++) + "-" + name;
    RemoveTree(path_);
    if (!CreateDirectoryA(path_.c_str(), nullptr)) {
        ADD_FAILURE() << "cannot make the scratch folder " << path_;
    }
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
    // What Wine cannot see to remove, such as a link whose target has gone.
    if (GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES) {
        RunLinux("/bin/rm", "-rf \"" + ToUnix(path_) + "\"", path_, false);
    }
}

std::string ScratchFolder::PathOf(const std::string& relative) const {
    return relative.empty() ? path_ : path_ + "\\" + WindowsRelative(relative);
}

std::string ScratchFolder::UnixPathOf(const std::string& relative) const {
    return ToUnix(PathOf(relative));
}

void ScratchFolder::MakeFolder(const std::string& relative) const {
    std::string partial;
    for (char c : relative + "/") {
        if (c == '/') {
            CreateDirectoryA(PathOf(partial).c_str(), nullptr);
        }
        partial += c;
    }
}

void ScratchFolder::WriteFile(const std::string& relative, const std::string& content) const {
    const HANDLE file = CreateFileA(PathOf(relative).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << relative;
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

void ScratchFolder::SetAttributes(const std::string& relative, DWORD attributes) const {
    ASSERT_TRUE(SetFileAttributesA(PathOf(relative).c_str(), attributes)) << relative;
}

void ScratchFolder::SetLastWriteTime(const std::string& relative, int year, int month, int day,
                                     int hour, int minute) const {
    SYSTEMTIME utc = {};
    utc.wYear = static_cast<WORD>(year);
    utc.wMonth = static_cast<WORD>(month);
    utc.wDay = static_cast<WORD>(day);
    utc.wHour = static_cast<WORD>(hour);
    utc.wMinute = static_cast<WORD>(minute);
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &time));
    const HANDLE file = CreateFileA(PathOf(relative).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << relative;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
}

void ScratchFolder::MakeDirectoryLink(const std::string& relative,
                                      const std::string& unixTarget) const {
    const std::string link = UnixPathOf(relative);
    EXPECT_TRUE(RunLinux("/bin/ln", "-s \"" + unixTarget + "\" \"" + link + "\"",
                         PathOf(relative), true))
        << "the link " << link << " did not appear";
}

void RemoveTree(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    const bool isLink = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileA(path.c_str());
        return;
    }
    if (!isLink) {  // never follow a link out of the scratch folder
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name != "." && name != "..") RemoveTree(path + "\\" + name);
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
    }
    if (isLink) {
        RunLinux("/bin/rm", "\"" + ToUnix(path) + "\"", path, false);
    } else {
        RemoveDirectoryA(path.c_str());
    }
}

}  // namespace pelmora_test
