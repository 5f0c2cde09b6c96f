// The main window as the user sees it, on the real program.
#include <vector>

#include "tests/e2e/app_test.h"

namespace pelmora_test {
namespace {

struct ButtonRow {
    const char* caption;
    int y;
};

const ButtonRow kButtonRows[] = {
    {"Sortuj typami plików", 0},
    {"Sortuj rocznikami", 30},
    {"Sortuj rocznikami i miesiącami", 60},
    {"Sortuj rocznikami, miesiącami i dniami", 90},
    {"Przenieś pliki do bieżącego folderu", 120},
    {"Informacje", 150},
    {"Zakończ", 180},
};

using WindowTest = AppTest;

TEST_F(WindowTest, IsAFixedSizeWindowWithACloseBoxOnly) {
    Start();
    const HWND window = app->MainWindow();
    EXPECT_EQ(pelmora_driver::ClassOf(window), "Menu");
    EXPECT_EQ(pelmora_driver::WindowText(window), "Pelmora");
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 290);
    EXPECT_EQ(rect.bottom - rect.top, 242);

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP));
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_TOOLWINDOW),
              WS_EX_CLIENTEDGE);
}

TEST_F(WindowTest, HoldsSevenStackedPushButtonsAndNoOtherControl) {
    Start();
    const std::vector<pelmora_driver::ChildView> children = app->Children();
    ASSERT_EQ(children.size(), std::size(kButtonRows));
    for (size_t k = 0; k < children.size(); ++k) {
        const auto& child = children[k];
        SCOPED_TRACE(kButtonRows[k].caption);
        EXPECT_EQ(child.className, "Button");
        EXPECT_EQ(child.caption, kButtonRows[k].caption);
        EXPECT_EQ(child.rect.left, 0);
        EXPECT_EQ(child.rect.top, kButtonRows[k].y);
        EXPECT_EQ(child.rect.right - child.rect.left, 280);
        EXPECT_EQ(child.rect.bottom - child.rect.top, 30);
        EXPECT_EQ(child.style & 0x0F, BS_PUSHBUTTON);
        EXPECT_EQ(GetDlgCtrlID(child.handle), 0);
    }
}

TEST_F(WindowTest, InformationShowsTheProgramsNameMakerAndAddress) {
    Start();
    app->Click("Informacje");
    const auto box = app->WaitForBox("Informacje");
    EXPECT_EQ(box.text, "Pelmora v.2.2\nZespół Pelmora, 2026\nhttps://pelmora.example");
    ASSERT_EQ(box.buttons.size(), 1u);
    EXPECT_EQ(box.buttons[0].id, IDOK);
    app->AnswerAndWait(box, IDOK);
    EXPECT_TRUE(app->StaysWithoutBox(300));
    EXPECT_TRUE(app->IsRunning());
}

TEST_F(WindowTest, ACommandWithoutASenderShowsTheSettingsBox) {
    Start();
    app->PostCommand(0);
    const auto box = app->WaitForBox("Ustawienia");
    EXPECT_EQ(box.text, "Ustawienia dla programu...");
    app->AnswerAndWait(box, IDOK);
    EXPECT_TRUE(app->IsRunning());
}

TEST_F(WindowTest, AClickIsKnownByItsSenderWhateverItsIdentifier) {
    Start();
    PostMessageA(app->MainWindow(), WM_COMMAND, MAKEWPARAM(1234, BN_CLICKED),
                 reinterpret_cast<LPARAM>(app->Button("Informacje")));
    app->AnswerAndWait(app->WaitForBox("Informacje"), IDOK);
}

struct Ending {
    const char* how;
    void (*end)(const pelmora_driver::Session&);
};

const Ending kEndings[] = {
    {"the close box", [](const pelmora_driver::Session& s) { s.PressCloseBox(); }},
    {"Zakończ", [](const pelmora_driver::Session& s) { s.Click("Zakończ"); }},
};

TEST_F(WindowTest, CloseBoxAndZakonczEndTheProgramWithoutAsking) {
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.how);
        Start();
        ending.end(*app);
        EXPECT_EQ(app->WaitForExit(), 0u);
    }
}

}  // namespace
}  // namespace pelmora_test
