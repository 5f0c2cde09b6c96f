#include "operations/sort_by_type.h"

#include "tests/operations/operation_test.h"
#include "tests/support/held_file.h"

namespace pelmora_test {
namespace {

const char kQuestion[] = "Wykonać sortowanie plików zgodnie z ich typem?";

struct Placement {
    const char* name;
    const char* endsAt;  // relative to the base folder
};

// Files that do not meet one another: each goes its own way in one run.
const Placement kPlacements[] = {
    {"README", "README"},                                // no dot
    {".profile", ".profile"},                            // only a leading dot
    {".config.json", "json/.config.json"},               // a leading dot and another
    {"archive.tar.gz", "gz/archive.tar.gz"},             // the last dot counts
    {"a.b.c", "c/a.b.c"},
    {"..hidden", "hidden/..hidden"},                     // two leading dots and letters
    {"raport roczny 2017.pdf", "pdf/raport roczny 2017.pdf"},
    {"notes. old.txt", "txt/notes. old.txt"},
    {"tool.exe", "exe/tool.exe"},                        // the program's kind, not the program
    {kOwnName, kOwnName},
    {"zażółć.doc", "doc/zażółć.doc"},                    // Polish letters
    {"unfinished.", "unfinished."},                      // nothing after the dot
};

TEST(ExtensionOf, IsTheTextAfterTheLastDotUnlessThatDotLeads) {
    EXPECT_EQ(operations::ExtensionOf("report.pdf"), "pdf");
    EXPECT_EQ(operations::ExtensionOf("Photo.JPG"), "JPG");
    EXPECT_EQ(operations::ExtensionOf("archive.tar.gz"), "gz");
    EXPECT_EQ(operations::ExtensionOf("..ab"), "ab");
    EXPECT_EQ(operations::ExtensionOf("README"), std::nullopt);
    EXPECT_EQ(operations::ExtensionOf(".profile"), std::nullopt);
}

class SortByTypeTest : public OperationTest {
protected:
    void Sort() {
        Run([&] { operations::SortByType(nullptr, base); });
    }
};

TEST_F(SortByTypeTest, MovesEachFileIntoItsExtensionFolder) {
    for (const Placement& p : kPlacements) {
        if (std::string(p.name) != kOwnName) folder.WriteFile(p.name, std::string("content of ") + p.name);
    }
    Sort();
    for (const Placement& p : kPlacements) {
        EXPECT_TRUE(Has(p.endsAt)) << p.name << " should be at " << p.endsAt;
    }
    EXPECT_EQ(Files().size(), std::size(kPlacements));
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(kQuestion));
}

TEST_F(SortByTypeTest, HiddenSystemAndReadOnlyFilesAreSortedLikeAnyOther) {
    folder.WriteFile("desktop.ini", "[.ShellClassInfo]");
    folder.SetAttributes("desktop.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    folder.WriteFile("locked.txt", "read only");
    folder.SetAttributes("locked.txt", FILE_ATTRIBUTE_READONLY);
    Sort();
    EXPECT_TRUE(Has("ini/desktop.ini"));
    EXPECT_TRUE(Has("txt/locked.txt"));
}

TEST_F(SortByTypeTest, LetterCaseOfTheFirstExtensionNamesTheFolder) {
    folder.WriteFile("Photo.JPG", "first");
    Sort();
    folder.WriteFile("photo2.jpg", "second");
    Sort();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{"JPG", kOwnName}));
    EXPECT_EQ(NamesIn(folder.PathOf("JPG")), (std::set<std::string>{"Photo.JPG", "photo2.jpg"}));
}

TEST_F(SortByTypeTest, AnExistingFolderIsUsedAsItIs) {
    folder.MakeFolder("txt/inner");
    folder.WriteFile("txt/kept.txt", "the user's");
    folder.WriteFile("txt/inner/deep.bin", "deep");
    folder.WriteFile("new.txt", "new");
    Sort();
    EXPECT_EQ(Files(), (std::vector<std::string>{kOwnName, "txt/inner/deep.bin", "txt/kept.txt",
                                                 "txt/new.txt"}));
}

TEST_F(SortByTypeTest, AFileNamedLikeTheFolderBlocksItAndBothStay) {
    folder.WriteFile("pdf", "a file named pdf");
    folder.WriteFile("report.pdf", "report");
    Sort();
    EXPECT_EQ(Files(), (std::vector<std::string>{kOwnName, "pdf", "report.pdf"}));
}

TEST_F(SortByTypeTest, AClashInTheFolderChangesNeitherFile) {
    folder.MakeFolder("txt");
    folder.WriteFile("txt/same.txt", "already sorted");
    folder.WriteFile("same.txt", "newcomer");
    Sort();
    EXPECT_EQ(Content("txt/same.txt"), "already sorted");
    EXPECT_EQ(Content("same.txt"), "newcomer");
}

TEST_F(SortByTypeTest, AFileInUseStaysButItsFolderIsMade) {
    folder.WriteFile("busy.log", "being written");
    {
        HeldFile held(folder.PathOf("busy.log"));
        Sort();
    }
    EXPECT_EQ(Content("busy.log"), "being written");
    EXPECT_TRUE(NamesIn(folder.PathOf("log")).empty());
    EXPECT_TRUE(Has("log"));
}

TEST_F(SortByTypeTest, ANameTheCodePageCannotHoldStaysWhole) {
    // The listing shows such a name with '?' for the missing letters, a
    // name no file has: the file must simply stay.
    const std::string path = folder.Path();
    const std::wstring wide = std::wstring(path.begin(), path.end()) + L"\\\x65E5\x672C.txt";
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "kanji", 5, &written, nullptr);
    CloseHandle(file);
    Sort();
    EXPECT_NE(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Files().size(), 2u);
    DeleteFileW(wide.c_str());
}

TEST_F(SortByTypeTest, ASecondRunMovesNothingMoreAndNoLeavesAllAlone) {
    folder.WriteFile("a.txt", "a");
    folder.WriteFile("b.png", "b");
    Sort();
    const FileTree sorted = ReadTree(folder.Path());
    Sort();
    EXPECT_EQ(ReadTree(folder.Path()).files, sorted.files);

    folder.WriteFile("c.txt", "c");
    ResetBoxes();
    AnswerNextQuestion(IDNO);
    Sort();
    EXPECT_TRUE(Has("c.txt"));
    EXPECT_EQ(ShownBoxes().size(), 1u);
}

}  // namespace
}  // namespace pelmora_test
