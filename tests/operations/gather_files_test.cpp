#include "operations/gather_files.h"

#include "tests/operations/operation_test.h"
#include "tests/support/held_file.h"

namespace pelmora_test {
namespace {

const char kQuestion[] = "Wykonać przenoszenie plików do bieżącego folderu?";

class GatherFilesTest : public OperationTest {
protected:
    void Gather() {
        Run([&] { operations::GatherFiles(nullptr, base); });
    }
    std::set<std::string> Folders() const { return ReadTree(folder.Path()).folders; }

    // d/d/d/... to the given depth, with one file at the bottom.
    std::string MakeChain(int depth) {
        std::string path;
        for (int level = 0; level < depth; ++level) path += (level ? "/d" : "d");
        folder.MakeFolder(path);
        folder.WriteFile(path + "/bottom.txt", "at depth " + std::to_string(depth));
        return path;
    }
};

TEST_F(GatherFilesTest, BringsEveryFileUpAndRemovesTheEmptiedFolders) {
    folder.MakeFolder("A/C");
    folder.MakeFolder("D");
    folder.WriteFile("x.txt", "x");
    folder.WriteFile("A/a.txt", "a");
    folder.WriteFile("A/C/c.txt", "c");
    Gather();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{kOwnName, "a.txt", "c.txt", "x.txt"}));
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(kQuestion));
}

TEST_F(GatherFilesTest, AChainEmptiedInOneRunGoesFromTheDeepestUp) {
    folder.MakeFolder("A/B/C");
    folder.WriteFile("A/B/C/one.txt", "1");
    folder.WriteFile("A/B/C/two.txt", "2");
    Gather();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{kOwnName, "one.txt", "two.txt"}));
}

TEST_F(GatherFilesTest, OfTwoFilesWithOneNameOneComesUpAndTheOtherWaitsInItsFolders) {
    folder.MakeFolder("P/deep");
    folder.MakeFolder("Q");
    folder.WriteFile("P/deep/same.txt", "from P");
    folder.WriteFile("Q/same.txt", "from Q");
    Gather();
    const std::set<std::string> left = Folders();
    EXPECT_TRUE(left == std::set<std::string>({"P", "P/deep"}) || left == std::set<std::string>({"Q"}))
        << "the folders of the file that stayed, and only those, remain";
    EXPECT_EQ(Files().size(), 3u);

    // Once the user has cleared the clash, a second run finishes the job.
    ASSERT_TRUE(MoveFileA(folder.PathOf("same.txt").c_str(), folder.PathOf("P-or-Q.txt").c_str()));
    Gather();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{kOwnName, "P-or-Q.txt", "same.txt"}));
}

TEST_F(GatherFilesTest, AFileNamedLikeTheProgramStaysButAFolderOfThatNameIsWalked) {
    folder.MakeFolder("sub");
    folder.WriteFile("sub/Pelmora.exe", "another copy");
    folder.MakeFolder("other/Pelmora.exe");
    folder.WriteFile("other/Pelmora.exe/inside.txt", "inside");
    Gather();
    EXPECT_EQ(Content("sub/Pelmora.exe"), "another copy");
    EXPECT_TRUE(Has("inside.txt"));
    EXPECT_FALSE(Has("other"));
}

TEST_F(GatherFilesTest, HiddenSystemAndReadOnlyFoldersAreWalked) {
    const DWORD kinds[] = {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_READONLY};
    for (DWORD kind : kinds) {
        const std::string name = "f" + std::to_string(kind);
        folder.MakeFolder(name);
        folder.WriteFile(name + "/" + name + ".txt", name);
        folder.SetAttributes(name, FILE_ATTRIBUTE_DIRECTORY | kind);
    }
    Gather();
    for (DWORD kind : kinds) EXPECT_TRUE(Has("f" + std::to_string(kind) + ".txt")) << kind;
}

TEST_F(GatherFilesTest, AFolderThatCannotBeRemovedStaysEmpty) {
    folder.MakeFolder("busy");
    folder.WriteFile("busy/inside.txt", "inside");
    {
        HeldFile held(folder.PathOf("busy"), HeldFile::Sharing::AllButDelete);
        Gather();
    }
    EXPECT_TRUE(Has("inside.txt"));
    EXPECT_EQ(Folders(), (std::set<std::string>{"busy"}));
    EXPECT_TRUE(NamesIn(folder.PathOf("busy")).empty());
}

TEST_F(GatherFilesTest, AFolderThatCannotBeListedKeepsItsFiles) {
    folder.MakeFolder("locked");
    folder.WriteFile("locked/inside.txt", "inside");
    {
        HeldFile held(folder.PathOf("locked"));
        Gather();
    }
    EXPECT_EQ(Files(), (std::vector<std::string>{kOwnName, "locked/inside.txt"}));
}

TEST_F(GatherFilesTest, LinksToFoldersAreNeitherEnteredNorRemoved) {
    ScratchFolder outside;
    outside.WriteFile("elsewhere.txt", "not ours");
    folder.MakeFolder("real");
    folder.WriteFile("real/mine.txt", "ours");
    folder.MakeDirectoryLink("out-link", outside.UnixPathOf(""));
    folder.MakeDirectoryLink("real-loop", folder.UnixPathOf(""));  // back to an ancestor
    const FileTree outsideBefore = ReadTree(outside.Path());

    Gather();
    EXPECT_TRUE(Has("mine.txt"));
    EXPECT_FALSE(Has("elsewhere.txt"));
    EXPECT_EQ(ReadTree(outside.Path()).files, outsideBefore.files);
    EXPECT_EQ(Folders(), (std::set<std::string>{"out-link", "real-loop"}));
}

TEST_F(GatherFilesTest, SixtyThreeLevelsAreWalkedInFull) {
    MakeChain(63);
    Gather();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{kOwnName, "bottom.txt"}));
}

TEST_F(GatherFilesTest, DeeperTreesAreWalkedInFullToo) {
    MakeChain(70);
    Gather();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{kOwnName, "bottom.txt"}));
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(kQuestion));
}

TEST_F(GatherFilesTest, NoChangesNothing) {
    folder.MakeFolder("A");
    folder.WriteFile("A/a.txt", "a");
    AnswerNextQuestion(IDNO);
    Gather();
    EXPECT_TRUE(Has("A/a.txt"));
    EXPECT_EQ(ShownBoxes(), (std::vector<ShownBox>{{kQuestion, "Potwierdzenie", MB_YESNO}}));
}

TEST_F(GatherFilesTest, WithoutSubfoldersNothingMoves) {
    folder.WriteFile("x.txt", "x");
    Gather();
    EXPECT_EQ(NamesIn(folder.Path()), (std::set<std::string>{kOwnName, "x.txt"}));
}

TEST_F(GatherFilesTest, ABaseFolderThatCannotBeListedSaysSoInsteadOfDone) {
    operations::BaseFolder missing{folder.PathOf("gone"), kOwnName};
    operations::GatherFiles(nullptr, missing);
    EXPECT_EQ(ShownBoxes(),
              (std::vector<ShownBox>{{kQuestion, "Potwierdzenie", MB_YESNO},
                                     {"Zawartosc folderu jest pusta!!!", "Informacja", MB_OK}}));
}

}  // namespace
}  // namespace pelmora_test
