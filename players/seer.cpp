// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/seer.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "game/check.h"
#include "game/dice_rule.h"
#include "game/internal_error.h"
#include "game/legal_moves.h"
#include "game/make_move.h"

namespace vaeloric {

namespace {

constexpr TSeerLevel kLevels[kSeerLevelCount] = {
    {"novice", 500, 40},
    {"adept", 5000, 150},
    {"master", 50000, 600},
};

// Plies a search can reach: every move ahead uses one.
constexpr int kMaxPly = 34;
constexpr int kMaxDepth = kMaxPly - 2;
constexpr int kTableBits = 17;
constexpr double kLow = -kSeerWin;
constexpr double kHigh = kSeerWin;

enum TBound : std::uint8_t { kNoBound, kExact, kLowerBound, kUpperBound };

struct TEntry {
    std::uint64_t key = 0;
    double value = 0;
    std::uint32_t generation = 0;
    std::int8_t depth = 0;
    std::uint8_t bound = kNoBound;
    std::uint8_t from = 0, to = 0;  // the best move of a decision node, squares 0..63
};

struct TKeys {
    std::uint64_t piece[64][11][5];
    std::uint64_t toMove[5];
    std::uint64_t ptahReached;
    std::uint64_t face[7];

    TKeys() {
        std::uint64_t state = 0x5eed5eedC0FFEEull;
        const auto next = [&state] {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
            return z ^ (z >> 31);
        };
        for (auto& square : piece)
            for (auto& kind : square)
                for (auto& army : kind) army = next();
        for (auto& key : toMove) key = next();
        ptahReached = next();
        for (auto& key : face) key = next();
    }
};

const TKeys& Keys() {
    static const TKeys keys;
    return keys;
}

int SquareNumber(int rank, int file) {
    return (rank - 1) * 8 + (file - 1);
}

double CaptureOrder(std::int32_t kind) {
    switch (kind) {
        case Queen:
            return 9;
        case Rook:
            return 5;
        case Horse:
        case Bishop:
            return 3;
        case Empty:
            return 0;
        default:
            return 1;
    }
}

}  // namespace

const TSeerLevel& SeerLevel(int level) {
    if (level < 0 || level >= kSeerLevelCount)
        throw TInternalError("No Seer level " + std::to_string(level));
    return kLevels[level];
}

TSeerLimits SeerNodeLimits(int level) {
    TSeerLimits limits;
    limits.nodes = SeerLevel(level).nodes;
    return limits;
}

TSeerLimits SeerTimeLimits(int level) {
    TSeerLimits limits;
    limits.milliseconds = SeerLevel(level).milliseconds;
    return limits;
}

struct TSeerSearch::TImpl {
    std::vector<TEntry> table;
    std::uint32_t generation = 0;
    TBoard board;
    TLegalMoveList lists[kMaxPly];
    std::uint8_t order[kMaxPly][kMaxLegalMoves];
    double orderScore[kMaxPly][kMaxLegalMoves];

    long nodes = 0;
    long nodeLimit = 0;
    bool mayStop = false;
    bool stopped = false;
    std::chrono::steady_clock::time_point deadline;
    bool timed = false;
    const std::atomic<bool>* cancel = nullptr;

    TImpl() : table(std::size_t{1} << kTableBits) {}

    // The pieces' part of the position's key, kept up to date move by move.
    std::uint64_t boardKey = 0;

    static std::uint64_t PieceKey(int square, const TPiece& piece) {
        if (piece.kind == Empty) return 0;
        return Keys().piece[square][std::clamp(piece.kind, 0, 10)][std::clamp(piece.army, 0, 4)];
    }

    std::uint64_t BoardKey() const {
        std::uint64_t key = 0;
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file)
                key ^= PieceKey(SquareNumber(rank, file), board.At(rank, file));
        return key;
    }

    std::uint64_t Hash(std::int32_t army, bool ptahReached) const {
        const TKeys& keys = Keys();
        std::uint64_t key = boardKey ^ keys.toMove[army];
        if (ptahReached) key ^= keys.ptahReached;
        return key;
    }

    TEntry* Probe(std::uint64_t key) {
        TEntry& entry = table[key & ((std::size_t{1} << kTableBits) - 1)];
        return entry.generation == generation && entry.key == key ? &entry : nullptr;
    }

