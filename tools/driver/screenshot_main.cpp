// pelmora_screenshot PELMORA.EXE MARKER_FOLDER
// Poses Pelmora for the README's pictures: shows the main window, then the
// type sort's confirmation box, each time leaving a NAME.ready file in
// MARKER_FOLDER and waiting for NAME.taken before going on. Answers No, so
// nothing is moved, and ends with "Zakończ".
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/driver/pelmora_session.h"

namespace {

void Pose(const std::string& markers, const std::string& name) {
    const std::string ready = markers + "\\" + name + ".ready";
    CloseHandle(CreateFileA(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    const std::string taken = markers + "\\" + name + ".taken";
    for (int tries = 0; tries < 600; ++tries) {
        if (GetFileAttributesA(taken.c_str()) != INVALID_FILE_ATTRIBUTES) return;
        Sleep(50);
    }
    throw pelmora_driver::DriverError("nobody took the picture " + name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pelmora_screenshot PELMORA.EXE MARKER_FOLDER\n");
        return 2;
    }
    try {
        pelmora_driver::Session app(argv[1]);
        Pose(argv[2], "window");
        app.Click("Sortuj typami plików");
        const auto question = app.WaitForBox("Potwierdzenie");
        Pose(argv[2], "confirmation");
        app.AnswerAndWait(question, IDNO);
        app.Click("Zakończ");
        app.WaitForExit();
    } catch (const pelmora_driver::DriverError& error) {
        std::fprintf(stderr, "pelmora_screenshot: %s\n", error.what());
        return 1;
    }
    return 0;
}
