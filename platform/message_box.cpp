#include "platform/message_box.h"

namespace platform {

int ShowBox(HWND owner, const char* text, const char* caption, UINT flags) {
    return MessageBoxA(owner, text, caption, flags);
}

}  // namespace platform
