// SPDX-License-Identifier: GPL-3.0-or-later

// The ask page's sentence under the form: a fault typed into the question
// shows at once and goes once mended; every other sentence stays until the
// next try.
#include "launcher/ask_page.h"

#include <gtest/gtest.h>

#include <QLabel>

#include "tests/support/widget_application.h"

namespace vaeloric {
namespace {

class AskPage : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureWidgetApplication();
        page = std::make_unique<TAskPage>();
        form.question = "Will it rain?";
        form.questionerName = "Ann";
        page->SetForm(form);
    }
    // The sentence shown under the form; the page has one label for it.
    QString Shown(const QString& sentence) const {
        for (const QLabel* label : page->findChildren<QLabel*>())
            if (label->text() == sentence) return sentence;
        return QString();
    }
    void Type(const std::string& question) {
        form.question = question;
        page->SetForm(form);
    }

    TQuestionForm form;
    std::unique_ptr<TAskPage> page;
};

TEST_F(AskPage, ATypedFaultGoesWhenMendedOtherSentencesStay) {
    const QString tooLong =
        QString::fromStdString(CheckQuestionText(std::string(239, 'q')).sentence);
    ASSERT_TRUE(tooLong.startsWith("The question is too long"));
    Type(std::string(239, 'q'));
    EXPECT_EQ(Shown(tooLong), tooLong);
    Type("Will it rain?");
    EXPECT_TRUE(Shown(tooLong).isEmpty());

    // A problem the form check found goes once typing mends it...
    Type("");
    page->ShowFormProblem(FindFormProblem(form));
    const QString noQuestion = "You must enter a question.";
    EXPECT_EQ(Shown(noQuestion), noQuestion);
    Type("Will it snow?");
    EXPECT_TRUE(Shown(noQuestion).isEmpty());

    // ...and the others stay while the question is typed, as long as they
    // hold, even one worded like a fault of the text.
    form.questionerName = "";
    page->ShowFormProblem(FindFormProblem(form));
    const QString longName = QString::fromStdString(FindFormProblem(form).sentence);
    ASSERT_FALSE(longName.isEmpty());
    Type("Will it sleet?");
    EXPECT_EQ(Shown(longName), longName);
    form.questionerName = "Ann";
    const QString fromElsewhere = "The question is kept in the journal, which could not be opened.";
    page->ShowProblem(fromElsewhere);
    Type("Will it hail?");
    EXPECT_EQ(Shown(fromElsewhere), fromElsewhere);
}

}  // namespace
}  // namespace vaeloric
