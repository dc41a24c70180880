// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/seer-tune/seer_tune.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <thread>

#include "flow/end_of_game.h"
#include "flow/seats.h"
#include "flow/setup_record.h"
#include "flow/turn_state.h"
#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/seer.h"

namespace vaeloric::tune {

namespace {

constexpr std::int32_t kCorvey = 5;

std::uint64_t SplitMix(std::uint64_t x) {
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

TSquare PtahSquare(std::uint64_t draw) {
    int n = static_cast<int>(draw % 60);
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            if (IsCornerSquare(rank, file)) continue;
            if (n-- == 0) return {rank, file};
        }
    return {2, 1};
}

bool OnQuestionerSide(const TBoard& board, std::int32_t army) {
    return army == board.questionerArmy || army == AllyOf(board.questionerArmy);
}

// Game `index`: its board, Ptah square and dice come from the seed and the
// index alone. In turn, the Seer plays the Questioner's side against Corvey,
// Corvey against the Seer, and the Seer both sides.
std::vector<TTunePosition> PlayOneGame(const TTuneGamesOptions& options, long index) {
    const std::uint64_t draw = SplitMix(options.seed ^ SplitMix(static_cast<std::uint64_t>(index)));
    TSetUpRecord setUp;
    setUp.boardLetter = "WAEF"[index % 4];
    setUp.ptah = PtahSquare(SplitMix(draw));
    for (int seat = 2; seat <= 4; ++seat) setUp.seatCode[seat] = kCorvey;
    const int pairing = static_cast<int>((index / 4) % 3);
    const bool seerForQuestioner = pairing != 1;
    const bool seerForOthers = pairing != 0;

    // Every seat is Corvey's on the board, so that his moves use his weights;
    // which side the Seer plays is decided here.
    auto owned = std::make_unique<TBoard>();
    TBoard& board = *owned;
    AssignSeats(setUp, board);
    board.SetPlayerCode(SeatArmies(setUp).army[1], kCorvey);
    board.SetUp(setUp.ptah, setUp.boardLetter);
    TTurnState turn;
    std::minstd_rand dice(static_cast<std::uint32_t>(1 + draw % 2147483646u));
    TSeerLimits limits;
    limits.nodes = options.seerNodes;

    std::vector<TTunePosition> positions;
    double questionerScore = 0.5;
    for (long number = 1; number <= options.turnLimit; ++number) {
        const std::int32_t army = board.armyToMove;
        if (number > 4 && number % options.every == 0)
            positions.push_back({board, army, 0.5, index, index % 5 == 4});
        const TDieFace face = static_cast<TDieFace>(dice() % 6 + 1);
        if (turn.checkmated[army] == 0 && HasNoLegalMove(board, face, army) == 0) {
            SquareRecord destination, origin;
            const bool seer = OnQuestionerSide(board, army) ? seerForQuestioner : seerForOthers;
            if (seer) {
                ChooseSeerMove(board, face, army, SeerGameOf(turn), limits, destination, origin);
            } else {
                ChooseComputerMove(board, face, army, destination, origin);
            }
            const std::int32_t movedAs = board.At(destination.rank, destination.file).kind;
            if (BringsQuestionerToPtah(board, army, movedAs, destination.Square()))
                turn.ptahReached = true;
        }
        board.armyToMove = NextArmy(army);
        const TEndOfGameDecision decision = DecideEndOfGame(board, turn);
        ApplyEndOfGame(decision, turn);
        if (decision.GameOver()) {
            questionerScore = decision.QuestionerWon() ? 1.0 : 0.0;
            break;
        }
    }
    for (TTunePosition& position : positions)
        position.outcome = OnQuestionerSide(position.board, position.army) ? questionerScore
                                                                           : 1.0 - questionerScore;
    return positions;
}

double Sigmoid(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

double& WeightAt(TSeerWeights& weights, int i) {
    return reinterpret_cast<double*>(&weights)[i];
}

}  // namespace

std::vector<TTunePosition> PlayTuneGames(const TTuneGamesOptions& options) {
    std::vector<std::vector<TTunePosition>> games(static_cast<std::size_t>(options.games));
    std::atomic<long> next{0};
    const auto work = [&] {
        for (long index = next++; index < options.games; index = next++)
            games[static_cast<std::size_t>(index)] = PlayOneGame(options, index);
    };
    std::vector<std::thread> workers;
    for (int i = 1; i < std::max(1, options.threads); ++i) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
    std::vector<TTunePosition> positions;
    for (auto& game : games)
        for (auto& position : game) positions.push_back(std::move(position));
    return positions;
}

double TuneLoss(const TSeerWeights& weights, double k, const std::vector<TTunePosition>& positions,
                bool heldOut) {
    double sum = 0;
    long count = 0;
    for (const TTunePosition& position : positions) {
        if (position.heldOut != heldOut) continue;
        const double guess = Sigmoid(k * SeerEvaluateWith(weights, position.board, position.army));
        sum += (guess - position.outcome) * (guess - position.outcome);
        ++count;
    }
    return count == 0 ? 0.0 : sum / static_cast<double>(count);
}

double FitScale(const TSeerWeights& weights, const std::vector<TTunePosition>& positions) {
    // The loss is smooth in k with one minimum: a golden-section search.
    double low = 0.01, high = 4.0;
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = high - ratio * (high - low), b = low + ratio * (high - low);
    double la = TuneLoss(weights, a, positions, false), lb = TuneLoss(weights, b, positions, false);
    for (int step = 0; step < 40; ++step) {
        if (la < lb) {
            high = b;
            b = a;
            lb = la;
            a = high - ratio * (high - low);
            la = TuneLoss(weights, a, positions, false);
        } else {
            low = a;
            a = b;
            la = lb;
            b = low + ratio * (high - low);
            lb = TuneLoss(weights, b, positions, false);
        }
    }
    return (low + high) / 2;
}

TFitReport FitWeights(const TSeerWeights& start, const std::vector<TTunePosition>& positions,
                      int maxPasses, const std::function<void(const std::string&)>& log,
                      std::uint32_t frozen) {
    TFitReport report;
    report.weights = start;
    report.k = FitScale(start, positions);
    report.fitBefore = TuneLoss(start, report.k, positions, false);
    report.heldBefore = TuneLoss(start, report.k, positions, true);
    // Each weight has its own step: doubled after a kept move, halved when
    // neither direction helps; the fit ends when every step is small.
    double steps[kSeerWeightCount];
    for (int i = 0; i < kSeerWeightCount; ++i)
        steps[i] =
            (frozen >> i) & 1u ? 0.0 : std::max(0.1 * std::abs(WeightAt(report.weights, i)), 0.1);
    double best = report.fitBefore;
    const auto settled = [&] {
        return std::all_of(std::begin(steps), std::end(steps),
                           [](double step) { return step < 0.01; });
    };
    while (report.passes < maxPasses && !settled()) {
        ++report.passes;
        for (int i = 0; i < kSeerWeightCount; ++i) {
            if (steps[i] < 0.01) continue;
            bool kept = false;
            for (const double sign : {1.0, -1.0}) {
                TSeerWeights trial = report.weights;
                WeightAt(trial, i) += sign * steps[i];
                const double loss = TuneLoss(trial, report.k, positions, false);
                if (loss < best) {
                    best = loss;
                    report.weights = trial;
                    kept = true;
                    break;
                }
            }
            steps[i] =
                kept ? std::min(2 * steps[i], std::max(std::abs(WeightAt(report.weights, i)), 1.0))
                     : steps[i] / 2;
        }
        char line[96];
        std::snprintf(line, sizeof line, "pass %d: loss %.6f ", report.passes, best);
        log(line + WeightsText(report.weights));
    }
    report.fitAfter = best;
    report.heldAfter = TuneLoss(report.weights, report.k, positions, true);
    return report;
}

bool FrozenWeights(const std::string& names, std::uint32_t& frozen) {
    static constexpr const char* kNames[kSeerWeightCount] = {
        "horse",           "bishop",         "bishopFavoured", "rook",          "queen",
        "queenFavoured",   "usableFace",     "inCheck",        "checkmated",    "ptahStep",
        "ptahNear",        "ptahHeld",       "ptahGuarded",    "ptahGuardNear", "targetOfMover",
        "targetOfWaiting", "defendedTarget", "ptahShut",       "ptahGuardStep", "kingRing",
        "defendedPiece",   "ptahSupport",    "questionerSide"};
    frozen = 0;
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t end = std::min(names.find(',', start), names.size());
        const std::string name = names.substr(start, end - start);
        const auto found = std::find(std::begin(kNames), std::end(kNames), name);
        if (found == std::end(kNames)) return false;
        frozen |= 1u << (found - std::begin(kNames));
        start = end + 1;
    }
    return true;
}

std::string WeightsText(const TSeerWeights& weights) {
    std::string text = "{";
    TSeerWeights copy = weights;
    for (int i = 0; i < kSeerWeightCount; ++i) {
        char number[32];
        std::snprintf(number, sizeof number, "%s%.3g", i == 0 ? "" : ", ", WeightAt(copy, i));
        text += number;
    }
    return text + "}";
}

}  // namespace vaeloric::tune
