#pragma once

#include <windows.h>

#include <string>

namespace pelmora_test {

// Another Windows process holds a file open with no sharing for as long as
// this object lives.
class HeldFile {
public:
    explicit HeldFile(const std::string& path);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE ready_;
    HANDLE release_;
    PROCESS_INFORMATION holder_ = {};
};

}  // namespace pelmora_test
