// smoke PELMORA.EXE EMPTY_FOLDER
// One run of the shipped executable as a user would do it: copied into a
// small folder, the type sort pressed and confirmed, the folder checked,
// then "Zakończ". Exit code 0 when all went as it should.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/driver/pelmora_session.h"

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteSmallFile(const std::string& path) {
    const HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, "smoke", 5, &written, nullptr);
    CloseHandle(file);
    return true;
}

int Fail(const std::string& why) {
    std::fprintf(stderr, "smoke: %s\n", why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: smoke PELMORA.EXE EMPTY_FOLDER");
    const std::string folder = argv[2];
    const std::string exe = folder + "\\Pelmora.exe";
    if (!CopyFileA(argv[1], exe.c_str(), TRUE) ||
        !WriteSmallFile(folder + "\\notes.txt") || !WriteSmallFile(folder + "\\photo.jpg")) {
        return Fail("cannot set up " + folder);
    }
    try {
        pelmora_driver::Session app(exe);
        app.Click("Sortuj typami plików");
        const auto question = app.WaitForBox("Potwierdzenie", 180000);
        if (question.text != "Wykonać sortowanie plików zgodnie z ich typem?") {
            return Fail("unexpected question: " + question.text);
        }
        app.AnswerAndWait(question, IDYES);
        const auto done = app.WaitForBox("Informacja", 180000);
        if (done.text != "Sortowanie plików zakończone.") return Fail("unexpected box: " + done.text);
        app.AnswerAndWait(done, IDOK);
        if (!Exists(folder + "\\txt\\notes.txt") || !Exists(folder + "\\jpg\\photo.jpg") ||
            !Exists(exe)) {
            return Fail("the folder was not sorted as it should be");
        }
        app.Click("Zakończ");
        const DWORD code = app.WaitForExit(180000);
        if (code != 0) return Fail("exit code " + std::to_string(code));
    } catch (const pelmora_driver::DriverError& error) {
        return Fail(error.what());
    }
    std::printf("smoke: the 32-bit Pelmora.exe sorted by type and ended with exit code 0\n");
    return 0;
}
