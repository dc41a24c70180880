// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "game/board.h"
#include "players/seer.h"

namespace vaeloric {

// The search behind a hint: the Seer's best move for the army with the face.
// Tests put a search of their own in its place.
using THintSearch = std::function<TSeerAnswer(TBoard& board, std::int32_t army, TDieFace face,
                                              const TSeerGame& game, const TSeerLimits& limits)>;
TSeerAnswer SeerHintSearch(TBoard& board, std::int32_t army, TDieFace face, const TSeerGame& game,
                           const TSeerLimits& limits);

// Runs one hint search at a time on a thread of its own, so that the window
// goes on answering. The answer is handed to `done` on that thread; the
// caller posts it to its own thread and decides there whether it still
// applies. A cancelled search stops soon and hands over nothing.
class THintWorker {
  public:
    explicit THintWorker(THintSearch search = SeerHintSearch) : search_(std::move(search)) {}
    ~THintWorker();
    THintWorker(const THintWorker&) = delete;
    THintWorker& operator=(const THintWorker&) = delete;

    // Stops any search still running (and waits for it), then starts one on
    // a copy of the board.
    void Start(const TBoard& board, std::int32_t army, TDieFace face, const TSeerGame& game,
               TSeerLimits limits, std::function<void(const TSeerAnswer&)> done);
    // Asks the running search to stop; it does not wait.
    void Cancel();

  private:
    void Join();

    THintSearch search_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::thread thread_;
};

}  // namespace vaeloric
