#include "shell/module_path_step.h"

#include "platform/module_path.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct Derivation {
    const char* modulePath;
    const char* baseFolder;
    const char* ownFileName;
};

const Derivation kDerivations[] = {
    {"D:\\x.exe", "D:", "x.exe"},                                   // a drive's root
    {"\\\\server\\share\\x.exe", "\\\\server\\share", "x.exe"},      // a share's top folder
    {"D:\\Photos\\2017\\sorter.exe", "D:\\Photos\\2017", "sorter.exe"},
    {"C:\\My Files.old\\Sub Dir\\Tidy.v2.EXE", "C:\\My Files.old\\Sub Dir", "Tidy.v2.EXE"},
};

TEST(BaseFolderOf, CutsTheModulePathAtItsLastBackslash) {
    for (const Derivation& d : kDerivations) {
        const operations::BaseFolder base = shell::BaseFolderOf(d.modulePath);
        EXPECT_EQ(base.path, d.baseFolder) << d.modulePath;
        EXPECT_EQ(base.ownFileName, d.ownFileName) << d.modulePath;
    }
}

TEST(ModulePathStep, FindsTheFolderOfTheRunningExecutable) {
    operations::BaseFolder base;
    ASSERT_TRUE(shell::RunModulePathStep(base));
    EXPECT_EQ(base.ownFileName, "operations_tests.exe");
    EXPECT_NE(GetFileAttributesA((base.path + "\\" + base.ownFileName).c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST(ReadModulePath, RefusesAPathCutByItsBuffer) {
    std::string whole;
    ASSERT_TRUE(platform::ReadModulePath(whole));
    std::string cut = "untouched";
    EXPECT_FALSE(platform::ReadModulePath(cut, static_cast<unsigned long>(whole.size())));
    EXPECT_FALSE(platform::ReadModulePath(cut, 8));
    EXPECT_EQ(cut, "untouched");
    EXPECT_TRUE(platform::ReadModulePath(cut, static_cast<unsigned long>(whole.size() + 1)));
    EXPECT_EQ(cut, whole);
}

}  // namespace
