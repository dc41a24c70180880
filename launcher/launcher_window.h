// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <random>

#include "launch/game_request.h"
#include "launcher/journal_store.h"

class QLabel;
class QStackedWidget;

namespace vaeloric {

class TAnswerPage;
class TAskPage;
class TBoardRunner;
class TInvitationPanel;
class TJournalPage;

// The launcher's one window: the question page, "game in progress", the
// answer and the journal. It starts one board program at a time and never
// waits for it.
class TLauncherWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit TLauncherWindow(const QString& journalPath = TJournalStore::DefaultPath(),
                             QWidget* parent = nullptr);
    ~TLauncherWindow() override;

    enum class TPage { Ask, Progress, Answer, Journal };
    TPage CurrentPage() const;

    TAskPage& AskPage() { return *ask_; }
    TAnswerPage& AnswerPage() { return *answer_; }
    TJournalPage& JournalPage() { return *journal_; }
    TBoardRunner& Runner() { return *runner_; }
    TJournalStore& Journal() { return store_; }
    // The journal's trouble shown on the progress page, empty when none.
    QString ProgressProblem() const;

    // The three ways to start a game; each shows its refusal on the page.
    void AskQuestion();
    void ContinueSavedGame(const QString& path);
    void PlayDemonstration();
    // "Join a game", with what the player pasted or the link opened.
    void JoinGame(const QString& pasted = {});

  signals:
    // A game ended and its page is shown (or the question page, quietly).
    void GameEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* BuildProgressPage();
    void Start(const TGameRequest& request);
    void OnEnded(const TProcessEnd& end);
    void ShowPage(TPage page);
    void LoadSettings();
    QString SaveSettings() const;  // empty, or why the settings were not kept

    TJournalStore store_;
    TBoardRunner* runner_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    TAskPage* ask_ = nullptr;
    QWidget* progress_ = nullptr;
    QLabel* progressText_ = nullptr;
    QLabel* progressProblem_ = nullptr;
    TAnswerPage* answer_ = nullptr;
    TJournalPage* journal_ = nullptr;
    TInvitationPanel* invitations_ = nullptr;
    QStringList gameEnvironment_;  // for the next game's board program
    TGameRequest current_;
    QString analysisPath_;
    QString recordPath_;
    qint64 boardProcess_ = 0;  // the board program of the game in play
    QString journalProblem_;   // what was wrong with the journal at start
    QString settingsProblem_;  // what was wrong with the settings file
    std::mt19937 dice_;
};

}  // namespace vaeloric
