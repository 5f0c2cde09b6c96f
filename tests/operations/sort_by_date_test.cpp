// Run once with TZ=Europe/Warsaw and once with TZ=UTC: the folders a file
// gets depend on the machine's time zone, with the summer-time rule of the
// file's own date.
#include "operations/sort_by_date.h"

#include <cstdlib>

#include "tests/operations/operation_test.h"
#include "tests/support/held_file.h"

namespace pelmora_test {
namespace {

using operations::DateDepth;

struct UtcTime {
    int year, month, day, hour, minute;
};

struct DatedFile {
    const char* name;
    UtcTime written;
    const char* warsawDay;  // the local day in Europe/Warsaw
    const char* utcDay;     // the local day in UTC
};

const DatedFile kDatedFiles[] = {
    {"sylwester.txt", {2016, 12, 31, 23, 30}, "2017-01-01", "2016-12-31"},
    {"majowka.txt", {2017, 5, 8, 22, 30}, "2017-05-09", "2017-05-08"},  // summer time
    {"styczen.log", {2018, 1, 9, 12, 0}, "2018-01-09", "2018-01-09"},
    {"grudzien.log", {2019, 12, 31, 12, 0}, "2019-12-31", "2019-12-31"},
    {"README", {2020, 3, 15, 10, 0}, "2020-03-15", "2020-03-15"},        // no extension
    {".profile", {2021, 7, 4, 10, 0}, "2021-07-04", "2021-07-04"},      // leading dot
};

bool InWarsaw() {
    const char* zone = std::getenv("TZ");
    return zone != nullptr && std::string(zone) == "Europe/Warsaw";
}

// "2017-05-09" at a depth: 2017/, 2017/2017-05/ or 2017/2017-05/2017-05-09/.
std::string FoldersFor(const std::string& day, DateDepth depth) {
    std::string path = day.substr(0, 4) + "/";
    if (depth != DateDepth::Year) path += day.substr(0, 7) + "/";
    if (depth == DateDepth::YearMonthDay) path += day + "/";
    return path;
}

const char* QuestionFor(DateDepth depth) {
    switch (depth) {
        case DateDepth::Year: return "Wykonać sortowanie plików rocznikami?";
        case DateDepth::YearMonth: return "Wykonać sortowanie plików rocznikami i miesiącami?";
        case DateDepth::YearMonthDay: return "Wykonać sortowanie plików rocznikami, miesiącami i dniami?";
    }
    return "";
}

TEST(DateFolderChain, PadsMonthAndDayButNotTheYear) {
    using Chain = std::vector<std::string>;
    EXPECT_EQ(operations::DateFolderChain({2017, 5, 9}, DateDepth::Year), Chain{"2017"});
    EXPECT_EQ(operations::DateFolderChain({2017, 5, 9}, DateDepth::YearMonth),
              (Chain{"2017", "2017-05"}));
    EXPECT_EQ(operations::DateFolderChain({2017, 12, 31}, DateDepth::YearMonthDay),
              (Chain{"2017", "2017-12", "2017-12-31"}));
    EXPECT_EQ(operations::DateFolderChain({987, 1, 1}, DateDepth::YearMonthDay),
              (Chain{"987", "987-01", "987-01-01"}));
}

class SortByDateTest : public OperationTest {
protected:
    void Write(const std::string& name, const UtcTime& t) {
        folder.WriteFile(name, "content of " + name);
        folder.SetLastWriteTime(name, t.year, t.month, t.day, t.hour, t.minute);
    }
    void Sort(DateDepth depth) {
        Run([&] { operations::SortByDate(nullptr, base, depth); });
    }
};

class SortByDateAtDepth : public SortByDateTest,
                          public ::testing::WithParamInterface<DateDepth> {};

TEST_P(SortByDateAtDepth, FilesEachFileUnderItsLocalDate) {
    for (const DatedFile& f : kDatedFiles) Write(f.name, f.written);
    Sort(GetParam());
    for (const DatedFile& f : kDatedFiles) {
        const std::string day = InWarsaw() ? f.warsawDay : f.utcDay;
        const std::string expected = FoldersFor(day, GetParam()) + f.name;
        EXPECT_EQ(Content(expected), std::string("content of ") + f.name) << expected;
    }
    EXPECT_TRUE(Has(kOwnName));
    EXPECT_EQ(ShownBoxes(), AskedAndCompleted(QuestionFor(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(AllDepths, SortByDateAtDepth,
                         ::testing::Values(DateDepth::Year, DateDepth::YearMonth,
                                           DateDepth::YearMonthDay));

TEST_F(SortByDateTest, OnlyFilesOfTheBaseFolderItselfAreMoved) {
    Write("first.txt", {2015, 6, 1, 12, 0});
    Sort(DateDepth::YearMonthDay);
    Write("second.txt", {2015, 6, 2, 12, 0});
    Sort(DateDepth::Year);
    EXPECT_EQ(Files(), (std::vector<std::string>{"2015/2015-06/2015-06-01/first.txt",
                                                 "2015/second.txt", kOwnName}));
}

TEST_F(SortByDateTest, ExistingFoldersAreReusedAndNothingIsReplaced) {
    folder.MakeFolder("2015/2015-06");
    folder.WriteFile("2015/2015-06/kept.txt", "the user's");
    folder.WriteFile("2015/2015-06/same.txt", "already there");
    Write("same.txt", {2015, 6, 1, 12, 0});
    Write("new.txt", {2015, 6, 1, 12, 0});
    Sort(DateDepth::YearMonth);
    EXPECT_EQ(Content("2015/2015-06/same.txt"), "already there");
    EXPECT_EQ(Content("same.txt"), "content of same.txt");
    EXPECT_TRUE(Has("2015/2015-06/new.txt"));
    EXPECT_TRUE(Has("2015/2015-06/kept.txt"));
}

TEST_F(SortByDateTest, AFileNamedLikeAYearKeepsThatYearsFilesOut) {
    Write("2017", {2017, 3, 1, 12, 0});  // would need the folder it blocks
    Write("a.txt", {2017, 3, 1, 12, 0});
    Sort(DateDepth::Year);
    EXPECT_EQ(Files(), (std::vector<std::string>{"2017", kOwnName, "a.txt"}));
}

TEST_F(SortByDateTest, OnceTheBlockingFileHasMovedTheOthersGetTheirFolder) {
    Write("2017", {2020, 3, 1, 12, 0});
    Write("a.txt", {2017, 3, 1, 12, 0});
    // Whether a.txt comes before or after 2017 in the listing is the
    // platform's choice; by the second run the way is clear either way.
    Sort(DateDepth::Year);
    Sort(DateDepth::Year);
    EXPECT_EQ(Files(), (std::vector<std::string>{"2017/a.txt", "2020/2017", kOwnName}));
}

TEST_F(SortByDateTest, AFileHeldOpenByAnotherProgramStaysAndTheRestAreSorted) {
    Write("open.doc", {2016, 1, 1, 12, 0});
    Write("before.txt", {2014, 1, 1, 12, 0});
    Write("zafter.txt", {2014, 1, 1, 12, 0});
    {
        HeldFile held(folder.PathOf("open.doc"));
        Sort(DateDepth::Year);
    }
    EXPECT_EQ(Files(), (std::vector<std::string>{"2014/before.txt", "2014/zafter.txt", kOwnName,
                                                 "open.doc"}));
    Sort(DateDepth::Year);  // let go, it is dated like any other
    EXPECT_TRUE(Has("2016/open.doc"));
}

}  // namespace
}  // namespace pelmora_test
