// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "flow/game_record.h"
#include "flow/game_session.h"
#include "flow/hint_worker.h"
#include "flow/pick_up_note.h"
#include "flow/record_play.h"
#include "flow/turn_cycle.h"
#include "flow/window_layer.h"

namespace vaeloric {

// Commands of the control panel.
enum TCommand : int {
    CmBackgroundColour = 1750,
    CmMusic = 1751,
    CmBoardStyle = 1752,
    CmPieceStyle = 1753,
    CmPieceInfo = 1754,
    CmResign = 1755,
    CmSave = 1756,
    CmMoveReading = 1757,
    CmWholeReading = 1758,
    CmSquareStyle = 1759,
    CmShowGod = 1760,
};

// Owns the flow of one game: set-up, the turn cycle, move entry, the end of
// the game, saving, loading and closing. The window reports what the user did
// in the game's own terms (the turn's buttons, squares picked up and dropped
// on, commands, close requests) and draws what this says; everything else
// goes through the window layer. Where the pointer is, is the window's.
class TGameController : private TTurnEvents {
  public:
    // Assigns the seats (launcher and reload mode) or fills the set-up
    // dialogs' defaults (demonstration mode).
    TGameController(TWindowLayer& layer, TGameSession& game);
    ~TGameController();
    TGameController(const TGameController&) = delete;
    TGameController& operator=(const TGameController&) = delete;

    void SeedDice(unsigned seed) { dice_.seed(seed); }
    void ReportTimerRefused();

    // The paint handler's question: false on the first paint, which runs the
    // game set-up instead of drawing.
    bool ReadyToDraw();
    bool SetupDone() const { return setupDone_; }
    // The set-up (or the load) has finished: there is a game to draw.
    bool Playing() const { return playing_ && !ended_; }
    // The Questioner resigned: the game ended lost without a deciding turn.
    bool Resigned() const { return resigned_; }
    // The game takes input: set up, not ended and not showing a past turn.
    bool AcceptsInput() const { return setupDone_ && !ended_ && !viewingPast_; }
    // A past position is shown read-only: play waits until it is left.
    void SetViewingPast(bool viewing) {
        viewingPast_ = viewing;
        held_ = false;
    }
    bool ViewingPast() const { return viewingPast_; }
    // The army to move is played by a person at this screen.
    bool ArmyToMoveIsHuman() const;

    // The turn's buttons. Each acts only while the turn awaits it: THROW and
    // ENTER while no throw is pending, MOVE while a computer army has one.
    bool AwaitsThrow() const;
    bool AwaitsComputerMove() const;
    // The buttons are shown but do nothing here: the army to move is played
    // at another screen, or this screen's throw waits for the host's face.
    bool TurnButtonsIdle() const;
    void Throw();
    void EnterThrow();  // the dice dialog chooses the face
    void MakeComputerMove();

    // Move entry: a press on a square shows it in the information panel and
    // picks up a piece of the human army to move that the throw allows (true
    // when it did); the release of that press drops it on a square, or off
    // the board (nullopt), which puts it back. Any other release drops
    // nothing.
    bool PickUp(TSquare square);
    void Drop(std::optional<TSquare> square);
    bool PieceHeld() const { return held_; }
    // The square of the held piece and where the rules let it go.
    TSquare HeldSquare() const { return held_ ? source_ : TSquare{0, 0}; }
    const TPieceDestinations& HeldDestinations() const { return heldMoves_; }
    // Why the last press did not pick up a piece, while it still applies
    // (the same army and throw); empty otherwise.
    TPickUpNote PickUpNote() const;
    // The kind the held piece moves as on the throw: a King joined with its
    // companion moves as either.
    std::int32_t HeldMoveKind() const;
    // The square information panel and the pyramid ruler panel for a square.
    void ShowSquare(TSquare square);

    void Command(int command);
    // The close request: may the window close?
    bool CanClose();

    // Saves under a chosen name; true when a file was written.
    bool SaveAs();

    // The hint: the Seer's best move for a human army's thrown face, worked
    // out on a thread of its own and shown, never made. A throw, a move, a
    // load or the end of the game cancels it; an answer that comes after
    // that is dropped.
    enum class THintState { None, Thinking, Shown };
    bool CanAskHint() const;
    void AskHint();
    void CancelHint();
    THintState HintState() const { return hintState_; }
    // The move shown (when HintState() is Shown) and its expected score.
    const TSeerAnswer& Hint() const { return hint_; }
    // The search and what it may spend (tests give their own).
    void SetHintSearch(THintSearch search);
    void SetHintLimits(const TSeerLimits& limits) { hintLimits_ = limits; }

    // What the Seer may spend on a move at this board.
    const TSeerLimits& SeerLimits() const { return cycle_.SeerLimits(); }
    // Network seats. An army played at another screen: the window's
    // buttons and pointer leave it alone, and its throw and drop arrive
    // here, checked as the rules check this screen's. `face` 0 lets this
    // program's dice throw; 1..6 is a face entered there. False, with
    // nothing changed, for a request out of turn or against the rules.
    void PlayArmyRemotely(std::int32_t army);
    // The army's guest is lost: its computer opponent `code` plays it here
    // from now on, with this screen's THROW and MOVE as any computer army.
    void PlayArmyByComputer(std::int32_t army, std::int32_t code);
    bool ArmyIsRemote(std::int32_t army) const;
    bool RemoteThrow(std::int32_t army, long turn, TDieFace face);
    bool RemoteDrop(std::int32_t army, long turn, TSquare from, TSquare to);
    // The number of the turn being played, from 1.
    long TurnNumber() const { return static_cast<long>(record_.turns.size()) + 1; }
    // What each turn was, heard as it ends (before its end-of-game boxes).
    struct TPlayedTurn {
        long turn = 0;
        std::int32_t army = 0;
        TDieFace face = 0;
        bool missed = false;
        TSquare from{0, 0};
        TSquare to{0, 0};
        bool gameOver = false;  // the turn ended the game
        bool questionerWon = false;
    };
    std::function<void(const TPlayedTurn&)> onTurnPlayed;
    // The same turn, heard first, before the running file keeps it: what a
    // host keeps here is never behind the game it continues.
    std::function<void(const TPlayedTurn&)> onTurnEnding;

