// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/game_controller.h"

#include <algorithm>

#include "flow/analysis_file.h"
#include "flow/flow_services.h"
#include "flow/flow_texts.h"
#include "flow/running_game.h"
#include "flow/seats.h"

namespace vaeloric {

TGameController::TGameController(TWindowLayer& layer, TGameSession& game)
    : layer_(layer), game_(game), dice_(1) {
    // At the board the Seer plays on time, so that no one waits for it.
    cycle_.SetSeerLimits(SeerTimeLimits(kDefaultSeerLevel));
    if (game_.mode == TStartMode::Demonstration) {
        // Defaults of the set-up dialogs: Ptah square A2, seat 2 the first
        // opponent, seat 3 human, seat 4 the second opponent.
        ptahChoice_ = TPtahSquareChoice{};
        playerChoice_ = TPlayerChoice{};
        game_.setup.caption = kDemonstrationCaption;
        game_.setup.boardLetter = game_.boardLetter;
    } else {
        // In reload mode the Ptah square is still unset; the load assigns again.
        AssignSeats(game_.setup, game_.board);
    }
}

void TGameController::ReportTimerRefused() {
    Box(texts::kTooManyTimers, game_.setup.caption);
}

TBoxAnswer TGameController::Box(const std::string& text, const std::string& title,
                                TBoxButtons buttons, TBoxIcon icon) {
    return layer_.ShowMessage(TMessageBox{text, title, buttons, icon});
}

bool TGameController::ReadyToDraw() {
    if (setupDone_) return !ended_;
    setupDone_ = true;
    SetUpGame();
    return false;
}

void TGameController::ResetPlay() {
    CancelHint();
    musicOn_ = false;
    coordinatesShown_ = false;
    modified_ = false;
    game_.turn.Reset();
    held_ = false;
}

void TGameController::SetUpGame() {
    if (game_.mode == TStartMode::Reload) {
        layer_.ShowControlPanel();
        OpenAndLoad();
        return;
    }
    fileName_ = texts::kDefaultFileName;
    ResetPlay();
    game_.reading.Reset();
    if (game_.mode == TStartMode::Demonstration) {
        if (!AskQuestionAndPtahSquare() || !AskPlayers()) {
            ended_ = true;
            layer_.DestroyWindow();
            return;
        }
        AssignSeats(game_.setup, game_.board);
    }
    game_.board.SetUp(game_.setup.ptah, game_.setup.boardLetter);
    layer_.ShowControlPanel();
    game_.turn.throwValue = 0;
    StartRecord();
    turnsBefore_ = 0;
    playing_ = true;
    KeepRunning();
    layer_.Invalidate();
}

bool TGameController::QuitInsteadOfSetUp() {
    // The window may have been closed under the dialog or under the question.
    if (ended_) return true;
    const bool yes = Box(texts::kQuitQuestion, game_.setup.caption, TBoxButtons::YesNo,
                         TBoxIcon::Question) == TBoxAnswer::Yes;
    return yes || ended_;
}

bool TGameController::AskQuestionAndPtahSquare() {
    // A dialog closed without OK comes back, unless the user chooses to quit.
    while (!layer_.RunPtahSquareDialog(ptahChoice_))
        if (QuitInsteadOfSetUp()) return false;
    std::string caption = std::string(kCaptionPrefix) + ptahChoice_.question;
    CutAtCharacter(caption, kMaxCaptionLength);
    game_.setup.caption = caption;
    layer_.SetTitle(caption);
    game_.setup.ptah = TSquare{ptahChoice_.rank, ptahChoice_.file};
    game_.setup.boardLetter = game_.boardLetter;
    return true;
}

bool TGameController::AskPlayers() {
    while (!layer_.RunPlayerSettingsDialog(playerChoice_))
        if (QuitInsteadOfSetUp()) return false;
    TSetUpRecord& setup = game_.setup;
    setup.questionerName = playerChoice_.names[1];
    for (int seat = 2; seat <= 4; ++seat) {
        setup.seatName[seat] = playerChoice_.names[seat];
        setup.seatCode[seat] = playerChoice_.seatCode[seat];
    }
    FoldNameCase(setup.questionerName);
    for (int seat = 2; seat <= 4; ++seat) FoldNameCase(setup.seatName[seat]);
    cycle_.SetSeerLimits(
        SeerTimeLimits(std::clamp(playerChoice_.seerLevel, 0, kSeerLevelCount - 1)));
    return true;
}

void TGameController::RunOption(TOptionKind which) {
    const TOptionSettings before = options_;
    if (layer_.RunOptionDialog(which, options_)) {
        coordinatesShown_ = options_.simpleBoard;
        if (which == TOptionKind::Music) {
            musicOn_ = options_.musicOn;
            if (musicOn_)
                layer_.StartMusic();
            else
                layer_.StopMusic();
        }
    } else {
        options_ = before;
    }
    layer_.Invalidate();
}

void TGameController::Command(int command) {
    if (ended_) return;
    switch (command) {
        case CmBackgroundColour:
            RunOption(TOptionKind::BackgroundColour);
            break;
        case CmMusic:
            RunOption(TOptionKind::Music);
            break;
        case CmBoardStyle:
            RunOption(TOptionKind::BoardStyle);
            break;
        case CmPieceStyle:
            RunOption(TOptionKind::PieceStyle);
            break;
        case CmSquareStyle:
            RunOption(TOptionKind::SquareStyle);
            break;
        case CmPieceInfo:
            layer_.RunPieceInfoDialog();
            break;
        case CmResign:
            layer_.CloseMusic();
            musicOn_ = false;
            layer_.RequestClose();
            break;
        case CmSave:
            SaveAs();
            break;
        case CmMoveReading:
            moveReading_ = !moveReading_;
            break;
        case CmWholeReading:
            wholeReading_ = !wholeReading_;
            break;
        case CmShowGod:
            layer_.DrawRulerPanel();
            break;
        default:
            break;
    }
}

bool TGameController::CanClose() {
    if (ended_) return true;
    if (modified_) {
        switch (Box(texts::kSaveBeforeExit, game_.setup.caption, TBoxButtons::YesNoCancel,
                    TBoxIcon::Question)) {
            case TBoxAnswer::Cancel:
                return false;
            case TBoxAnswer::Yes:
                if (!SaveAs()) return false;
                break;
            default:
                break;
        }
    }
    if (game_.mode != TStartMode::Demonstration && !WriteUnfinishedFile(game_)) {
        Box(kAnalysisSaveError, game_.setup.caption);
        if (Box(texts::kCloseWithoutAnalysis, game_.setup.caption, TBoxButtons::YesNo,
                TBoxIcon::Question) != TBoxAnswer::Yes)
            return false;
    }
    ended_ = true;
    // Closed as the user wished: nothing is left to continue.
    ForgetRunningGame(game_.runningPath);
    return true;
}

}  // namespace vaeloric
