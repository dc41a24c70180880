// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/record_viewer.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "flow/game_record.h"
#include "flow/record_play.h"
#include "flow/safe_file.h"
#include "render/board_drawing.h"

namespace vaeloric {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Room around the board for nothing but air.
constexpr int kBoardMargin = 12;

// The position of the viewer's turn, drawn with the board programs' own
// pictures.
class TBoardPicture : public QWidget {
  public:
    TBoardPicture(const TRecordReplay& replay, const TPictureCatalogue& pictures)
        : replay_(replay), pictures_(pictures) {
        setFixedSize(kBoardSize + 2 * kBoardMargin, kBoardSize + 2 * kBoardMargin);
        setAccessibleName("Board");
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        TDisplayOptions options;
        painter.fillRect(rect(), options.backgroundColour);
        DrawBoardArea(painter, pictures_, replay_.Board(), replay_.Record().ptah,
                      TBoardOrigin{kBoardMargin, kBoardMargin}, options);
    }

  private:
    const TRecordReplay& replay_;
    const TPictureCatalogue& pictures_;
};

constexpr struct {
    const char* label;
    int milliseconds;
} kSpeeds[] = {
    {"Fast (a turn every ½ s)", 500}, {"A turn a second", 1000}, {"Slow (a turn every 2 s)", 2000}};

}  // namespace

TRecordViewer::TRecordViewer(TRecordReplay replay, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window),
      replay_(std::move(replay)),
      pictures_(replay_.Record().boardLetter) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(title);
    auto* caption = new QLabel(Q(ReplayCaption(replay_.Record())));
    caption->setWordWrap(true);
    caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont captionFont = caption->font();
    captionFont.setItalic(true);
    caption->setFont(captionFont);
    board_ = new TBoardPicture(replay_, pictures_);
    turn_ = new QLabel;
    turn_->setAccessibleName("Turn");
    QFont turnFont = turn_->font();
    turnFont.setBold(true);
    turnFont.setPointSizeF(turnFont.pointSizeF() * 1.2);
    turn_->setFont(turnFont);
    omen_ = new QLabel;
    omen_->setWordWrap(true);
    omen_->setAccessibleName("Omen");
    auto* result = new QLabel(Q(ReplayResultText(replay_.Record())));
    result->setWordWrap(true);

    turns_ = new QListWidget;
    turns_->setAccessibleName("Turns");
    turns_->addItem(Q(replay_.TurnText(0)));
    for (long t = 1; t <= replay_.TurnCount(); ++t) {
        const std::string omen = replay_.OmenText(t);
        turns_->addItem(Q(replay_.TurnText(t) + (omen.empty() ? "" : "  — " + omen)));
        turns_->item(static_cast<int>(t))->setToolTip(turns_->item(static_cast<int>(t))->text());
    }
    turns_->setMinimumWidth(420);

    first_ = new QPushButton("First");
    previous_ = new QPushButton("Previous");
    next_ = new QPushButton("Next");
    last_ = new QPushButton("Last");
    play_ = new QPushButton("Play");
    play_->setCheckable(true);
    speed_ = new QComboBox;
    speed_->setAccessibleName("Speed");
    for (const auto& speed : kSpeeds) speed_->addItem(speed.label, speed.milliseconds);
    speed_->setCurrentIndex(1);
    auto* close = new QPushButton("Close");
    timer_ = new QTimer(this);

    auto* buttons = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(first_), static_cast<QWidget*>(previous_),
                       static_cast<QWidget*>(next_), static_cast<QWidget*>(last_),
                       static_cast<QWidget*>(play_), static_cast<QWidget*>(speed_)})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* left = new QVBoxLayout;
    left->addWidget(board_, 0, Qt::AlignHCenter);
    left->addWidget(turn_);
    left->addWidget(omen_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel("<b>The turns</b>"));
    right->addWidget(turns_, 1);
    right->addWidget(result);
    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    // Room for the board and the turns side by side, within the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(1180, screen.width() * 9 / 10), std::min(660, screen.height() * 9 / 10));

    connect(first_, &QPushButton::clicked, this, &TRecordViewer::First);
    connect(previous_, &QPushButton::clicked, this, &TRecordViewer::Previous);
    connect(next_, &QPushButton::clicked, this, &TRecordViewer::Next);
    connect(last_, &QPushButton::clicked, this, &TRecordViewer::Last);
    connect(play_, &QPushButton::toggled, this, &TRecordViewer::SetPlaying);
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this] { timer_->setInterval(Interval()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(turns_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) ShowTurn(row);
    });
    connect(timer_, &QTimer::timeout, this, [this] {
        // Playing stops at the last turn.
        if (!replay_.Next()) SetPlaying(false);
        Update();
    });
    Update();
}

TRecordViewer::~TRecordViewer() = default;

bool TRecordViewer::Playing() const {
    return timer_->isActive();
}

int TRecordViewer::Interval() const {
    return speed_->currentData().toInt();
}

QString TRecordViewer::TurnLabel() const {
    return turn_->text();
}

QString TRecordViewer::OmenLabel() const {
    return omen_->text();
}

