// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/launcher_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include "launch/launcher_files.h"
#include "launch/record_replay.h"
#include "launch/settings_file.h"
#include "launcher/answer_page.h"
#include "launcher/ask_page.h"
#include "launcher/board_runner.h"
#include "launcher/interrupted_games.h"
#include "launcher/journal_page.h"
#if VAELORIC_LAUNCHER_NET
#include "flow/saved_game.h"
#include "launcher/hosting.h"
#include "launcher/network_pages.h"
#include "net/host_identity.h"
#include "net/transport.h"
#endif

namespace vaeloric {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Now() {
    return QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm").toStdString();
}

// A file of its own for every game, in a folder that is there, and never
// one an earlier game left behind.
QString AnswerFilePath() {
    const QString path = Q(
        FreshAnalysisPath(QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss").toStdString()));
    if (path.isEmpty()) return path;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return path;
}

}  // namespace

TLauncherWindow::TLauncherWindow(const QString& journalPath, QWidget* parent)
    : QMainWindow(parent), dice_(std::random_device{}()) {
    setWindowTitle("Vaeloric Chess");
    runner_ = new TBoardRunner(this);
    pages_ = new QStackedWidget;
    ask_ = new TAskPage;
    answer_ = new TAnswerPage;
    journal_ = new TJournalPage(store_);
    pages_->addWidget(ask_);
    pages_->addWidget(BuildProgressPage());
    pages_->addWidget(answer_);
    pages_->addWidget(journal_);
    setCentralWidget(pages_);
    // Room for the whole question page without scrolling, on any screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(1400, screen.width() * 9 / 10), std::min(900, screen.height() * 9 / 10));

    connect(ask_, &TAskPage::AskRequested, this, &TLauncherWindow::AskQuestion);
    connect(ask_, &TAskPage::ContinueRequested, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Continue a saved game", QString(),
                                                          "Vaeloric files (*.vae)");
        if (!path.isEmpty()) ContinueSavedGame(path);
    });
    connect(ask_, &TAskPage::DemonstrationRequested, this, &TLauncherWindow::PlayDemonstration);
    connect(ask_, &TAskPage::JournalRequested, this, [this] { ShowPage(TPage::Journal); });
    connect(ask_, &TAskPage::JoinRequested, this, [this] { JoinGame(); });
    connect(answer_, &TAnswerPage::AskAnotherRequested, this, [this] { ShowPage(TPage::Ask); });
    connect(answer_, &TAnswerPage::JournalRequested, this, [this] { ShowPage(TPage::Journal); });
    connect(journal_, &TJournalPage::BackRequested, this,
            [this] { ShowPage(runner_->Running() ? TPage::Progress : TPage::Ask); });
    connect(journal_, &TJournalPage::OpenRequested, this, [this](const TJournalEntry& entry) {
        answer_->Show(entry);
        ShowPage(TPage::Answer);
    });
    connect(runner_, &TBoardRunner::Ended, this, &TLauncherWindow::OnEnded);

    // Whatever is wrong with the journal stays in sight on the question page;
    // games are played all the same.
    const bool opened = store_.Open(journalPath);
    journalProblem_ = store_.Message();
    ask_->ShowProblem(journalProblem_);
    if (opened && !store_.ReadOnly()) {
        // Games whose launcher has gone; another launcher's game goes on.
        for (TJournalEntry entry : store_.List())
            if (RecoverAbandoned(entry)) store_.Update(entry);
    }
    LoadSettings();
    // A game whose board program died is offered once the window shows.
    QTimer::singleShot(0, this, [this] {
        const std::vector<TInterruptedGame> games = FindInterruptedGames();
        if (games.empty() || runner_->Running()) return;
        if (QMessageBox::question(this, QStringLiteral("Vaeloric Chess"),
                                  InterruptedGameOffer(games.front()) + QStringLiteral("?")) ==
            QMessageBox::Yes)
            ContinueSavedGame(games.front().path);
    });
}

TLauncherWindow::~TLauncherWindow() = default;

