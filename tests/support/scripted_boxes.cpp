#include "tests/support/scripted_boxes.h"

#include <deque>
#include <ostream>

#include "platform/message_box.h"

namespace pelmora_test {
namespace {

std::vector<ShownBox>& Shown() {
    static std::vector<ShownBox> shown;
    return shown;
}

std::deque<int>& Answers() {
    static std::deque<int> answers;
    return answers;
}

}  // namespace

void ResetBoxes() {
    Shown().clear();
    Answers().clear();
}

void AnswerNextQuestion(int answer) { Answers().push_back(answer); }

const std::vector<ShownBox>& ShownBoxes() { return Shown(); }

void PrintTo(const ShownBox& box, std::ostream* out) {
    *out << "{\"" << box.text << "\", \"" << box.caption << "\", " << box.flags << "}";
}

}  // namespace pelmora_test

namespace platform {

int ShowBox(HWND, const char* text, const char* caption, UINT flags) {
    pelmora_test::Shown().push_back({text, caption, flags});
    if ((flags & MB_TYPEMASK) != MB_YESNO) return IDOK;
    auto& answers = pelmora_test::Answers();
    if (answers.empty()) return IDYES;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace platform