void TRecordViewer::First() {
    replay_.First();
    Update();
}

void TRecordViewer::Previous() {
    replay_.Previous();
    Update();
}

void TRecordViewer::Next() {
    replay_.Next();
    Update();
}

void TRecordViewer::Last() {
    replay_.Last();
    Update();
}

void TRecordViewer::SetPlaying(bool playing) {
    // Play at the last turn starts again from the start.
    if (playing && replay_.AtEnd()) replay_.First();
    if (playing)
        timer_->start(Interval());
    else
        timer_->stop();
    play_->blockSignals(true);
    play_->setChecked(playing);
    play_->setText(playing ? "Pause" : "Play");
    play_->blockSignals(false);
    Update();
}

void TRecordViewer::ShowTurn(long turn) {
    replay_.Show(turn);
    Update();
}

void TRecordViewer::Update() {
    const long shown = replay_.Shown();
    turn_->setText(Q(replay_.TurnText(shown)) +
                   QString("  (%1 of %2)").arg(shown).arg(replay_.TurnCount()));
    const std::string omen = replay_.OmenText(shown);
    omen_->setText(omen.empty() ? QString() : "Omen: " + Q(omen));
    turns_->blockSignals(true);
    turns_->setCurrentRow(static_cast<int>(shown));
    turns_->blockSignals(false);
    first_->setEnabled(shown > 0);
    previous_->setEnabled(shown > 0);
    next_->setEnabled(!replay_.AtEnd());
    last_->setEnabled(!replay_.AtEnd());
    board_->update();
}

void TRecordViewer::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Home:
            First();
            break;
        case Qt::Key_End:
            Last();
            break;
        case Qt::Key_Left:
            Previous();
            break;
        case Qt::Key_Right:
            Next();
            break;
        case Qt::Key_Space:
            SetPlaying(!Playing());
            break;
        case Qt::Key_Escape:
            close();
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

QString SaveRecordFile(const std::string& record, const QString& path,
                       const TReadOnlyQuestion& replaceReadOnly) {
    if (record.empty()) return kNoRecordText;
    return SaveWholeFile(path, QByteArray::fromStdString(record), replaceReadOnly);
}

void AskAndSaveRecord(QWidget* parent, const TJournalEntry& entry) {
    if (entry.record.empty()) {
        QMessageBox::information(parent, "Vaeloric Chess", kNoRecordText);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(
        parent, "Save the record",
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/game." +
            kRecordExtension,
        QString("Vaeloric game records (*.%1)").arg(kRecordExtension));
    if (path.isEmpty()) return;
    if (const QString problem = SaveRecordFile(entry.record, path, AskReadOnly(parent));
        !problem.isEmpty())
        QMessageBox::warning(parent, "Vaeloric Chess", problem);
}

TRecordViewer* OpenRecordViewer(QWidget* parent, const std::string& record, const QString& title,
                                QString* refusal) {
    TRecordReplay replay;
    std::string why;
    if (record.empty()) why = kNoRecordText;
    if (why.empty() && !replay.Load(record, why) && why.empty())
        why = "The game record could not be read.";
    if (!why.empty()) {
        if (refusal != nullptr)
            *refusal = Q(why);
        else
            QMessageBox::warning(parent, "Vaeloric Chess", Q(why));
        return nullptr;
    }
    auto* viewer = new TRecordViewer(std::move(replay), title, parent);
    viewer->show();
    return viewer;
}

TRecordViewer* ReplayEntry(QWidget* parent, const TJournalEntry& entry, QString* refusal) {
    return OpenRecordViewer(
        parent, entry.record,
        "Replay — " + (entry.question.empty() ? QString("Vaeloric Chess") : Q(entry.question)),
        refusal);
}

TRecordViewer* OpenRecordFile(QWidget* parent, const QString& path, QString* refusal) {
    const std::string file = path.toStdString();
    std::string bytes;
    QString why;
    // One byte over the limit tells a file that is too large.
    switch (ReadFileSafely(file, kMaxRecordBytes + 1, bytes)) {
        case TFileOutcome::Done:
            break;
        case TFileOutcome::NotRegular:
            why = "'" + path + "' is not a regular file, so it is not a game record.";
            break;
        default:
            why = "The game record '" + path + "' could not be opened.";
    }
    if (why.isEmpty() && bytes.empty())
        why = "'" + path + "' is empty, so it is not a game record.";
    if (!why.isEmpty()) {
        if (refusal != nullptr)
            *refusal = why;
        else
            QMessageBox::warning(parent, "Vaeloric Chess", why);
        return nullptr;
    }
    return OpenRecordViewer(parent, bytes, "Replay — " + QFileInfo(path).fileName(), refusal);
}

void AskAndOpenRecord(QWidget* parent) {
    const QString path =
        QFileDialog::getOpenFileName(parent, "Open a record", QString(),
                                     QString("Vaeloric game records (*.%1)").arg(kRecordExtension));
    if (!path.isEmpty()) OpenRecordFile(parent, path);
}

bool IsRecordPath(const QString& path) {
    return path.endsWith(QString(".") + kRecordExtension, Qt::CaseInsensitive);
}

}  // namespace vaeloric