QWidget* TLauncherWindow::BuildProgressPage() {
    progress_ = new QWidget;
    auto* title = new QLabel("<h1>Game in progress</h1>");
    progressText_ = new QLabel;
    progressText_->setWordWrap(true);
    progressText_->setAlignment(Qt::AlignCenter);
    progressText_->setContentsMargins(80, 0, 80, 0);
    progressProblem_ = new QLabel;
    progressProblem_->setWordWrap(true);
    progressProblem_->setAlignment(Qt::AlignCenter);
    progressProblem_->setContentsMargins(80, 0, 80, 0);
    progressProblem_->setStyleSheet("color: #a00000;");
    progressProblem_->setAccessibleName("Journal problem");
    progressProblem_->hide();
    auto* stop = new QPushButton("End the game early");
    stop->setToolTip("Asks the board program to close, as its close box would.");
    auto* journal = new QPushButton("Journal");
    auto* layout = new QVBoxLayout(progress_);
    layout->addStretch();
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(progressText_);
    layout->addWidget(progressProblem_);
#if VAELORIC_LAUNCHER_NET
    invitations_ = new TInvitationPanel;
    layout->addWidget(invitations_);
#endif
    layout->addSpacing(20);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(stop);
    buttons->addWidget(journal);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch();
    connect(stop, &QPushButton::clicked, runner_, &TBoardRunner::RequestClose);
    connect(journal, &QPushButton::clicked, this, [this] { ShowPage(TPage::Journal); });
    return progress_;
}

QString TLauncherWindow::ProgressProblem() const {
    return progressProblem_->isVisibleTo(progress_) ? progressProblem_->text() : QString();
}

TLauncherWindow::TPage TLauncherWindow::CurrentPage() const {
    return static_cast<TPage>(pages_->currentIndex());
}

void TLauncherWindow::ShowPage(TPage page) {
    if (page == TPage::Journal) journal_->Reload();
    pages_->setCurrentIndex(static_cast<int>(page));
}

void TLauncherWindow::AskQuestion() {
    TQuestionForm form = ask_->Form();
    if (const TFormProblem problem = FindFormProblem(form); problem.Found()) {
        ask_->ShowFormProblem(problem);
        return;
    }
    const TPtahChoice square = form.ptah.Chosen() ? form.ptah : ThrowPtahSquare(dice_);
#if VAELORIC_LAUNCHER_NET
    if (runner_->Running()) return;
    gameEnvironment_.clear();
    THostedGame hosted;
    if (const std::vector<int> remote = RemoteSeats(form); !remote.empty()) {
        std::string problem;
        if (!PrepareHostedGame(remote, net::DefaultIdentityFolder(), hosted, problem)) {
            ask_->ShowProblem(Q(problem));
            return;
        }
        gameEnvironment_ = {QString(kHostedSeatsVariable) + "=" +
                            Q(FormatHostedSeats(hosted.seats))};
    }
#endif
    settingsProblem_ = SaveSettings();
    Start(QuestionRequest(form, square, Now()));
#if VAELORIC_LAUNCHER_NET
    if (runner_->Running()) invitations_->Show(hosted.invitations);
#endif
}