    // A guest's screen: the host throws and moves. THROW, ENTER and a drop
    // of this screen's army are asked of the host through these; the host's
    // answer comes back as the face to move on and as the turn played.
    std::function<void(long turn, TDieFace face)> onThrowWanted;
    std::function<void(long turn, TSquare from, TSquare to)> onDropWanted;
    // Face 0 says the host still waits for this screen's throw.
    void TakeThrow(long turn, TDieFace face);
    // Plays a turn as the host played it; false when it does not follow
    // this game (then nothing is changed). A turn followed `quietly` is one
    // this screen catches up on (it joined late, or came back): no boxes,
    // readings, sounds or sliding, only the position it leaves.
    bool FollowTurn(const TPlayedTurn& turn, bool quietly = false);

    // What the painter needs.
    const TGameSession& Game() const { return game_; }
    const TOptionSettings& Options() const { return options_; }
    bool Ended() const { return ended_; }
    bool Modified() const { return modified_; }
    bool MoveReading() const { return moveReading_; }
    bool WholeReading() const { return wholeReading_; }
    const std::string& FileName() const { return fileName_; }
    // The record of the game so far, kept at every turn.
    const TGameRecord& Record() const { return record_; }

  private:
    bool Follow(const TPlayedTurn& turn);

    // Set-up.
    void SetUpGame();
    void ResetPlay();
    bool AskQuestionAndPtahSquare();
    bool AskPlayers();
    bool QuitInsteadOfSetUp();
    void OpenAndLoad();

    // The turn: a throw for the cycle, and what the cycle reports.
    void ThrowFace(TDieFace face);
    void MissedGo(TMissGo why) override;
    void Moved(TSquare from, TSquare to, bool byComputer) override;
    void ShowReading(const std::string& caption, const std::string& text) override;
    void BeginWait() override;
    void EndWait() override;
    TReadingSwitches Switches() const override;
    void TurnEnded(const TEndOfGameDecision& decision) override;
    void EndGame(bool won);
    void HintArrived(unsigned long id, const TSeerAnswer& answer);
    void Sound(TSound sound);

    // The game record: started at the set-up, continued or started afresh
    // by a load, written at every turn.
    void StartRecord();
    void ContinueRecordAfterLoad(const std::string& savedGamePath);
    void RecordTurnEnd(const TEndOfGameDecision& decision, bool resigned);
    void KeepRecord();
    void ShowSquareInformation(TSquare square);

    // Files.
    bool WriteGame(const std::string& path);
    TBoxAnswer Box(const std::string& text, const std::string& title,
                   TBoxButtons buttons = TBoxButtons::Ok, TBoxIcon icon = TBoxIcon::None);
    void RunOption(TOptionKind which);

    TWindowLayer& layer_;
    TGameSession& game_;
    std::minstd_rand dice_;
    TTurnCycle cycle_{game_.board, game_.turn, game_.reading, *this};

    std::string fileName_ = "vaeloric.vae";
    bool setupDone_ = false;
    bool musicOn_ = false;
    bool coordinatesShown_ = false;
    bool modified_ = false;
    bool ended_ = false;
    bool resigned_ = false;
    bool playing_ = false;
    bool moveReading_ = true;
    bool wholeReading_ = false;

    TOptionSettings options_;

    // Dialog selections, kept so that a dialog reopens with the last choice.
    TPtahSquareChoice ptahChoice_;
    TPlayerChoice playerChoice_;
    TDiceChoice diceChoice_;

    TGameRecord record_;
    TTurnRecorder recorder_;
    // Turns played before the record began (a game continued without its
    // record), so that the running file counts the game's own turns.
    long turnsBefore_ = 0;
    // Check and checkmate of each army when the turn's die was cast, so
    // that only a new check sounds.
    std::array<std::int32_t, 5> checksBefore_{};
    bool KeepRunning();
    bool viewingPast_ = false;

    // The turn being played, for onTurnPlayed.
    TPlayedTurn thisTurn_;
    // Armies played at other screens.
    class TRemoteSeat;
    std::array<std::unique_ptr<TSeat>, 5> remote_{};
    bool throwAsked_ = false;  // a guest's throw request waits for the host
    bool quiet_ = false;       // a turn caught up on shows nothing

    // Move entry: the piece picked up by the press in progress, if any.
    bool held_ = false;
    TSquare source_{0, 0};
    TPieceDestinations heldMoves_;
    TPickUpNote note_;

    // The hint asked for, by its number: an answer for any other number is
    // stale. The army, face and turn it was asked for must still hold.
    THintState hintState_ = THintState::None;
    TSeerAnswer hint_;
    unsigned long hintId_ = 0;
    std::int32_t hintArmy_ = 0;
    TDieFace hintFace_ = 0;
    std::size_t hintTurn_ = 0;
    TSeerLimits hintLimits_ = SeerTimeLimits(kSeerLevelCount - 1);
    // Answers posted to the window check this is still there.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    // Last, so that its thread has ended before anything else goes.
    std::unique_ptr<THintWorker> hintWorker_ = std::make_unique<THintWorker>();
};

}  // namespace vaeloric
