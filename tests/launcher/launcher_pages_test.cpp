// SPDX-License-Identifier: GPL-3.0-or-later

// The launcher's pages as a user meets them: a question of one endless word,
// a problem that typing mends, the labels a screen reader reads, and the
// Ptah square board drawn sharp when it is shown large.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <cmath>

#include "launcher/answer_page.h"
#include "launcher/ask_page.h"
#include "launcher/breakable_text.h"
#include "launcher/ptah_picker.h"
#include "render/picture_ids.h"
#include "render/pictures/picture_catalogue.h"
#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

using LauncherPages = LauncherTest;

TEST_F(LauncherPages, AQuestionOfOneEndlessWordWrapsInsteadOfWideningTheWindow) {
    TJournalEntry entry;
    entry.question = std::string(238, 'x');
    entry.outcome = TOutcome::Favourable;
    TAnswerPage page;
    page.Show(entry);
    page.resize(1000, 700);
    page.show();
    QApplication::processEvents();
    EXPECT_LE(page.minimumSizeHint().width(), 900);
    EXPECT_LE(page.width(), 1000);
    // Every word short enough to fit keeps its letters together.
    EXPECT_EQ(BreakableText("Will the harvest be good?"), "Will the harvest be good?");
    const QString broken = BreakableText(QString(30, 'y') + " end");
    EXPECT_EQ(QString(broken).remove(QChar(0x200B)), QString(30, 'y') + " end");
    EXPECT_GT(broken.size(), 34);
}

TEST_F(LauncherPages, LabelsCarryTheirTextForScreenReaders) {
    TJournalEntry entry;
    entry.question = "Will it rain?";
    entry.outcome = TOutcome::Unfavourable;
    TAnswerPage page;
    page.Show(entry);
    const QString answer = page.AnswerText();
    bool found = false;
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (label->text() == answer) {
            found = true;
            EXPECT_TRUE(label->accessibleName().contains("Unfavourable", Qt::CaseInsensitive))
                << label->accessibleName().toStdString();
        }
    EXPECT_TRUE(found);

    TAskPage ask;
    ask.ShowProblem("You must enter a question.");
    bool problem = false;
    for (const QLabel* label : ask.findChildren<QLabel*>())
        problem = problem || label->accessibleName() == "You must enter a question.";
    EXPECT_TRUE(problem);
}

// A problem of the form goes once typing mends it, and stays while it holds.
TEST_F(LauncherPages, AFormProblemGoesWhenTypingMendsIt) {
    TAskPage ask;
    const auto shown = [&ask] {
        for (const QLabel* label : ask.findChildren<QLabel*>())
            if (label->text() == "You must enter a question.") return true;
        return false;
    };
    QLineEdit* question = nullptr;
    for (QLineEdit* edit : ask.findChildren<QLineEdit*>())
        if (edit->accessibleName() == "Question") question = edit;
    ASSERT_NE(question, nullptr);
    ask.ShowFormProblem({TFormProblemKind::NoQuestion, "You must enter a question."});
    EXPECT_TRUE(shown());
    question->setText("   ");  // still no question
    EXPECT_TRUE(shown());
    question->setText("Will it rain?");
    EXPECT_FALSE(shown());
    // A problem that is not the form's (the journal, the board program)
    // stays while typing.
    ask.ShowProblem("The board program marisel could not be started.");
    question->setText("Will it snow?");
    bool kept = false;
    for (const QLabel* label : ask.findChildren<QLabel*>())
        kept = kept || label->text().startsWith("The board program");
    EXPECT_TRUE(kept);
}

// Detail of an image: the sum of the differences between neighbouring pixels.
double Detail(const QImage& image) {
    double sum = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y), r = image.pixelColor(x + 1, y),
                         d = image.pixelColor(x, y + 1);
            sum += std::abs(c.red() - r.red()) + std::abs(c.green() - d.green());
        }
    return sum;
}

TEST_F(LauncherPages, ThePtahBoardIsDrawnForItsSizeNotBlownUp) {
    TPtahPicker picker;
    picker.SetBoard('W');
    picker.resize(816, 816);  // the board 800 pixels wide
    const QImage shown = picker.grab().toImage();
    TPictureCatalogue pictures('W');
    const QImage sharp = pictures.Render(BoardPictureId('W'), 2.0);
    // A square of the board's top-left quarter, where no label is drawn.
    const QRect area(200, 40, 100, 100);
    const double shownDetail = Detail(shown.copy(area.translated(16 + 0, 0)));
    const double sharpDetail = Detail(sharp.copy(area));
    EXPECT_GT(shownDetail, 0.7 * sharpDetail) << shownDetail << " vs " << sharpDetail;
}

}  // namespace
}  // namespace vaeloric::testing
