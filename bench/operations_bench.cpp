// operations_bench [N ...] [--repeat R] [--only type,year,year-month,year-month-day,gather]
// Times each operation of the real Pelmora.exe on N files, from the Yes
// answer to the completion box, against a bare loop in this process that
// does only what no tidier can avoid: one listing pass and one MoveFileA per
// file into folders that already exist. Program and bare runs alternate on
// identical fixtures in the same Wine prefix; the medians and their ratio
// are printed, with the program's peak working set.
#include <windows.h>
#include <dirent.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/beside_this_program.h"
#include "tests/support/scratch_folder.h"
#include "tools/driver/pelmora_session.h"

namespace {

const char* const kExtensions[] = {"txt", "jpg", "pdf", "docx", "png", "mp3", "zip", "csv"};
const int kDays = 40;  // distinct last-write dates among the files

struct Operation {
    const char* label;
    const char* button;
    bool nested;  // the gather starts from a tree, the sorts from a flat folder
    // Where the bare loop moves file k (relative to the base folder).
    std::function<std::string(int)> bareDestination;
};

std::string FileName(int k) {
    char name[32];
    std::snprintf(name, sizeof(name), "plik%05d.%s", k, kExtensions[k % 8]);
    return name;
}

std::string Day(int k) {
    char day[16];
    const int d = k % kDays;
    std::snprintf(day, sizeof(day), "%d-%02d-%02d", 2010 + d % 8, 1 + d % 12, 1 + d % 28);
    return day;
}

// Where the gather's tree keeps file k: two levels, like a sorted folder.
std::string NestedFolder(int k) { return Day(k).substr(0, 4) + "\\" + Day(k).substr(0, 7); }

const Operation kOperations[] = {
    {"type", "Sortuj typami plików", false, [](int k) { return std::string(kExtensions[k % 8]); }},
    {"year", "Sortuj rocznikami", false, [](int k) { return Day(k).substr(0, 4); }},
    {"year-month", "Sortuj rocznikami i miesiącami", false,
     [](int k) { return Day(k).substr(0, 4) + "\\" + Day(k).substr(0, 7); }},
    {"year-month-day", "Sortuj rocznikami, miesiącami i dniami", false,
     [](int k) {
         return Day(k).substr(0, 4) + "\\" + Day(k).substr(0, 7) + "\\" + Day(k);
     }},
    {"gather", "Przenieś pliki do bieżącego folderu", true, [](int) { return std::string(); }},
};

void WriteFileAt(const std::string& path, int k) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot create %s\n", path.c_str());
        std::exit(1);
    }
    DWORD written = 0;
    WriteFile(file, path.c_str(), 16, &written, nullptr);
    SYSTEMTIME utc = {};
    const std::string day = Day(k);
    utc.wYear = static_cast<WORD>(std::atoi(day.substr(0, 4).c_str()));
    utc.wMonth = static_cast<WORD>(std::atoi(day.substr(5, 2).c_str()));
    utc.wDay = static_cast<WORD>(std::atoi(day.substr(8, 2).c_str()));
    utc.wHour = 12;
    FILETIME time;
    SystemTimeToFileTime(&utc, &time);
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
}

void MakeFolders(const std::string& base, const std::string& relative) {
    std::string partial = base;
    size_t start = 0;
    while (start <= relative.size() && !relative.empty()) {
        const size_t end = relative.find('\\', start);
        partial += "\\" + relative.substr(start, end - start);
        CreateDirectoryA(partial.c_str(), nullptr);
        if (end == std::string::npos) break;
        start = end + 1;
    }
}

// The fixture: N files, flat or in the tree, plus (for the bare loop) the
// destination folders made in advance.
void MakeFixture(const std::string& base, const Operation& op, int n, bool forBare) {
    for (int k = 0; k < n; ++k) {
        std::string folder = base;
        if (op.nested) {
            MakeFolders(base, NestedFolder(k));
            folder += "\\" + NestedFolder(k);
        }
        WriteFileAt(folder + "\\" + FileName(k), k);
    }
    if (forBare && !op.nested) {
        for (int k = 0; k < std::min(n, 8 * kDays); ++k) MakeFolders(base, op.bareDestination(k));
    }
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// One listing pass over a folder, one move per file; folders below are
// walked the same way when the tree is nested.
void BareWalk(const std::string& base, const std::string& folder, const Operation& op) {
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr) return;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        const std::string path = folder + "\\" + name;
        // The fixture's files are plikNNNNN.ext; anything else is a folder
        // (walked in the gather's tree) or the dot entries.
        if (name.compare(0, 4, "plik") != 0) {
            if (op.nested && name != "." && name != "..") BareWalk(base, path, op);
            continue;
        }
        const int k = std::atoi(name.c_str() + 4);
        const std::string destination = op.nested ? base : base + "\\" + op.bareDestination(k);
        MoveFileA(path.c_str(), (destination + "\\" + name).c_str());
    }
    closedir(listing);
}

