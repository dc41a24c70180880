#pragma once

#include <QWidget>
#include <string>

#include "app/flow/window_layer.h"

namespace vaeloric {

// Plain dialogs used until the drawn set-up, option and reading dialogs are
// wired in.
bool RunStandInPtahSquareDialog(QWidget* parent, TPtahSquareChoice& choice, char boardLetter);
bool RunStandInPlayerSettingsDialog(QWidget* parent, TPlayerChoice& choice);
bool RunStandInDiceDialog(QWidget* parent, TDiceChoice& choice);
bool RunStandInOptionDialog(QWidget* parent, TOptionDialog which, TDisplayOptions& options);
void RunStandInPieceInfoDialog(QWidget* parent);
void RunStandInReadingDialog(QWidget* parent, const std::string& text, const std::string& caption);

}  // namespace vaeloric
