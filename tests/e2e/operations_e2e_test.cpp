// Each operation button on the real program: the real confirmation and
// completion boxes, Yes and No, on a real folder. Runs with TZ=UTC.
#include "tests/e2e/app_test.h"

namespace pelmora_test {
namespace {

struct ButtonScenario {
    const char* button;
    const char* question;
    const char* movedTo;  // where "a.txt", written 2017-05-08 22:30 UTC, ends up
};

// Besides a.txt the folder holds the subfolder A with b.txt, which only the
// gather moves.
const ButtonScenario kScenarios[] = {
    {"Sortuj typami plików", "Wykonać sortowanie plików zgodnie z ich typem?", "txt/a.txt"},
    {"Sortuj rocznikami", "Wykonać sortowanie plików rocznikami?", "2017/a.txt"},
    {"Sortuj rocznikami i miesiącami", "Wykonać sortowanie plików rocznikami i miesiącami?",
     "2017/2017-05/a.txt"},
    {"Sortuj rocznikami, miesiącami i dniami",
     "Wykonać sortowanie plików rocznikami, miesiącami i dniami?",
     "2017/2017-05/2017-05-08/a.txt"},
    {"Przenieś pliki do bieżącego folderu", "Wykonać przenoszenie plików do bieżącego folderu?",
     "a.txt"},
};

class OperationButtons : public AppTest, public ::testing::WithParamInterface<ButtonScenario> {
protected:
    void SetUp() override {
        AppTest::SetUp();
        folder.WriteFile("a.txt", "a");
        folder.SetLastWriteTime("a.txt", 2017, 5, 8, 22, 30);
        folder.MakeFolder("A");
        folder.WriteFile("A/b.txt", "b");
    }

    pelmora_driver::MessageBoxView Confirmation() {
        const auto box = app->WaitForBox("Potwierdzenie");
        EXPECT_EQ(box.text, GetParam().question);
        EXPECT_EQ(box.buttons.size(), 2u);
        for (const auto& button : box.buttons) {
            EXPECT_TRUE((button.id == IDYES && button.caption == "&Tak") ||
                        (button.id == IDNO && button.caption == "&Nie"))
                << button.id << " " << button.caption;
        }
        return box;
    }

    bool Exists(const std::string& relative) const {
        return GetFileAttributesA(folder.PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
};

TEST_P(OperationButtons, YesRunsTheOperationOnceAndReportsItsEnd) {
    Start();
    app->Click(GetParam().button);
    app->AnswerAndWait(Confirmation(), IDYES);

    const auto done = app->WaitForBox("Informacja");
    EXPECT_EQ(done.text, "Sortowanie plików zakończone.");
    ASSERT_EQ(done.buttons.size(), 1u);
    EXPECT_EQ(done.buttons[0].id, IDOK);
    app->AnswerAndWait(done, IDOK);
    EXPECT_TRUE(app->StaysWithoutBox(300)) << "one click runs the operation once";

    EXPECT_TRUE(Exists(GetParam().movedTo)) << GetParam().movedTo;
    EXPECT_TRUE(Exists("Pelmora.exe"));
    const bool gathered = std::string(GetParam().movedTo) == "a.txt";
    EXPECT_EQ(Exists("b.txt"), gathered);
    EXPECT_EQ(Exists("A"), !gathered);

    // The window is back and takes the next click.
    app->Click(GetParam().button);
    app->AnswerAndWait(Confirmation(), IDNO);
}

TEST_P(OperationButtons, NoReturnsToTheWindowWithNothingChanged) {
    Start();
    const FileTree before = ReadTree(folder.Path());
    app->Click(GetParam().button);
    app->AnswerAndWait(Confirmation(), IDNO);
    EXPECT_TRUE(app->StaysWithoutBox(500));
    EXPECT_EQ(ReadTree(folder.Path()).files, before.files);
    EXPECT_TRUE(IsWindowEnabled(app->MainWindow()));
}

INSTANTIATE_TEST_SUITE_P(EveryButton, OperationButtons, ::testing::ValuesIn(kScenarios));

using StartUp = AppTest;

TEST_F(StartUp, CommandLineArgumentsChangeNothing) {
    folder.MakeFolder("elsewhere");
    folder.WriteFile("a.txt", "a");
    Start("\"" + folder.PathOf("elsewhere") + "\" /gather --help");
    app->Click("Sortuj typami plików");
    app->AnswerAndWait(app->WaitForBox("Potwierdzenie"), IDYES);
    app->AnswerAndWait(app->WaitForBox("Informacja"), IDOK);
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{"Pelmora.exe", "elsewhere", "txt"}));
}

TEST_F(StartUp, APathOfTheLongestLengthThatFitsIsReadWhole) {
    // 259 characters is the longest module path the system can start and
    // report; the program must tidy that folder, not a cut one.
    const std::string exe = folder.PathOf("Pelmora.exe");
    const size_t room = 259 - exe.size() - 1;
    const std::string deep = std::string(room, 'p');
    folder.MakeFolder(deep);
    ASSERT_TRUE(MoveFileA(exe.c_str(), folder.PathOf(deep + "/Pelmora.exe").c_str()));
    ASSERT_EQ(folder.PathOf(deep + "/Pelmora.exe").size(), 259u);
    folder.WriteFile(deep + "/x.log", "x");
    folder.WriteFile("outside.log", "stays");

    Start("", deep + "/Pelmora.exe");
    app->Click("Sortuj typami plików");
    app->AnswerAndWait(app->WaitForBox("Potwierdzenie"), IDYES);
    app->AnswerAndWait(app->WaitForBox("Informacja"), IDOK);
    EXPECT_EQ(NamesIn(folder.PathOf(deep)), (std::set<std::string>{"Pelmora.exe", "log"}));
    EXPECT_TRUE(NamesIn(folder.Path()).count("outside.log"));
}

}  // namespace
}  // namespace pelmora_test