// The bare loop runs in a process of its own, as the program does, and
// reports the seconds it took in a file.
double BareLoopHere(const std::string& base, const Operation& op) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    BareWalk(base, base, op);
    QueryPerformanceCounter(&end);
    return Seconds(start, end);
}

double TimeBare(const std::string& base, int operation) {
    const std::string result = base + ".seconds";
    std::string command = "\"" + pelmora_test::BesideThisProgram("operations_bench.exe") +
                          "\" --bare " + std::to_string(operation) + " \"" + base + "\" \"" +
                          result + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start the bare loop\n");
        std::exit(1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    double seconds = 0;
    if (FILE* in = std::fopen(result.c_str(), "r")) {
        if (std::fscanf(in, "%lf", &seconds) != 1) seconds = 0;
        std::fclose(in);
    }
    DeleteFileA(result.c_str());
    return seconds;
}

double TimeProgram(const std::string& base, const Operation& op, SIZE_T& peakBytes) {
    pelmora_driver::Session app(base + "\\Pelmora.exe");
    app.Click(op.button);
    const auto question = app.WaitForBox("Potwierdzenie", 60000);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    app.Answer(question, IDYES);
    const auto done = app.WaitForBox("Informacja", 3600000);
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(app.Process(), &memory, sizeof(memory))) {
        peakBytes = std::max(peakBytes, memory.PeakWorkingSetSize);
    }
    app.AnswerAndWait(done, IDOK);
    app.Click("Zakończ");
    app.WaitForExit(60000);
    return Seconds(start, end);
}

// A timing means nothing if the run did not do its work: every fixture
// file must have left the base folder (sorts) or reached it (gather).
void CheckDone(const std::string& base, const Operation& op, int n, const char* who) {
    int inBase = 0;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((base + "\\plik*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do ++inBase; while (FindNextFileA(search, &found));
        FindClose(search);
    }
    if (inBase != (op.nested ? n : 0)) {
        std::fprintf(stderr, "%s run of %s left %d of %d files in the base folder\n", who,
                     op.label, inBase, n);
        std::exit(1);
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--bare") {
        const double seconds = BareLoopHere(argv[3], kOperations[std::atoi(argv[2])]);
        FILE* out = std::fopen(argv[4], "w");
        std::fprintf(out, "%.6f\n", seconds);
        std::fclose(out);
        return 0;
    }
    std::vector<int> sizes;
    int repeat = 3;
    std::string only;  // comma-separated operation labels, all when empty
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        if (arg == "--repeat" && a + 1 < argc) {
            repeat = std::atoi(argv[++a]);
        } else if (arg == "--only" && a + 1 < argc) {
            only = "," + std::string(argv[++a]) + ",";
        } else {
            sizes.push_back(std::atoi(arg.c_str()));
        }
    }
    if (sizes.empty()) sizes = {5000, 20000};

    const std::string root = "Z:\\tmp\\pelmora-bench";
    CreateDirectoryA(root.c_str(), nullptr);
    std::printf("%-15s %7s %12s %12s %7s %12s\n", "operation", "files", "program s", "bare s",
                "ratio", "peak KiB");
    for (int n : sizes) {
        for (int o = 0; o < static_cast<int>(std::size(kOperations)); ++o) {
            const Operation& op = kOperations[o];
            if (!only.empty() && only.find("," + std::string(op.label) + ",") == std::string::npos) {
                continue;
            }
            std::vector<double> program, bare;
            SIZE_T peak = 0;
            for (int r = 0; r < repeat; ++r) {
                const std::string a = root + "\\program", b = root + "\\bare";
                pelmora_test::RemoveTree(a);
                pelmora_test::RemoveTree(b);
                CreateDirectoryA(a.c_str(), nullptr);
                CreateDirectoryA(b.c_str(), nullptr);
                CopyFileA(pelmora_test::BesideThisProgram("Pelmora.exe").c_str(), (a + "\\Pelmora.exe").c_str(), FALSE);
                MakeFixture(a, op, n, false);
                MakeFixture(b, op, n, true);
                // Alternate which goes first, so neither always meets a
                // cold or a warm file system.
                if (r % 2 == 0) {
                    program.push_back(TimeProgram(a, op, peak));
                    bare.push_back(TimeBare(b, o));
                } else {
                    bare.push_back(TimeBare(b, o));
                    program.push_back(TimeProgram(a, op, peak));
                }
                CheckDone(a, op, n, "program");
                CheckDone(b, op, n, "bare");
            }
            const double p = Median(program), q = Median(bare);
            std::printf("%-15s %7d %12.3f %12.3f %7.2f %12zu\n", op.label, n, p, q, p / q,
                        static_cast<size_t>(peak / 1024));
            std::fflush(stdout);
        }
    }
    pelmora_test::RemoveTree(root);
    return 0;
}
