#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/file_tree.h"
#include "tests/support/scratch_folder.h"
#include "tools/driver/pelmora_session.h"

namespace pelmora_test {

// The real Pelmora.exe, copied into a scratch folder of its own and started
// there. The folder's files are checked for losses when the test ends.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the copy; its files must be in place before this.
    void Start(const std::string& arguments = "", const std::string& exe = "Pelmora.exe");

    ScratchFolder folder;
    std::unique_ptr<pelmora_driver::Session> app;

private:
    FileTree before_;
};

// The Pelmora.exe that was built beside the test executable.
std::string BuiltProgram();

}  // namespace pelmora_test
