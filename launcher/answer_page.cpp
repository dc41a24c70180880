// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/answer_page.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>
#include <QVBoxLayout>

#include "launch/elements.h"
#include "launch/record_replay.h"
#include "launcher/breakable_text.h"
#include "launcher/reading_export.h"
#include "launcher/record_viewer.h"

namespace vaeloric {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString ElementColour(const std::string& elementName) {
    for (TQuestionElement element : kQuestionElements)
        if (elementName == ElementInfo(element).name) return ElementInfo(element).colour;
    return "#444444";
}

}  // namespace

TAnswerPage::TAnswerPage(QWidget* parent) : QWidget(parent) {
    question_ = new QLabel;
    question_->setWordWrap(true);
    question_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont questionFont = question_->font();
    questionFont.setPointSizeF(questionFont.pointSizeF() * 1.5);
    questionFont.setItalic(true);
    question_->setFont(questionFont);
    asked_ = new QLabel;
    answer_ = new QLabel;
    answer_->setWordWrap(true);
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setAccessibleName("Answer");
    note_ = new QLabel;
    note_->setWordWrap(true);
    hints_ = new QLabel;
    hints_->setWordWrap(true);
    hints_->setAccessibleName("Hints");
    notKept_ = new QLabel;
    notKept_->setWordWrap(true);
    notKept_->setStyleSheet("color: #a00000; font-weight: bold;");
    notKept_->setAccessibleName("Not kept");
    keep_ = new QPushButton("Save this reading as a file…");
    auto* notKeptRow = new QHBoxLayout;
    notKeptRow->addWidget(notKept_, 1);
    notKeptRow->addWidget(keep_);
    ShowNotKept({});
    players_ = new QLabel;
    players_->setWordWrap(true);
    analysis_ = new QTextEdit;
    analysis_->setReadOnly(true);
    analysis_->setAccessibleName("Analysis");

    auto* copy = new QPushButton("Copy");
    auto* pdf = new QPushButton("Save as PDF…");
    auto* text = new QPushButton("Save as text…");
    auto* again = new QPushButton("Ask another question");
    again->setDefault(true);
    auto* journal = new QPushButton("Journal");
    replay_ = new QPushButton("Replay the game");
    saveRecord_ = new QPushButton("Save the record…");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(again);
    buttons->addWidget(replay_);
    buttons->addStretch();
    buttons->addWidget(saveRecord_);
    buttons->addWidget(copy);
    buttons->addWidget(pdf);
    buttons->addWidget(text);
    buttons->addWidget(journal);

    auto* details = new QHBoxLayout;
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel("<b>Players</b>"));
    side->addWidget(players_);
    side->addStretch();
    details->addLayout(side, 1);
    auto* reading = new QVBoxLayout;
    reading->addWidget(new QLabel("<b>The network's analysis of the whole game</b>"));
    reading->addWidget(analysis_, 1);
    details->addLayout(reading, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question_);
    layout->addWidget(asked_);
    layout->addSpacing(8);
    layout->addWidget(answer_);
    layout->addWidget(note_);
    layout->addWidget(hints_);
    layout->addLayout(notKeptRow);
    layout->addSpacing(8);
    layout->addLayout(details, 1);
    layout->addLayout(buttons);

    connect(copy, &QPushButton::clicked, this, &TAnswerPage::Copy);
    connect(pdf, &QPushButton::clicked, this, &TAnswerPage::SavePdf);
    connect(text, &QPushButton::clicked, this, &TAnswerPage::SaveText);
    connect(keep_, &QPushButton::clicked, this, &TAnswerPage::SaveText);
    connect(replay_, &QPushButton::clicked, this, [this] { ReplayEntry(this, entry_); });
    connect(saveRecord_, &QPushButton::clicked, this, [this] { AskAndSaveRecord(this, entry_); });
    connect(again, &QPushButton::clicked, this, &TAnswerPage::AskAnotherRequested);
    connect(journal, &QPushButton::clicked, this, &TAnswerPage::JournalRequested);
}

QString TAnswerPage::AnswerText() const {
    return answer_->text();
}

