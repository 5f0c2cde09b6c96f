#include "shell/command_dispatch.h"

#include "operations/gather_files.h"
#include "operations/sort_by_date.h"
#include "operations/sort_by_type.h"
#include "platform/message_box.h"
#include "shell/program_state.h"

namespace shell {
namespace {

const char kInformationText[] =
    "Pelmora v.2.2\n"
    "Zespół Pelmora, 2026\n"
    "https://pelmora.example";

bool SentBy(HWND slot, LPARAM sender) { return reinterpret_cast<LPARAM>(slot) == sender; }

}  // namespace

void DispatchCommand(HWND window, LPARAM sender) {
    ProgramState& state = State();
    const operations::BaseFolder& base = state.base;
    using operations::DateDepth;

    // Separate tests, not a chain: every matching slot runs its command.
    if (SentBy(state.g_hPrzycisk1, sender)) operations::SortByType(window, base);
    if (SentBy(state.g_hPrzycisk2, sender)) operations::SortByDate(window, base, DateDepth::Year);
    if (SentBy(state.g_hPrzycisk3, sender)) {
        operations::SortByDate(window, base, DateDepth::YearMonth);
    }
    if (SentBy(state.g_hPrzycisk4, sender)) {
        operations::SortByDate(window, base, DateDepth::YearMonthDay);
    }
    if (SentBy(state.g_hPrzycisk5, sender)) operations::GatherFiles(window, base);
    if (SentBy(state.g_hPrzycisk6, sender)) {
        platform::ShowBox(window, "Ustawienia dla programu...", "Ustawienia", MB_OK);
    }
    if (SentBy(state.g_hPrzycisk7, sender)) {
        platform::ShowBox(window, kInformationText, "Informacje", MB_OK);
    }
    if (SentBy(state.g_hPrzycisk8, sender)) {
        DestroyWindow(window);
        PostQuitMessage(0);
    }
}

}  // namespace shell
