// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/schedule.h"

#include <algorithm>

#include "flow/setup_record.h"

namespace vaeloric::sim {

namespace {

std::uint64_t SplitMix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

// The 60 squares that may be the Ptah square: every square but the corners.
TSquare PtahSquare(std::uint64_t draw) {
    int n = static_cast<int>(draw % 60);
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            if (IsCornerSquare(rank, file)) continue;
            if (n-- == 0) return {rank, file};
        }
    }
    return {2, 1};
}

}  // namespace

std::string TTournamentPlan::NameOf(std::int32_t code) const {
    return IsEngine(code) ? Engine(code).name : std::string(OpponentName(code));
}

long TTournamentPlan::PairCount() const {
    const long n = static_cast<long>(profiles.size());
    return n * (n - 1);
}

long TTournamentPlan::GameCount() const {
    return PairCount() * static_cast<long>(boards.size()) * gamesPerPairing;
}

TScheduledGame ScheduledGame(const TTournamentPlan& plan, long index) {
    const long pairs = plan.PairCount();
    const long boards = static_cast<long>(plan.boards.size());
    const long others = static_cast<long>(plan.profiles.size()) - 1;
    TScheduledGame game;
    game.index = index;
    game.round = index / (pairs * boards);
    game.board = plan.boards[static_cast<std::size_t>(index / pairs % boards)];
    const long pair = index % pairs;
    const long q = pair / others;
    long o = pair % others;
    if (o >= q) ++o;
    game.questionerSide = plan.profiles[static_cast<std::size_t>(q)];
    game.otherSide = plan.profiles[static_cast<std::size_t>(o)];

    const std::int32_t first =
        plan.pairs ? std::min(game.questionerSide, game.otherSide) : game.questionerSide;
    const std::int32_t second =
        plan.pairs ? std::max(game.questionerSide, game.otherSide) : game.otherSide;
    const std::uint64_t key =
        (static_cast<std::uint64_t>(game.board) << 48) | (static_cast<std::uint64_t>(first) << 40) |
        (static_cast<std::uint64_t>(second) << 32) | static_cast<std::uint64_t>(game.round);
    const std::uint64_t draw = SplitMix(plan.baseSeed ^ SplitMix(key));
    game.seed = static_cast<std::uint32_t>(1 + draw % 2147483646u);
    game.ptah = PtahSquare(SplitMix(draw));
    return game;
}

TGameOptions GameOptionsOf(const TScheduledGame& game, long turnLimit, long seerNodes) {
    TGameOptions options;
    options.boardLetter = game.board;
    options.ptah = game.ptah;
    // Seats 2 and 4 are the Questioner's enemies, seat 3 the ally.
    const char other = LetterOfPlayerCode(game.otherSide);
    options.seatLetters[0] = other;
    options.seatLetters[1] = LetterOfPlayerCode(game.questionerSide);
    options.seatLetters[2] = other;
    options.questionerCode = game.questionerSide;
    options.seed = game.seed;
    options.turnLimit = turnLimit;
    options.seerNodes = seerNodes;
    return options;
}

TGameOptions GameOptionsOf(const TTournamentPlan& plan, const TScheduledGame& game) {
    TGameOptions options = GameOptionsOf(game, plan.turnLimit, plan.seerNodes);
    constexpr std::int32_t kHumanCode = 1;
    if (plan.IsEngine(game.otherSide))
        options.seatLetters[0] = options.seatLetters[2] = LetterOfPlayerCode(kHumanCode);
    if (plan.IsEngine(game.questionerSide)) {
        options.seatLetters[1] = LetterOfPlayerCode(kHumanCode);
        options.questionerCode = kHumanCode;
    }
    return options;
}

}  // namespace vaeloric::sim