void TAnswerPage::Show(const TJournalEntry& entry) {
    entry_ = entry;
    ShowNotKept({});
    // A game saved without a question (by the headless tool) is still shown.
    const QString question = entry.question.empty() ? QString("(No question was recorded.)")
                                                    : "“" + Q(entry.question) + "”";
    // A question of one endless word wraps instead of widening the window.
    question_->setText(BreakableText(question));
    question_->setAccessibleName(question);
    const QString who =
        entry.questionerName.empty() ? QString("the Questioner") : Q(entry.questionerName);
    asked_->setText(QString("Asked by %1 on %2 — %3 board, Ptah square %4")
                        .arg(who, Q(entry.askedAt), Q(entry.element), Q(entry.ptahSquare)));
    const bool decided =
        entry.outcome == TOutcome::Favourable || entry.outcome == TOutcome::Unfavourable;
    QFont font = answer_->font();
    font.setBold(true);
    font.setPointSizeF(QApplication::font().pointSizeF() * (decided ? 3.2 : 1.6));
    answer_->setFont(font);
    answer_->setText(decided ? Q(OutcomeHeadline(entry.outcome)).toUpper()
                             : Q(OutcomeHeadline(entry.outcome)));
    // Read aloud as the answer itself, not as the label's role.
    answer_->setAccessibleName(QStringLiteral("Answer: ") + Q(OutcomeHeadline(entry.outcome)));
    const QString colour = decided ? ElementColour(entry.element) : QString("#555555");
    answer_->setStyleSheet(QString("color: %1; border: 3px solid %1; border-radius: 8px; "
                                   "padding: 10px;")
                               .arg(colour));
    const std::string note = entry.note.empty() ? OutcomeSentence(entry.outcome) : entry.note;
    note_->setText(Q(note));
    answer_->setAccessibleDescription(Q(note));
    note_->setAlignment(decided ? Qt::AlignCenter : Qt::AlignLeft);
    hints_->setAlignment(note_->alignment());
    note_->setVisible(!note.empty());
    const std::string hints = HintNoteText(QuestionerHintCount(entry.record));
    hints_->setText(Q(hints));
    hints_->setVisible(!hints.empty());
    players_->setText(Q(entry.players));
    for (QPushButton* button : {replay_, saveRecord_}) {
        button->setEnabled(!entry.record.empty());
        button->setToolTip(entry.record.empty() ? QString(kNoRecordText) : QString());
    }
    analysis_->setPlainText(entry.analysis.empty() ? QString("(No analysis was written.)")
                                                   : Q(FlowingText(entry.analysis)));
}

void TAnswerPage::ShowNotKept(const QString& why) {
    notKept_->setText(why.isEmpty() ? QString()
                                    : "This reading could not be kept in the journal. " + why +
                                          " Save it as a file to keep it.");
    notKept_->setVisible(!why.isEmpty());
    keep_->setVisible(!why.isEmpty());
}

QString TAnswerPage::NotKeptText() const {
    return notKept_->text();
}

QString TAnswerPage::HintText() const {
    return hints_->isVisibleTo(this) ? hints_->text() : QString();
}

QString TAnswerPage::NoteText() const {
    return note_->isVisibleTo(this) ? note_->text() : QString();
}

void TAnswerPage::Copy() {
    QApplication::clipboard()->setText(Q(ReadingText(entry_)));
}

void TAnswerPage::SavePdf() {
    const QString path = QFileDialog::getSaveFileName(
        this, "Save the reading as PDF",
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/reading.pdf",
        "PDF files (*.pdf)");
    if (path.isEmpty()) return;
    if (const QString problem = SaveReadingPdf(entry_, path, AskReadOnly(this)); !problem.isEmpty())
        QMessageBox::warning(this, "Vaeloric Chess", problem);
}

void TAnswerPage::SaveText() {
    const QString path = QFileDialog::getSaveFileName(
        this, "Save the reading as text",
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/reading.txt",
        "Text files (*.txt)");
    if (path.isEmpty()) return;
    if (const QString problem = SaveReadingText(entry_, path, AskReadOnly(this));
        !problem.isEmpty())
        QMessageBox::warning(this, "Vaeloric Chess", problem);
}

}  // namespace vaeloric
