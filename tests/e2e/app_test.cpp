#include "tests/e2e/app_test.h"

#include <windows.h>

#include "tests/support/beside_this_program.h"

namespace pelmora_test {

std::string BuiltProgram() { return BesideThisProgram("Pelmora.exe"); }

void AppTest::SetUp() {
    ASSERT_TRUE(CopyFileA(BuiltProgram().c_str(), folder.PathOf("Pelmora.exe").c_str(), TRUE))
        << "cannot copy " << BuiltProgram();
}

void AppTest::Start(const std::string& arguments, const std::string& exe) {
    before_ = ReadTree(folder.Path());
    app = std::make_unique<pelmora_driver::Session>(folder.PathOf(exe), arguments);
}

void AppTest::TearDown() {
    app.reset();  // ends the program if a test left it running
    ExpectNothingLost(before_, ReadTree(folder.Path()));
}

}  // namespace pelmora_test
