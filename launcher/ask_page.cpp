// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/ask_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "flow/seats.h"
#include "flow/setup_record.h"
#include "launcher/ptah_picker.h"
#include "players/opponent_notes.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"

namespace vaeloric {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The seat choice of a human who plays from another screen.
constexpr int kRemoteChoice = -1;

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    return label;
}

}  // namespace

TAskPage::TAskPage(QWidget* parent) : QWidget(parent) {
    auto* content = new QWidget;
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildQuestionBox());
    left->addWidget(BuildElementBox());
    left->addWidget(BuildSeatsBox());
    auto* armies = new QGroupBox("Who leads which army");
    preview_ = new QLabel;
    preview_->setWordWrap(true);
    preview_->setTextFormat(Qt::RichText);
    (new QVBoxLayout(armies))->addWidget(preview_);
    left->addWidget(armies);
    left->addStretch();
    columns->addLayout(left, 3);
    columns->addWidget(BuildSquareBox(), 2);

    auto* title = new QLabel("Vaeloric Chess");
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    title->setFont(big);
    auto* whole = new QVBoxLayout(content);
    whole->addWidget(title);
    whole->addWidget(
        Note("Ask a question, choose its element and the Ptah square, and play the "
             "game that answers it: if your King holds the Ptah square, or both "
             "enemy armies are checkmated, the answer is favourable.",
             content));
    whole->addLayout(columns);

    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    problem_ = new QLabel;
    problem_->setWordWrap(true);
    problem_->setStyleSheet("color: #b00020; font-weight: bold;");
    problem_->setAccessibleName("Problem");
    ask_ = new QPushButton("Ask the board");
    ask_->setDefault(true);
    continue_ = new QPushButton("Continue a saved game…");
    demonstration_ = new QPushButton("Play without a question");
    join_ = new QPushButton("Join a game…");
    join_->setToolTip("Play a seat of a game hosted on another screen, with its invitation.");
    auto* journal = new QPushButton("Journal");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ask_);
    buttons->addStretch();
    buttons->addWidget(join_);
    buttons->addWidget(continue_);
    buttons->addWidget(demonstration_);
    buttons->addWidget(journal);

    auto* page = new QVBoxLayout(this);
    page->addWidget(scroll, 1);
    page->addWidget(problem_);
    page->addLayout(buttons);

    connect(ask_, &QPushButton::clicked, this, &TAskPage::AskRequested);
    connect(question_, &QLineEdit::returnPressed, this, &TAskPage::AskRequested);
    connect(continue_, &QPushButton::clicked, this, &TAskPage::ContinueRequested);
    connect(demonstration_, &QPushButton::clicked, this, &TAskPage::DemonstrationRequested);
    connect(journal, &QPushButton::clicked, this, &TAskPage::JournalRequested);
    connect(join_, &QPushButton::clicked, this, &TAskPage::JoinRequested);
    Refresh();
}

QWidget* TAskPage::BuildQuestionBox() {
    auto* box = new QGroupBox("Your question");
    question_ = new QLineEdit;
    question_->setPlaceholderText("Will the new house bring us luck?");
    question_->setAccessibleName("Question");
    counter_ = new QLabel;
    name_ = new QLineEdit;
    name_->setPlaceholderText("Your name");
    name_->setAccessibleName("Questioner's name");
    auto* form = new QFormLayout(box);
    auto* row = new QHBoxLayout;
    row->addWidget(question_, 1);
    row->addWidget(counter_);
    form->addRow("Question:", row);
    form->addRow("Your name:", name_);
    connect(question_, &QLineEdit::textChanged, this, &TAskPage::Refresh);
    connect(name_, &QLineEdit::textChanged, this, &TAskPage::Refresh);
    return box;
}

QWidget* TAskPage::BuildElementBox() {
    auto* box = new QGroupBox("The element of your question (it chooses the board)");
    auto* layout = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    elements_ = new QButtonGroup(this);
    for (TQuestionElement element : kQuestionElements) {
        auto* button = new QRadioButton(ElementInfo(element).name);
        elements_->addButton(button, static_cast<int>(element));
        row->addWidget(button);
    }
    row->addStretch();
    elements_->button(0)->setChecked(true);
    matters_ = Note("", box);
    matters_->setMinimumHeight(matters_->fontMetrics().lineSpacing() * 2 + 4);
    layout->addLayout(row);
    layout->addWidget(matters_);
    connect(elements_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) Refresh();
    });
    return box;
}

