#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// Stands in for the real message box in unit tests: records every box and
// answers from a script (Yes and OK unless told otherwise).
namespace pelmora_test {

struct ShownBox {
    std::string text;
    std::string caption;
    UINT flags;

    bool operator==(const ShownBox& other) const {
        return text == other.text && caption == other.caption && flags == other.flags;
    }
};

void PrintTo(const ShownBox& box, std::ostream* out);

void ResetBoxes();
void AnswerNextQuestion(int answer);  // IDYES or IDNO, for the next Yes/No box
const std::vector<ShownBox>& ShownBoxes();

}  // namespace pelmora_test
