// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace vaeloric {

// Shows a music player failure as the player's error display asks: a beep
// and a warning box owned by the window, titled with the operation's caption.
// For TMMPlayer::SetErrorReporter; the game keeps error display off.
void ShowMediaError(QWidget* owner, const char* text, const char* caption);

}  // namespace vaeloric
