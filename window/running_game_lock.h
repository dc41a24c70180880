// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLockFile>
#include <memory>
#include <vector>

#include "flow/game_session.h"

namespace vaeloric {

// The locks that tell a running board program's game from one whose
// program died: each program holds the lock of its own running file for as
// long as it runs, and the lock of an interrupted game it offers, so that
// two programs never offer the same game. A lock whose program is gone is
// stale and can be taken.
class TRunningGameLocks {
  public:
    // Sets game.runningPath (when the folder and the lock can be made) and,
    // for a reload that names no file, game.interruptedPath to the latest
    // interrupted game of this board that was not hosted over the network
    // (the launcher continues those, hosting them again).
    explicit TRunningGameLocks(TGameSession& game);
    ~TRunningGameLocks();

  private:
    std::vector<std::unique_ptr<QLockFile>> locks_;
};

}  // namespace vaeloric
