// The frame the sorts share: which entries reach an action, and the boxes.
#include "operations/folder_pass.h"

#include "tests/operations/operation_test.h"

namespace pelmora_test {
namespace {

const char kQuestion[] = "Pytanie?";

class FolderPassTest : public OperationTest {
protected:
    std::vector<std::string> Pass(const operations::BaseFolder& where) {
        std::vector<std::string> handed;
        Run([&] {
            operations::RunFolderPass(nullptr, where, kQuestion,
                                      [&](const operations::FolderEntry& entry) {
                                          EXPECT_EQ(entry.loadplik, where.path + "//" + entry.pliczek);
                                          handed.push_back(entry.pliczek);
                                      });
        });
        std::sort(handed.begin(), handed.end());
        return handed;
    }
};

TEST_F(FolderPassTest, HandsOnlyTheBaseFoldersOwnFilesOtherThanTheProgram) {
    folder.WriteFile("..name", "two dots and letters");
    folder.WriteFile("plain.txt", "x");
    folder.WriteFile("hidden.ini", "h");
    folder.SetAttributes("hidden.ini", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFolder("sub.txt");
    folder.WriteFile("sub.txt/inner.txt", "not reached");

    EXPECT_EQ(Pass(base), (std::vector<std::string>{"..name", "hidden.ini", "plain.txt"}));
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(kQuestion));
}

TEST_F(FolderPassTest, OwnNameIsComparedWithItsLetterCase) {
    operations::BaseFolder otherCase{folder.Path(), "PELMORA.EXE"};
    EXPECT_EQ(Pass(otherCase), (std::vector<std::string>{kOwnName}));
}

TEST_F(FolderPassTest, OnlyTheProgramAndSubfoldersGiveTheCompletionBox) {
    folder.MakeFolder("docs");
    EXPECT_TRUE(Pass(base).empty());
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(kQuestion));
}

TEST_F(FolderPassTest, NoListsNothingAndShowsNoFurtherBox) {
    folder.WriteFile("a.txt", "a");
    AnswerNextQuestion(IDNO);
    EXPECT_TRUE(Pass(base).empty());
    EXPECT_EQ(ShownBoxes(), (std::vector<ShownBox>{{kQuestion, "Potwierdzenie", MB_YESNO}}));
}

TEST_F(FolderPassTest, AFolderThatCannotBeListedGetsTheListingFailureBoxOnly) {
    operations::BaseFolder missing{folder.PathOf("gone"), kOwnName};
    EXPECT_TRUE(Pass(missing).empty());
    EXPECT_EQ(ShownBoxes(),
              (std::vector<ShownBox>{{kQuestion, "Potwierdzenie", MB_YESNO},
                                     {"Zawartosc folderu jest pusta!!!", "Informacja", MB_OK}}));
}

TEST_F(FolderPassTest, AnEntryThatVanishesAfterTheListingStartedIsPassedOver) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) folder.WriteFile(name, name);
    std::vector<std::string> handed;
    operations::RunFolderPass(nullptr, base, kQuestion, [&](const operations::FolderEntry& entry) {
        // The first file handed takes every other one away, as another
        // program might while the listing is open.
        if (handed.empty()) {
            for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"}) {
                if (entry.pliczek != name) DeleteFileA(folder.PathOf(name).c_str());
            }
        }
        handed.push_back(entry.pliczek);
    });
    EXPECT_EQ(handed.size(), 1u);
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(kQuestion));
}

TEST(BoxTexts, AreWindows1250) {
    // "ć" and "ó" in code page 1250; UTF-8 here would garble every box.
    const std::string text = kCompletionText;
    EXPECT_NE(text.find("\xF3"), std::string::npos);
    EXPECT_EQ(std::string("Wykonać"), "Wykona\xE6");
}

}  // namespace
}  // namespace pelmora_test
