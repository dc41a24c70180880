// SPDX-License-Identifier: GPL-3.0-or-later

// The reading dialog's whole-line scrolling.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "dialogs/game_div_dialog.h"
#include "dialogs/reading_scroll.h"
#include "tests/support/widget_application.h"

namespace vaeloric {
namespace {

std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\n";
    return text;
}

TEST(ReadingScroll, RangeIsLineFeedsLessTwo) {
    EXPECT_EQ(ReadingScrollMax(""), 0);
    EXPECT_EQ(ReadingScrollMax("no line feed at all"), 0);
    EXPECT_EQ(ReadingScrollMax("a\nb\n"), 0);
    EXPECT_EQ(ReadingScrollMax("a\nb\nc\n"), 1);
    EXPECT_EQ(ReadingScrollMax(Lines(10)), 8);
}

TEST(ReadingScroll, SkipsWholeLines) {
    const std::string text = Lines(10);
    EXPECT_EQ(ReadingTextFrom(text, 0), text);
    EXPECT_EQ(ReadingTextFrom(text, 8), "line 9\nline 10\n");
    EXPECT_EQ(ReadingTextFrom(text, 10), "");
    EXPECT_EQ(ReadingTextFrom(text, 50), "");
    EXPECT_EQ(ReadingTextFrom("a\n\n\nb", 3), "b");
}

TEST(ReadingScroll, ShowsAtMost999Characters) {
    const std::string text = "top\n" + std::string(1500, 'x');
    EXPECT_EQ(ReadingTextFrom(text, 1), std::string(999, 'x'));
    EXPECT_EQ(ReadingTextFrom(text, 0).size(), 999u);
}

class ReadingDialog : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureWidgetApplication(); }
};

TEST_F(ReadingDialog, ScrollBarMovesTheTextByLines) {
    TGameDivDialog dialog(nullptr, Lines(10), "Whole game");
    EXPECT_EQ(dialog.windowTitle(), "Whole game");
    EXPECT_EQ(dialog.ScrollBar()->minimum(), 0);
    EXPECT_EQ(dialog.ScrollBar()->maximum(), 8);
    EXPECT_EQ(dialog.ShownText().toStdString(), Lines(10));
    dialog.ScrollBar()->setValue(8);
    EXPECT_TRUE(dialog.ShownText().startsWith("line 9\n"));
    dialog.ScrollBar()->setValue(0);
    EXPECT_TRUE(dialog.ShownText().startsWith("line 1\n"));
}

TEST_F(ReadingDialog, TextWithoutLineFeedsDoesNotScroll) {
    TGameDivDialog dialog(nullptr, "No moves made.", "Last move");
    EXPECT_EQ(dialog.ScrollBar()->maximum(), 0);
    dialog.ScrollBar()->setValue(3);
    EXPECT_EQ(dialog.ShownText(), "No moves made.");
}

TEST_F(ReadingDialog, CopiesAreCut) {
    TGameDivDialog dialog(nullptr, std::string(3500, 'r'), std::string(80, 'c'));
    EXPECT_EQ(dialog.windowTitle().size(), 60);
    EXPECT_EQ(dialog.ShownText().size(), 3000);
}

}  // namespace
}  // namespace vaeloric
