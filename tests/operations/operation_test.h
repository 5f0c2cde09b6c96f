#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "operations/base_folder.h"
#include "tests/support/file_tree.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_boxes.h"

namespace pelmora_test {

inline const char kOwnName[] = "Pelmora.exe";
inline const char kCompletionText[] = "Sortowanie plików zakończone.";

// A base folder in a scratch folder, holding a stand-in for the program's
// own executable. Run() checks after every operation that nothing was lost.
class OperationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBoxes();
        folder.WriteFile(kOwnName, "the program itself");
    }

    void Run(const std::function<void()>& operation) {
        const FileTree before = ReadTree(folder.Path());
        operation();
        ExpectNothingLost(before, ReadTree(folder.Path()));
    }

    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : ReadTree(folder.Path()).files) names.push_back(entry.first);
        return names;
    }

    std::string Content(const std::string& relative) const {
        const auto tree = ReadTree(folder.Path());
        const auto found = tree.files.find(relative);
        return found == tree.files.end() ? "<missing>" : found->second;
    }

    bool Has(const std::string& relative) const {
        return GetFileAttributesA(folder.PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // The boxes of a run answered Yes: the question, then the completion.
    static std::vector<ShownBox> AskedAndCompleted(const std::string& question) {
        return {{question, "Potwierdzenie", MB_YESNO}, {kCompletionText, "Informacja", MB_OK}};
    }

    ScratchFolder folder;
    operations::BaseFolder base{folder.Path(), kOwnName};
};

}  // namespace pelmora_test
