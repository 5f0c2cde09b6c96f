// pelmora_demo PELMORA.EXE
// Shows Pelmora at work without anyone at the keyboard: sorts by type
// (Yes, OK), gathers the files back (Yes, OK), then presses "Zakończ",
// printing the folder's tree after each step.
#include <windows.h>

#include <cstdio>
#include <string>

#include "tools/driver/pelmora_session.h"

namespace {

void PrintTree(const std::string& folder, const std::string& indent) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        std::printf("%s%s%s\n", indent.c_str(), name.c_str(), isFolder ? "\\" : "");
        if (isFolder) PrintTree(folder + "\\" + name, indent + "    ");
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void RunOperation(pelmora_driver::Session& app, const char* button) {
    app.Click(button);
    const auto question = app.WaitForBox("Potwierdzenie");
    std::printf("\n[%s] %s -> Tak\n", button, question.text.c_str());
    app.AnswerAndWait(question, IDYES);
    const auto done = app.WaitForBox("Informacja");
    std::printf("[%s] %s -> OK\n", button, done.text.c_str());
    app.AnswerAndWait(done, IDOK);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pelmora_demo PELMORA.EXE\n");
        return 2;
    }
    const std::string exe = argv[1];
    const std::string folder = exe.substr(0, exe.rfind('\\'));
    try {
        pelmora_driver::Session app(exe);
        RunOperation(app, "Sortuj typami plików");
        PrintTree(folder, "    ");
        RunOperation(app, "Przenieś pliki do bieżącego folderu");
        PrintTree(folder, "    ");
        app.Click("Zakończ");
        std::printf("\n[Zakończ] exit code %lu\n", app.WaitForExit());
    } catch (const pelmora_driver::DriverError& error) {
        std::fprintf(stderr, "pelmora_demo: %s\n", error.what());
        return 1;
    }
    return 0;
}