    void Store(std::uint64_t key, int depth, double value, double alpha, double beta, int from,
               int to) {
        TEntry& entry = table[key & ((std::size_t{1} << kTableBits) - 1)];
        if (entry.generation == generation && entry.key != key && entry.depth > depth) return;
        entry.key = key;
        entry.generation = generation;
        entry.depth = static_cast<std::int8_t>(depth);
        entry.value = value;
        entry.bound = value <= alpha ? kUpperBound : value >= beta ? kLowerBound : kExact;
        entry.from = static_cast<std::uint8_t>(from);
        entry.to = static_cast<std::uint8_t>(to);
    }

    // A table value usable in the window, if any.
    static bool Usable(const TEntry* entry, int depth, double alpha, double beta, double& value) {
        if (entry == nullptr || entry->depth < depth) return false;
        value = entry->value;
        return entry->bound == kExact || (entry->bound == kLowerBound && value >= beta) ||
               (entry->bound == kUpperBound && value <= alpha);
    }

    void CountNode() {
        ++nodes;
        if (!mayStop) return;
        if (nodeLimit > 0 && nodes >= nodeLimit) stopped = true;
        if ((nodes & 255) == 0) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) stopped = true;
            if (timed && std::chrono::steady_clock::now() >= deadline) stopped = true;
        }
    }

    static double ForSide(bool moverWins) { return moverWins ? kSeerWin : -kSeerWin; }

    static bool SameSide(std::int32_t a, std::int32_t b) { return a == b || a == AllyOf(b); }

    bool Checkmated(std::int32_t army) {
        TSquare king;
        if (!FindKing(board, army, king)) return false;
        return CheckStatus(board, king, army) == kCheckmated;
    }

    // The end of the mover's turn, moved or lost: the game's end is tested as
    // the game tests it, then the next army's throw follows. The value is the
    // mover's.
    double AfterTurn(int ply, std::int32_t mover, bool ptahReached, int depth, double alpha,
                     double beta) {
        CountNode();
        const std::int32_t next = NextArmy(mover);
        const std::int32_t q = board.questionerArmy;
        const std::int32_t saved = board.armyToMove;
        board.armyToMove = next;
        double value = 0;
        if (ptahReached && KingAttacked(board, q)) {
            value = ForSide(!SameSide(mover, q));
        } else if (ptahReached && next == q) {
            value = ForSide(SameSide(mover, q));
        } else {
            bool mated[5] = {false, false, false, false, false};
            for (std::int32_t a = 1; a <= 4; ++a) mated[a] = Checkmated(a);
            if (mated[1] && mated[3])
                value = ForSide(!SameSide(mover, 1));
            else if (mated[2] && mated[4])
                value = ForSide(!SameSide(mover, 2));
            else
                value = -Chance(ply, next, ptahReached, mated[next], depth - 1, -beta, -alpha);
        }
        board.armyToMove = saved;
        return value;
    }

    double Chance(int ply, std::int32_t army, bool ptahReached, bool checkmated, int depth,
                  double alpha, double beta) {
        if (depth <= 0 || ply >= kMaxPly - 1) return SeerEvaluate(board, army);
        if (stopped) return 0;
        const std::uint64_t key = Hash(army, ptahReached);
        double cached;
        if (Usable(Probe(key), depth, alpha, beta, cached)) return cached;
        if (checkmated) {
            // Every face is lost: the turn passes.
            const double value = AfterTurn(ply + 1, army, ptahReached, depth, alpha, beta);
            if (!stopped) Store(key, depth, value, alpha, beta, 0, 0);
            return value;
        }
        bool passKnown = false;
        double pass = 0;
        double sum = 0;
        for (TDieFace face = 1; face <= 6; ++face) {
            const int left = 6 - face;
            // Star1: the window this face must reach for the average to
            // leave (alpha, beta), with the faces to come at their bounds.
            const double low = 6 * alpha - sum - kHigh * left;
            const double high = 6 * beta - sum - kLow * left;
            const double value =
                Decision(ply, army, face, ptahReached, depth, key, std::max(low, kLow),
                         std::min(high, kHigh), passKnown, pass);
            if (stopped) return 0;
            if (value <= low) {
                Store(key, depth, alpha, alpha, beta, 0, 0);
                return alpha;
            }
            if (value >= high) {
                Store(key, depth, beta, alpha, beta, 0, 0);
                return beta;
            }
            sum += value;
        }
        const double value = sum / 6;
        Store(key, depth, value, kLow - 1, kHigh + 1, 0, 0);
        return value;
    }

    void OrderMoves(int ply, const TEntry* entry) {
        const TLegalMoveList& list = lists[ply];
        for (int i = 0; i < list.Size(); ++i) {
            const TLegalMove& move = list[i];
            double score = move.to.capture == 1 ? 10 + CaptureOrder(move.to.captured.kind) : 0;
            if (move.to.promotes == 1) score += 8;
            if (entry != nullptr && entry->from == SquareNumber(move.from.rank, move.from.file) &&
                entry->to == SquareNumber(move.to.rank, move.to.file))
                score = 1000;
            // Insertion by score; equal scores keep the list order.
            int j = i;
            while (j > 0 && orderScore[ply][j - 1] < score) {
                orderScore[ply][j] = orderScore[ply][j - 1];
                order[ply][j] = order[ply][j - 1];
                --j;
            }
            orderScore[ply][j] = score;
            order[ply][j] = static_cast<std::uint8_t>(i);
        }
    }

    double Decision(int ply, std::int32_t army, TDieFace face, bool ptahReached, int depth,
                    std::uint64_t chanceKey, double alpha, double beta, bool& passKnown,
                    double& pass) {
        TLegalMoveList& list = lists[ply];
        ListLegalMoves(board, army, face, list);
        if (list.Empty()) {
            if (!passKnown) {
                pass = AfterTurn(ply + 1, army, ptahReached, depth, kLow - 1, kHigh + 1);
                passKnown = !stopped;
            }
            return pass;
        }
        const std::uint64_t key = chanceKey ^ Keys().face[face];
        const TEntry* entry = Probe(key);
        double cached;
        if (Usable(entry, depth, alpha, beta, cached)) return cached;
        OrderMoves(ply, entry);
        const double originalAlpha = alpha;
        double best = kLow - 1;
        int bestIndex = order[ply][0];
        const bool asKing = face == 1;
        for (int k = 0; k < list.Size(); ++k) {
            const int i = order[ply][k];
            const double value =
                ValueOfMove(list[i], asKing, ply, army, ptahReached, depth, alpha, beta);
            if (stopped) return 0;
            if (value > best) {
                best = value;
                bestIndex = i;
            }
            if (value > alpha) alpha = value;
            if (alpha >= beta) break;
        }
        const TLegalMove& chosen = list[bestIndex];
        Store(key, depth, best, originalAlpha, beta,
              SquareNumber(chosen.from.rank, chosen.from.file),
              SquareNumber(chosen.to.rank, chosen.to.file));
        return best;
    }

    // The value of one move made at `ply`: made, searched from the turn after
    // it, and taken back.
    double ValueOfMove(const TLegalMove& move, bool asKing, int ply, std::int32_t army,
                       bool ptahReached, int depth, double alpha, double beta) {
        const SquareRecord from = SquareRecord::At(move.from.Square());
        const int fromSquare = SquareNumber(from.rank, from.file);
        const int toSquare = SquareNumber(move.to.rank, move.to.file);
        // A move changes only its two squares' pieces (a split CombinedKing
        // leaves its King behind on the first).
        const std::uint64_t savedKey = boardKey;
        boardKey ^= PieceKey(fromSquare, board.At(from.rank, from.file)) ^
                    PieceKey(toSquare, board.At(move.to.rank, move.to.file));
        MakePieceMove(board, from, move.to, asKing);
        boardKey ^= PieceKey(fromSquare, board.At(from.rank, from.file)) ^
                    PieceKey(toSquare, board.At(move.to.rank, move.to.file));
        const bool reached =
            ptahReached ||
            BringsQuestionerToPtah(board, army, board.At(move.to.rank, move.to.file).kind,
                                   move.to.Square());
        const double value = AfterTurn(ply + 1, army, reached, depth, alpha, beta);
        UndoMove(board, move.to, from);
        boardKey = savedKey;
        return value;
    }

    // The root: every move searched to the depth; the first of the best wins.
    bool Root(std::int32_t army, TDieFace face, bool ptahReached, int depth, int& bestIndex,
              double& bestValue) {
        TLegalMoveList& list = lists[0];
        const bool asKing = face == 1;
        double best = kLow - 1;
        int chosen = -1;
        for (int k = 0; k < list.Size(); ++k) {
            const int i = order[0][k];
            const double value = ValueOfMove(list[i], asKing, 0, army, ptahReached, depth,
                                             chosen < 0 ? kLow - 1 : best, kHigh + 1);
            if (stopped) break;
            if (value > best) {
                best = value;
                chosen = i;
            }
        }
        // A stopped depth still counts for the moves it finished: the first
        // is the previous depth's best, and one that beat it is better.
        bestIndex = chosen;
        bestValue = best;
        return !stopped;
    }

    TSeerAnswer Run(const TBoard& position, std::int32_t army, TDieFace face, const TSeerGame& game,
                    const TSeerLimits& limits, int exactDepth) {
        board = position;
        board.armyToMove = army;
        boardKey = BoardKey();
        ++generation;
        if (generation == 0) {
            std::fill(table.begin(), table.end(), TEntry{});
            generation = 1;
        }
        nodes = 0;
        stopped = false;
        mayStop = false;
        nodeLimit = limits.nodes;
        cancel = limits.cancel;
        timed = limits.milliseconds > 0;
        if (timed)
            deadline =
                std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.milliseconds);

        TSeerAnswer answer;
        TLegalMoveList& list = lists[0];
        ListLegalMoves(board, army, face, list);
        if (list.Empty()) return answer;
        for (int i = 0; i < list.Size(); ++i) order[0][i] = static_cast<std::uint8_t>(i);
        const int first = exactDepth > 0 ? exactDepth : 1;
        const int last = exactDepth > 0 ? exactDepth : std::clamp(limits.maxDepth, 1, kMaxDepth);
        for (int depth = first; depth <= last; ++depth) {
            int bestIndex = -1;
            double value = 0;
            // The first depth always finishes, so that there is a move.
            mayStop = answer.found;
            const bool finished = Root(army, face, game.ptahReached, depth, bestIndex, value);
            if (!finished) {
                if (bestIndex >= 0) {
                    answer.from = list[bestIndex].from;
                    answer.to = list[bestIndex].to;
                    answer.value = value;
                }
                break;
            }
            answer.found = true;
            answer.from = list[bestIndex].from;
            answer.to = list[bestIndex].to;
            answer.value = value;
            answer.depth = depth;
            // The best move first at the next depth; the others keep their order.
            for (int k = 0; k < list.Size(); ++k) {
                if (order[0][k] != bestIndex) continue;
                for (; k > 0; --k) order[0][k] = order[0][k - 1];
                order[0][0] = static_cast<std::uint8_t>(bestIndex);
                break;
            }
            if (value >= kSeerWin || value <= -kSeerWin) break;  // decided
            if (nodeLimit > 0 && nodes >= nodeLimit) break;
        }
        answer.nodes = nodes;
        return answer;
    }
};

