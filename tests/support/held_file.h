#pragma once

#include <windows.h>

#include <string>

namespace pelmora_test {

// Another Windows process holds a file or folder open for as long as this
// object lives.
class HeldFile {
public:
    enum class Sharing {
        None,           // nobody else may open it
        AllButDelete,   // others may read and list it, but not remove it
    };
    explicit HeldFile(const std::string& path, Sharing sharing = Sharing::None);
    ~HeldFile();
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;

private:
    HANDLE ready_;
    HANDLE release_;
    PROCESS_INFORMATION holder_ = {};
};

}  // namespace pelmora_test
