// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "game/die_face.h"
#include "game/square.h"

namespace vaeloric {

// What the game flow needs of the window system, and nothing more. The Qt main
// window implements it in one thin class; tests implement it with a scripted
// fake. Dialogs exchange plain data, never window-system types, so that every
// message, title and branch of the flow can be checked without a display.

enum class TBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class TBoxIcon { None, Question, Exclamation, Information, Stop };
enum class TBoxAnswer { Ok, Cancel, Yes, No };

struct TMessageBox {
    std::string text;
    std::string title;
    TBoxButtons buttons = TBoxButtons::Ok;
    TBoxIcon icon = TBoxIcon::None;

    friend bool operator==(const TMessageBox&, const TMessageBox&) = default;
};

// The question and Ptah square dialog: the question typed and the selected
// file (1..8 for A..H) and rank (1..8) buttons. The dialog itself refuses an
// empty question and a corner square.
struct TPtahSquareChoice {
    std::string question;
    std::int32_t file = 1;
    std::int32_t rank = 2;
};

// The players dialog: the four names (index 1 the Questioner, 2..4 the other
// seats; 0 unused) and the player codes of seats 2..4 (1 human, 2..8 the
// computer opponents). The dialog refuses a human seat without a name.
struct TPlayerChoice {
    std::array<std::string, 5> names;
    std::array<std::int32_t, 5> seatCode{0, 0, 2, 1, 3};
    // The strength of every seat given to the Seer (code 9): 0 novice,
    // 1 adept, 2 master.
    int seerLevel = 1;
};

// The dice dialog: the selected face button 1..6.
struct TDiceChoice {
    TDieFace face = 1;
};

// Background colours in the order of the colour dialog's buttons.
enum class TBackground : std::int32_t { LightGreen, DarkGreen, White, Orange, Purple, Black };

// The display options that the option dialogs set.
struct TOptionSettings {
    TBackground background = TBackground::LightGreen;
    bool vaeloricSquares = true;  // square pictures +1000; false is "English"
    bool musicOn = false;
    bool simpleBoard = false;     // outlined squares with coordinates
    bool symbolicPieces = false;  // false is the program's gods set

    friend bool operator==(const TOptionSettings&, const TOptionSettings&) = default;
};

enum class TOptionKind { BackgroundColour, SquareStyle, BoardStyle, PieceStyle, Music };

// The short sounds of play.
enum class TSound { Throw, Move, Capture, Check, MissGo, GameEnd };

// The system arrow among the cursor resources.
inline constexpr int kArrowCursor = 0;

class TWindowLayer {
  public:
    virtual ~TWindowLayer() = default;

    // A modal message box; the answer is the button pressed (Ok for a
    // one-button box).
    virtual TBoxAnswer ShowMessage(const TMessageBox& box) = 0;

    // Modal dialogs, each run once; true when closed with OK. The values are
    // read when the dialog opens and written back on OK only.
    virtual bool RunPtahSquareDialog(TPtahSquareChoice& choice) = 0;
    virtual bool RunPlayerSettingsDialog(TPlayerChoice& choice) = 0;
    virtual bool RunDiceDialog(TDiceChoice& choice) = 0;
    virtual bool RunOptionDialog(TOptionKind which, TOptionSettings& options) = 0;
    virtual void RunPieceInfoDialog() = 0;
    virtual void RunReadingDialog(const std::string& text, const std::string& caption) = 0;

    // Open and save dialogs over the saved-game filter; `fileName` carries the
    // name in and the chosen name out. True when closed with OK.
    virtual bool RunOpenDialog(std::string& fileName) = 0;
    virtual bool RunSaveDialog(std::string& fileName) = 0;

    // Cursor by resource number (kArrowCursor for the system arrow); the wait
    // cursor goes on and off around long work.
    virtual void SetCursor(int resourceId) = 0;
    virtual void SetWaitCursor(bool on) = 0;

    // Redraw the whole window soon (board, pieces, panels).
    virtual void Invalidate() = 0;
    // Show a computer's move (already made on the board) travelling from
    // its origin to its destination, and return when it has arrived.
    virtual void ShowMove(TSquare from, TSquare to) = 0;
    // Draw the square information panel now, or the pyramid ruler panel over
    // it, for the square the flow last selected.
    virtual void DrawInformationPanel() = 0;
    virtual void DrawRulerPanel() = 0;

    virtual void SetTitle(const std::string& title) = 0;
    // The control panel, created once at set-up.
    virtual void ShowControlPanel() = 0;

    // Background music: start it if it is not playing, stop it, close the
    // device. Failures are silent.
    virtual void StartMusic() = 0;
    virtual void StopMusic() = 0;
    virtual void CloseMusic() = 0;
    // A short sound of play, asked for only while the sound is switched on.
    // Returns at once: the sound is played beside the game, never in its
    // way, and one that cannot be played is dropped.
    virtual void PlaySound(TSound) {}

    // Send the window the ordinary close request (which asks CanClose).
    virtual void RequestClose() = 0;
    // Destroy the window without asking; the program ends.
    virtual void DestroyWindow() = 0;

    // Runs `work` soon on the window's own thread, from any thread: how a
    // search on a worker thread hands its answer back. Work posted to a
    // window that is gone is dropped.
    virtual void PostToWindow(std::function<void()> work) = 0;
};

}  // namespace vaeloric