TSeerSearch::TSeerSearch() : impl_(std::make_unique<TImpl>()) {}
TSeerSearch::~TSeerSearch() = default;

TSeerAnswer TSeerSearch::Search(TBoard& board, std::int32_t army, TDieFace face,
                                const TSeerGame& game, const TSeerLimits& limits) {
    return impl_->Run(board, army, face, game, limits, 0);
}

TSeerAnswer TSeerSearch::SearchDepth(TBoard& board, std::int32_t army, TDieFace face,
                                     const TSeerGame& game, int depth) {
    return impl_->Run(board, army, face, game, TSeerLimits{}, std::clamp(depth, 1, kMaxDepth));
}

bool ChooseSeerMove(TBoard& board, TDieFace die, std::int32_t army, const TSeerGame& game,
                    const TSeerLimits& limits, SquareRecord& destination, SquareRecord& origin) {
    thread_local std::unique_ptr<TSeerSearch> search;
    if (!search) search = std::make_unique<TSeerSearch>();
    const TSeerAnswer answer = search->Search(board, army, die, game, limits);
    if (!answer.found) return false;
    origin = answer.from;
    destination = answer.to;
    MakePieceMove(board, SquareRecord::At(origin.Square()), destination, die == 1);
    Promote(board, army);
    return true;
}

}  // namespace vaeloric