QWidget* TAskPage::BuildSeatsBox() {
    auto* box = new QGroupBox("The other three players");
    auto* grid = new QGridLayout(box);
    for (int seat = 2; seat <= 4; ++seat) {
        auto* choice = new QComboBox;
        choice->setAccessibleName(QString("Player %1").arg(seat));
        for (std::int32_t code = kRuleOpponentCodes.first; code <= kSeerCode; ++code)
            if (SeatOffersPlayer(seat, code))
                choice->addItem(
                    code == kGrandmasterCode ? QString("Grandmaster ") + OpponentName(code)
                    : code == kSeerCode      ? QString("%1 (%2)").arg(OpponentName(code),
                                                                      SeerLevel(kDefaultSeerLevel).name)
                                             : QString(OpponentName(code)),
                    code);
        choice->addItem("A human player", static_cast<int>(Human));
#if VAELORIC_LAUNCHER_NET
        choice->addItem("A human player over the network", kRemoteChoice);
#endif
        auto* name = new QLineEdit;
        name->setPlaceholderText("Name");
        name->setAccessibleName(QString("Player %1's name").arg(seat));
        auto* line = Note("", box);
        const int row = (seat - 2) * 2;
        grid->addWidget(new QLabel(QString("Player %1:").arg(seat)), row, 0);
        grid->addWidget(choice, row, 1);
        grid->addWidget(name, row, 2);
        grid->addWidget(line, row + 1, 1, 1, 2);
        seatChoice_[seat] = choice;
        seatName_[seat] = name;
        seatLine_[seat] = line;
        connect(choice, &QComboBox::currentIndexChanged, this, &TAskPage::Refresh);
        connect(name, &QLineEdit::textChanged, this, &TAskPage::Refresh);
    }
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* TAskPage::BuildSquareBox() {
    auto* box = new QGroupBox("The Ptah square");
    auto* layout = new QVBoxLayout(box);
    picker_ = new TPtahPicker;
    dice_ = new QCheckBox("Let the dice choose");
    squareName_ = new QLabel;
    layout->addWidget(
        Note("Click a square of the board (never a corner). Its quarter "
             "decides the army you lead.",
             box));
    layout->addWidget(picker_, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(dice_);
    row->addStretch();
    row->addWidget(squareName_);
    layout->addLayout(row);
    connect(picker_, &TPtahPicker::SquarePicked, this, [this] {
        dice_->setChecked(false);
        Refresh();
    });
    connect(dice_, &QCheckBox::toggled, this, &TAskPage::Refresh);
    return box;
}

TQuestionForm TAskPage::Form() const {
    TQuestionForm form;
    form.question = question_->text().toStdString();
    form.questionerName = name_->text().toStdString();
    form.element = static_cast<TQuestionElement>(std::max(0, elements_->checkedId()));
    for (int seat = 2; seat <= 4; ++seat) {
        const int choice = seatChoice_[seat]->currentData().toInt();
        form.seats[seat].remote = choice == kRemoteChoice;
        form.seats[seat].code = choice == kRemoteChoice ? Human : choice;
        form.seats[seat].name = seatName_[seat]->text().toStdString();
    }
    if (!dice_->isChecked()) form.ptah = picker_->Square();
    return form;
}

void TAskPage::SetForm(const TQuestionForm& form) {
    question_->setText(Q(form.question));
    name_->setText(Q(form.questionerName));
    elements_->button(static_cast<int>(form.element))->setChecked(true);
    for (int seat = 2; seat <= 4; ++seat) {
        const int index = seatChoice_[seat]->findData(
            form.seats[seat].remote ? kRemoteChoice : form.seats[seat].code);
        if (index >= 0) seatChoice_[seat]->setCurrentIndex(index);
        seatName_[seat]->setText(Q(form.seats[seat].name));
    }
    picker_->SetSquare(form.ptah);
    dice_->setChecked(!form.ptah.Chosen());
    Refresh();
}

void TAskPage::ShowProblem(const QString& text) {
    problemKind_ = TFormProblemKind::None;
    problem_->setText(text);
    // A screen reader reads the problem itself, not the label's role.
    problem_->setAccessibleName(text.isEmpty() ? QStringLiteral("Problem") : text);
}

// A problem of the form goes as soon as typing mends it.
void TAskPage::ShowFormProblem(const TFormProblem& problem) {
    ShowProblem(Q(problem.sentence));
    problemKind_ = problem.kind;
}

void TAskPage::SetStartEnabled(bool enabled) {
    ask_->setEnabled(enabled);
    continue_->setEnabled(enabled);
    demonstration_->setEnabled(enabled);
    join_->setEnabled(enabled);
}

void TAskPage::Refresh() {
    const TQuestionForm form = Form();
    const TElementInfo& element = ElementInfo(form.element);
    counter_->setText(QString("%1 / %2").arg(form.question.size()).arg(kMaxQuestionLength));
    counter_->setStyleSheet(form.question.size() > kMaxQuestionLength ? "color: #b00020;" : "");
    matters_->setText(Q(element.matters));
    picker_->SetBoard(element.boardLetter);
    for (int seat = 2; seat <= 4; ++seat) {
        const std::int32_t code = form.seats[seat].code;
        seatName_[seat]->setVisible(code == Human);
        seatLine_[seat]->setText(form.seats[seat].remote
                                     ? "Plays from another screen: you send an invitation."
                                 : code == Human ? "Plays at the board with you."
                                                 : Q(OpponentNoteText(code)));
    }
    ask_->setText(RemoteSeats(form).empty() ? "Ask the board" : "Host a game");
    if (!form.ptah.Chosen()) {
        squareName_->setText(dice_->isChecked() ? "The dice will choose when the game starts."
                                                : "No square chosen yet.");
        preview_->setText("Who leads which army follows from the square.");
    } else {
        squareName_->setText("Ptah square: <b>" +
                             Q(SquareName(TSquare{form.ptah.rank, form.ptah.file})) + "</b>");
        QString text;
        for (const TSeatLine& line : SeatLines(form, form.ptah)) {
            const QString who =
                line.player.empty() ? QString("(no name yet)") : Q(line.player).toHtmlEscaped();
            text += QString("%1: <b>%2</b>%3<br>")
                        .arg(Q(ArmyLabel(line.army)), who,
                             line.seat == 1 ? QString(", the Questioner, moves first") : QString());
        }
        preview_->setText(text);
    }
    // Problems are shown only once asked for, except the ones typing causes.
    if (const TFormProblem typing = CheckQuestionText(form.question); typing.Found())
        ShowFormProblem(typing);
    else if (problemKind_ == TFormProblemKind::QuestionText)
        ShowProblem(QString());
    else if (problemKind_ == TFormProblemKind::NoQuestion &&
             FindFormProblem(form).kind != TFormProblemKind::NoQuestion)
        ShowProblem(QString());  // a question has been typed
}

}  // namespace vaeloric