void TLauncherWindow::JoinGame(const QString& pasted) {
#if VAELORIC_LAUNCHER_NET
    if (runner_->Running()) return;
    TJoinDialog dialog(this);
    dialog.SetText(pasted);
    if (dialog.exec() != QDialog::Accepted) return;
    // The host's game names its board, and so the program to open: a first
    // look at the seat learns it, and the board program takes the seat again.
    ask_->ShowProblem("Connecting to the host…");
    TSavedGame hosted;
    std::string problem = "The host did not answer; the seat was not taken.";
    {
        net::TGuestTransport look(dialog.Invitation());
        QEventLoop wait;
        bool done = false;
        look.onMessage = [&](const net::THostMessage& message) {
            if (const auto* welcome = std::get_if<net::TWelcome>(&message)) {
                if (ParseSavedGame(welcome->game, kAnyBoard, hosted).Loaded()) problem.clear();
                done = true;
                wait.quit();
            }
        };
        look.onClosed = [&](const std::string& sentence) {
            if (!done) problem = sentence;
            done = true;
            wait.quit();
        };
        look.Open();
        QTimer::singleShot(15000, &wait, &QEventLoop::quit);
        if (!done) wait.exec();
        look.onClosed = nullptr;
        look.Close();
    }
    TQuestionElement element{};
    if (problem.empty() && !ElementOfBoardLetter(hosted.setUp.boardLetter, element))
        problem = "The host's game is on a board this program does not know.";
    if (!problem.empty()) {
        ask_->ShowProblem(Q(problem));
        return;
    }
    TGameRequest request = DemonstrationRequest(element);
    request.arguments = {"*"};
    gameEnvironment_ = {"VAELORIC_GUEST_INVITATION=" + Q(net::InvitationText(dialog.Invitation()))};
    ask_->ShowProblem(QString());
    Start(request);
#else
    (void)pasted;
    ask_->ShowProblem("This build of Vaeloric Chess cannot play over the network.");
#endif
}

void TLauncherWindow::ContinueSavedGame(const QString& path) {
    TGameRequest request;
    if (const std::string problem = SavedGameRequest(path.toStdString(), Now(), request);
        !problem.empty()) {
        ask_->ShowProblem(Q(problem));
        ShowPage(TPage::Ask);
        return;
    }
    // A game interrupted under this launcher completes its own entry.
    const std::vector<TJournalEntry> entries = store_.List();
    if (const TJournalEntry* interrupted = InterruptedEntryOf(entries, path.toStdString())) {
        request.entry = *interrupted;
        request.entry.outcome = TOutcome::InProgress;
        request.entry.note.clear();
        request.entry.savedGame.clear();  // taken over: the file goes
    }
#if VAELORIC_LAUNCHER_NET
    // A hosted game goes on hosting: its guests' invitations are shown again.
    THostedGame hosted;
    const bool wasHosted =
        ContinuedHostedGame(path.toStdString(), net::DefaultIdentityFolder(), hosted);
#endif
    Start(request);
#if VAELORIC_LAUNCHER_NET
    if (wasHosted && runner_->Running()) invitations_->Show(hosted.invitations);
#endif
}

void TLauncherWindow::PlayDemonstration() {
    Start(DemonstrationRequest(ask_->Form().element));
}

void TLauncherWindow::Start(const TGameRequest& request) {
    if (runner_->Running()) return;
    const QString program = TBoardRunner::FindProgram(Q(request.program));
    if (program.isEmpty()) {
        ask_->ShowProblem("The board program " + Q(request.program) +
                          " was not found beside the launcher or on the PATH.");
        return;
    }
    current_ = request;
    current_.entry.owner = ThisLauncher();
    analysisPath_ = request.demonstration ? QString() : AnswerFilePath();
    recordPath_ = Q(RecordPathBeside(analysisPath_.toStdString()));
    if (!recordPath_.isEmpty()) QFile::remove(recordPath_);
    QString problem;
    if (!request.demonstration &&
        !(current_.entry.id > 0 ? store_.Update(current_.entry) : store_.Insert(current_.entry)))
        problem = store_.Message() + " The game is played all the same.";
    QStringList arguments;
    for (const std::string& argument : request.arguments) arguments << Q(argument);
    // The journal's trouble stays in sight on both pages while the game is
    // played.
    if (!settingsProblem_.isEmpty())
        problem = settingsProblem_ + (problem.isEmpty() ? "" : "\n") + problem;
    ask_->ShowProblem(problem.isEmpty() ? journalProblem_ : problem);
    progressProblem_->setText(problem);
    progressProblem_->setVisible(!problem.isEmpty());
    ask_->SetStartEnabled(false);
    progressText_->setText(
        request.demonstration
            ? "The " + Q(request.entry.element) + " board (" + Q(request.program) +
                  ") is open in its own window, without a question. Close it to come back "
                  "here."
            : "“" + Q(request.entry.question) + "”\n\nThe " + Q(request.entry.element) +
                  " board (" + Q(request.program) +
                  ") is open in its own window. Play the game there: its answer will appear "
                  "here when the game ends.");
    ShowPage(TPage::Progress);
    // The environment was readied for this game alone.
    const QStringList environment = gameEnvironment_;
    gameEnvironment_.clear();
#if VAELORIC_LAUNCHER_NET
    invitations_->Show({});
#endif
    runner_->Start(program, arguments, analysisPath_, recordPath_, environment);
    boardProcess_ = runner_->ProcessId();
}

