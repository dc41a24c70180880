#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "flow/game_session.h"
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

// Hot rectangles of the picture buttons, client coordinates, edges included.
struct THotRect {
    int left, top, right, bottom;
    constexpr bool Contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};
inline constexpr THotRect kThrowRect{7, 101, 67, 131};
inline constexpr THotRect kEnterRect{7, 132, 67, 162};
inline constexpr THotRect kMoveRect{7, 111, 67, 161};

inline constexpr int kBoardSide = 400;
inline constexpr int kSquareSide = 50;

// Owns the flow of one game: set-up, the turn cycle, move entry, the end of
// the game, saving, loading and closing. The window reports what the user did
// (presses, releases, moves at client points; commands; close requests) and
// draws what this says; everything else goes through the window layer.
class TGameController {
  public:
    // Assigns the seats (launcher and reload mode) or fills the set-up
    // dialogs' defaults (demonstration mode).
    TGameController(TWindowLayer& layer, TGameSession& game);

    void SeedDice(unsigned seed) { dice_.seed(seed); }
    void ReportTimerRefused();

    // The paint handler's question: false on the first paint, which runs the
    // game set-up instead of drawing.
    bool ReadyToDraw();
    bool SetupDone() const { return setupDone_; }
    // The set-up (or the load) has finished: there is a game to draw.
    bool Playing() const { return playing_ && !ended_; }
    // The size handler: centres the board for the new client width.
    void PlaceBoard(int clientWidth);

    void MouseMove(int x, int y);
    void LeftDown(int x, int y);
    void LeftUp(int x, int y);
    void RightDown(int x, int y);
    void Command(int command);
    // The close request: may the window close?
    bool CanClose();

    // Saves under a chosen name; true when a file was written.
    bool SaveAs();

    // What the painter needs.
    const TGameSession& Game() const { return game_; }
    const TOptionSettings& Options() const { return options_; }
    int OriginX() const { return originX_; }
    int OriginY() const { return originY_; }
    bool Ended() const { return ended_; }
    bool Modified() const { return modified_; }
    bool MoveReading() const { return moveReading_; }
    bool WholeReading() const { return wholeReading_; }
    const std::string& FileName() const { return fileName_; }
    bool PieceSelected() const { return pieceSelected_; }

  private:
    // Set-up.
    void SetUpGame();
    void ResetPlay();
    bool AskQuestionAndPtahSquare();
    bool AskPlayers();
    bool QuitInsteadOfSetUp();
    void OpenAndLoad();

    // Turn cycle.
    bool OverBoard(int x, int y) const;
    TSquare SquareAt(int x, int y) const;
    void UpdateButton(const THotRect& rect, bool pressed, bool& over, int upImage, int downImage,
                      int x, int y);
    bool ButtonRelease();
    void ClearPress();
    void MissGoTest();
    void ComputerMove();
    void NoteMove(TSquare from, TSquare to);
    void AfterMove(TSquare destination);
    void EndTurn();
    void EndGame(bool won);
    bool ArmyToMoveIsHuman() const;

    // Move entry on the board.
    void BoardPress();
    void BoardRelease();
    void ShowSquareInformation();

    // Files.
    bool WriteGame(const std::string& path);
    TBoxAnswer Box(const std::string& text, const std::string& title,
                   TBoxButtons buttons = TBoxButtons::Ok, TBoxIcon icon = TBoxIcon::None);
    void RunOption(TOptionKind which);

    TWindowLayer& layer_;
    TGameSession& game_;
    std::minstd_rand dice_;

    std::string fileName_ = "vaeloric.vae";
    bool setupDone_ = false;
    bool musicOn_ = false;
    bool coordinatesShown_ = false;
    bool modified_ = false;
    bool ended_ = false;
    bool playing_ = false;
    bool moveReading_ = true;
    bool wholeReading_ = false;

    int originX_ = 0;
    int originY_ = 20;
    TOptionSettings options_;

    // Dialog selections, kept so that a dialog reopens with the last choice.
    TPtahSquareChoice ptahChoice_;
    TPlayerChoice playerChoice_;
    TDiceChoice diceChoice_;

    // Move entry.
    bool overBoard_ = false;
    bool pieceSelected_ = false;
    bool pieceHeld_ = false;  // the press in progress picked up a piece
    bool pickUpAllowed_ = true;
    TSquare source_{0, 0};
};

}  // namespace vaeloric
