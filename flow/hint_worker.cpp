// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/hint_worker.h"

namespace vaeloric {

TSeerAnswer SeerHintSearch(TBoard& board, std::int32_t army, TDieFace face, const TSeerGame& game,
                           const TSeerLimits& limits) {
    // One table per worker thread, kept for the next hint.
    thread_local std::unique_ptr<TSeerSearch> search;
    if (!search) search = std::make_unique<TSeerSearch>();
    return search->Search(board, army, face, game, limits);
}

THintWorker::~THintWorker() {
    Cancel();
    Join();
}

void THintWorker::Cancel() {
    if (cancel_) cancel_->store(true);
}

void THintWorker::Join() {
    if (thread_.joinable()) thread_.join();
}

void THintWorker::Start(const TBoard& board, std::int32_t army, TDieFace face,
                        const TSeerGame& game, TSeerLimits limits,
                        std::function<void(const TSeerAnswer&)> done) {
    Cancel();
    Join();
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    cancel_ = cancel;
    thread_ = std::thread([search = search_, position = board, army, face, game, limits, cancel,
                           done = std::move(done)]() mutable {
        limits.cancel = cancel.get();
        const TSeerAnswer answer = search(position, army, face, game, limits);
        if (!cancel->load()) done(answer);
    });
}

}  // namespace vaeloric