void TLauncherWindow::OnEnded(const TProcessEnd& end) {
    ask_->SetStartEnabled(true);
    if (current_.demonstration) {
        ShowPage(TPage::Ask);
        emit GameEnded();
        return;
    }
    const TGameEnd result = JudgeGameEnd(end, analysisPath_.toStdString(), current_.program);
    QFile::remove(analysisPath_);
    current_.entry.record = ReadKeptRecord(recordPath_.toStdString());
    if (!recordPath_.isEmpty()) QFile::remove(recordPath_);
    if (result.reading.outcome == TOutcome::Cancelled) {
        // The reload was given up in the open dialog: nothing was asked.
        store_.Remove(current_.entry.id);
        ShowPage(TPage::Ask);
        emit GameEnded();
        return;
    }
    RecordGameEnd(result, current_.entry);
    current_.entry.owner.clear();
    // A board program that died after keeping its game leaves it to be
    // continued.
    if (result.reading.outcome == TOutcome::Failed)
        MarkInterrupted(current_.entry, KeptGameOf(boardProcess_));
    // A game the journal could not take at its start is offered again: the
    // disk may have room by now.
    const bool kept =
        current_.entry.id > 0 ? store_.Update(current_.entry) : store_.Insert(current_.entry);
    answer_->Show(current_.entry);
    answer_->ShowNotKept(kept ? QString() : store_.Message());
    ShowPage(TPage::Answer);
    emit GameEnded();
}

void TLauncherWindow::closeEvent(QCloseEvent* event) {
    if (runner_->Running() &&
        QMessageBox::question(this, "Vaeloric Chess",
                              "A game is still being played. If the launcher closes now, its "
                              "answer will not be shown or kept. Close anyway?") !=
            QMessageBox::Yes) {
        event->ignore();
        return;
    }
    event->accept();
}

void TLauncherWindow::LoadSettings() {
    std::string message;
    TSettings settings = LoadSettingsFile(SettingsFilePath(), message);
    if (!message.empty()) {
        settingsProblem_ = Q(message);
        ask_->ShowProblem(journalProblem_.isEmpty() ? settingsProblem_
                                                    : journalProblem_ + "\n" + settingsProblem_);
    }
    const auto value = [&](const std::string& key, const std::string& otherwise = {}) {
        const auto found = settings.find(key);
        return found == settings.end() ? otherwise : found->second;
    };
    TQuestionForm form;
    form.questionerName = value("questioner");
    form.element = ElementFromKey(value("element", "fire"));
    const std::int32_t defaults[5] = {0, 0, 2, 8, 3};
    for (int seat = 2; seat <= 4; ++seat) {
        const std::string key = "seat" + std::to_string(seat) + "/";
        bool number = false;
        const int code = Q(value(key + "code")).toInt(&number);
        form.seats[seat].code = number ? code : defaults[seat];
        form.seats[seat].name = value(key + "name");
    }
    ask_->SetForm(form);
}

QString TLauncherWindow::SaveSettings() const {
    const TQuestionForm form = ask_->Form();
    TSettings settings;
    settings["questioner"] = form.questionerName;
    settings["element"] = ElementKey(form.element);
    for (int seat = 2; seat <= 4; ++seat) {
        const std::string key = "seat" + std::to_string(seat) + "/";
        settings[key + "code"] = std::to_string(form.seats[seat].code);
        settings[key + "name"] = form.seats[seat].name;
    }
    return Q(SaveSettingsFile(SettingsFilePath(), settings));
}

}  // namespace vaeloric
