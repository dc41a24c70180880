// SPDX-License-Identifier: GPL-3.0-or-later

// The evaluation written out step by step as the rules state it, with no
// shortcut: every trial move made and taken back, every list made afresh.
// The program's evaluation must give the same scores and leave the same
// piece values.

#include "reference_evaluation.h"

#include <string>

#include "game/check.h"
#include "game/dice_rule.h"
#include "game/internal_error.h"
#include "game/legal_moves.h"
#include "players/evaluation.h"
#include "players/int32_math.h"
#include "players/opponent_profiles.h"
#include "players/rules_bridge.h"

namespace vaeloric::testing_support {

using namespace players;

namespace {

constexpr int kCheckmated = 2;

bool CapturesKing(const SquareRecord& to) {
    return to.capture == 1 && (to.captured.kind == King || to.captured.kind == CombinedKing);
}

template <typename Fn>
void LiteralLegalMoves(TBoard& board, std::int32_t army, TDieFace die, Fn&& fn) {
    if (die < 1 || die > 6) return;
    SquareRecord moves[kPieceListRoom];
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army != army) continue;
            const std::int32_t kind = MoveKindForFace(board, die, piece.kind);
            if (kind == 0) continue;
            const TSquare origin{rank, file};
            const SquareRecord from = SquareRecord::At(origin);
            if (kind == King) {
                // King steps are tested for attack already; only a King
                // capture (possible only on a board read from a file) is left out.
                const int n = GenerateKingMoves(board, origin, army, moves);
                for (int i = 0; i < n; ++i) {
                    if (!CapturesKing(moves[i])) fn(from, moves[i]);
                }
                continue;
            }
            const int n = GeneratePieceMoves(board, origin, kind, moves);
            for (int i = 0; i < n; ++i) {
                if (CapturesKing(moves[i])) continue;
                if (MoveExposesKing(board, from, moves[i])) continue;
                fn(from, moves[i]);
            }
        }
    }
}

// A legal move in the evaluation's own compact form. The captured piece is
// read from the board when needed, since trial promotions may have changed
// its value since the list was made.
struct TCompactMove {
    std::int8_t fromRank, fromFile, toRank, toFile;
    std::int8_t capture, promotes;
};

struct TCompactList {
    int count = 0;
    TCompactMove moves[kMaxLegalMoves];

    void Build(TBoard& board, std::int32_t army, TDieFace die) {
        count = 0;
        LiteralLegalMoves(board, army, die, [&](const SquareRecord& from, const SquareRecord& to) {
            if (count >= kMaxLegalMoves) return;
            moves[count++] = TCompactMove{
                static_cast<std::int8_t>(from.rank),  static_cast<std::int8_t>(from.file),
                static_cast<std::int8_t>(to.rank),    static_cast<std::int8_t>(to.file),
                static_cast<std::int8_t>(to.capture), static_cast<std::int8_t>(to.promotes)};
        });
    }

    bool Contains(TSquare from, TSquare to) const {
        for (int i = 0; i < count; ++i) {
            const TCompactMove& m = moves[i];
            if (m.fromRank == from.rank && m.fromFile == from.file && m.toRank == to.rank &&
                m.toFile == to.file)
                return true;
        }
        return false;
    }

    // No move of the list captures a piece worth more than the value.
    bool NoCaptureAbove(const TBoard& board, std::int32_t value) const {
        for (int i = 0; i < count; ++i) {
            const TCompactMove& m = moves[i];
            if (m.capture == 1 && board.At(m.toRank, m.toFile).value > value) return false;
        }
        return true;
    }
};

SquareRecord TargetRecord(const TBoard& board, const TCompactMove& m) {
    SquareRecord to;
    to.rank = m.toRank;
    to.file = m.toFile;
    to.capture = m.capture;
    if (m.capture == 1) to.captured = board.At(m.toRank, m.toFile);
    to.promotes = m.promotes;
    return to;
}

TSquare Sq(int rank, int file) {
    return TSquare{rank, file};
}

bool OnSameSide(std::int32_t army, std::int32_t other) {
    return army == other || AllyOf(army) == other;
}

class TEvaluation {
  public:
    TEvaluation(TBoard& board_, std::int32_t army_, std::int32_t ptahFactor_)
        : board(board_), a(army_), ptahFactor(ptahFactor_) {}

    std::int32_t Run();

  private:
    bool HasSafeMove(const TCompactList& list, TDieFace die, std::int32_t hostileTo);
    void DiceSurvey();
    void PtahTerm();
    void Exposure(TSquare s, const TPiece& x, std::int32_t& exposure);
    int MovesOf(TSquare s, const TPiece& x, SquareRecord* moves);
    void OwnMoves(TSquare s, const TPiece& x);
    void EnemyMoves(TSquare s, const TPiece& x);
    std::int32_t Decided(std::int32_t score);

    TBoard& board;
    const std::int32_t a;
    const std::int32_t ptahFactor;
    std::int32_t q = 0;
    TSquare p;
    int status[5] = {0, 0, 0, 0, 0};
    // Legal lists of the board as it stands after the trial move, by army
    // and die face: built by the dice survey, reused by the attacker scan.
    TCompactList lists[5][7];
    TCompactList fresh;

    std::int32_t material = 0, ownExposure = 0, enemyExposure = 0;
    std::int32_t ownMobility = 0, enemyRestricted = 0, ptahTerm = 0;
    std::int32_t diceCoverage = 12, diceBlock = 0, checkmatedEnemies = 0;
};

bool TEvaluation::HasSafeMove(const TCompactList& list, TDieFace die, std::int32_t hostileTo) {
    // Every move is tried, also after a safe one has been found: the take-back
    // of a trial promotion resets the pawn's value, which later steps read.
    bool safe = false;
    for (int i = 0; i < list.count; ++i) {
        const TCompactMove& m = list.moves[i];
        const TSquare from = Sq(m.fromRank, m.fromFile);
        const SquareRecord to = TargetRecord(board, m);
        const bool asKing = die == 1;
        MakeAnyMove(board, from, to, asKing);
        if (CountAttackers(board, to.Square(), hostileTo) == 0) safe = true;
        TakeBack(board, to, from);
    }
    return safe;
}

void TEvaluation::DiceSurvey() {
    const std::int32_t ally = AllyOf(a);
    const std::int32_t next = NextArmy(a);
    const std::int32_t previous = PreviousArmy(a);
    for (TDieFace die = 1; die <= 6; ++die) {
        lists[a][die].Build(board, a, die);
        if (!HasSafeMove(lists[a][die], die, a)) diceCoverage = Sub32(diceCoverage, 1);
        lists[ally][die].Build(board, ally, die);
        if (!HasSafeMove(lists[ally][die], die, a)) diceCoverage = Sub32(diceCoverage, 1);
        lists[next][die].Build(board, next, die);
        if (!HasSafeMove(lists[next][die], die, next)) diceBlock = Add32(diceBlock, 1);
        lists[previous][die].Build(board, previous, die);
        if (!HasSafeMove(lists[previous][die], die, next)) diceBlock = Add32(diceBlock, 1);
    }
}

void TEvaluation::PtahTerm() {
    const TSquare ownKing = KingSquare(board, a);
    std::int32_t term = 0;
    if (ownKing.rank != 0) term = 2 * (5 - KingDistanceToPtah(board, a));
    if (term < 0) term = 0;
    if (term == 8) term = 100;
    const bool opposed = !OnSameSide(q, a);
    const bool ptahAttacked = CountAttackers(board, p, q) > 0;
    if ((ptahAttacked && opposed) || (!ptahAttacked && !opposed)) term += 20;
    const TSquare qKing = KingSquare(board, q);
    if (qKing.rank != 0 && KingDistanceToPtah(board, q) == 1) {
        term += opposed ? -10 : 10;
        SquareRecord kingMoves[kPieceListRoom];
        const int n = GenerateKingMoves(board, qKing, q, kingMoves);
        for (int i = 0; i < n; ++i) {
            if (SquaresEqual(kingMoves[i].Square(), p)) term += opposed ? -20 : 20;
        }
    }
    ptahTerm = term;
}

void TEvaluation::Exposure(TSquare s, const TPiece& x, std::int32_t& exposure) {
    const std::int32_t v = x.value;
    TSquare attackers[kAttackerRoom];
    const int attackerCount = Attackers(board, s, x.army, attackers);
    const bool hostileKing = HostileKingAdjacent(board, s, x.army);
    if (attackerCount == 0 && !hostileKing) return;

    std::int32_t attackWeight = 0, realThreats = 0, minAttacker = kBestScore;
    if (hostileKing) {
        attackWeight += 1;
        realThreats += 1;
    }
    // One attacker per (kind class, enemy army); the first repeat ends the scan.
    bool counted[7][2] = {};
    const std::int32_t armyAfter = NextArmy(x.army);
    for (int i = 0; i < attackerCount; ++i) {
        const TPiece& attacker = board.At(attackers[i].rank, attackers[i].file);
        // The face that moves a kind also names its class (pawns, Queen,
        // Horse, Rook, Bishop); Kings never attack.
        const TDieFace die = FaceForKind(board, attacker.kind);
        const int enemy = attacker.army == armyAfter ? 0 : 1;
        if (counted[die][enemy]) break;
        if (die == 0) continue;
        // Made afresh for every attacker, as the rules say.
        TCompactList& list = fresh;
        list.Build(board, attacker.army, die);
        if (!list.Contains(attackers[i], s)) continue;
        attackWeight += IsPawnKind(attacker.kind) ? 2 : 1;
        counted[die][enemy] = true;
        if (attacker.value < minAttacker) minAttacker = attacker.value;
        if (list.NoCaptureAbove(board, v)) realThreats += 1;
    }

    TSquare defenders[kAttackerRoom];
    const int defenderCount = Attackers(board, s, armyAfter, defenders);
    const bool friendlyKing = HostileKingAdjacent(board, s, armyAfter);
    if (defenderCount == 0 && !friendlyKing) {
        exposure = Add32(exposure, realThreats != 0 ? Mul32(v, attackWeight) : Div32(v, 4));
        return;
    }

    const bool emptied = x.kind != King && x.kind != CombinedKing;
    if (emptied) board.At(s.rank, s.file) = TPiece{};
    std::int32_t defendWeight = 0, realDefenders = 0;
    if (friendlyKing) {
        defendWeight += 1;
        realDefenders += 1;
    }
    for (int i = 0; i < defenderCount; ++i) {
        const TPiece& defender = board.At(defenders[i].rank, defenders[i].file);
        const TDieFace die = FaceForKind(board, defender.kind);
        if (die == 0) continue;
        TCompactList* list = &fresh;
        list->Build(board, defender.army, die);
        if (!list->Contains(defenders[i], s)) continue;
        defendWeight += IsPawnKind(defender.kind) ? 2 : 1;
        if (list->NoCaptureAbove(board, minAttacker)) realDefenders += 1;
    }
    if (hostileKing && defendWeight > 0) {
        attackWeight -= 1;
        realDefenders -= 1;
    }

    std::int32_t add = 0;
    const bool richer = v > minAttacker;
    if (realThreats != 0) {
        if (realDefenders == 0) {
            add = Div32(Mul32(Mul32(v, attackWeight), 3), 4);
        } else if (attackWeight > defendWeight && richer) {
            add = Mul32(Sub32(v, minAttacker), attackWeight - defendWeight);
        } else if (richer && attackWeight != 0) {
            add = Sub32(v, minAttacker);
        }
    } else {
        if (realDefenders == 0) {
            add = Div32(Mul32(Div32(v, 4), 3), 4);
        } else if (attackWeight > defendWeight && richer) {
            add = Div32(Mul32(Sub32(v, minAttacker), attackWeight - defendWeight), 4);
        } else if (richer && attackWeight != 0) {
            add = Div32(Sub32(v, minAttacker), 4);
        }
    }
    exposure = Add32(exposure, add);
    if (emptied) board.At(s.rank, s.file) = x;
}

// The piece's own moves (a CombinedKing as its companion) that keep its
// King safe; none for a King.
int TEvaluation::MovesOf(TSquare s, const TPiece& x, SquareRecord* moves) {
    if (x.kind == King) return 0;
    const std::int32_t kind = x.kind == CombinedKing ? board.CompanionKind() : x.kind;
    SquareRecord all[kPieceListRoom];
    const int n = GeneratePieceMoves(board, s, kind, all);
    const SquareRecord from = SquareRecord::At(s);
    int kept = 0;
    for (int i = 0; i < n; ++i) {
        if (MoveExposesKing(board, from, all[i])) continue;
        moves[kept++] = all[i];
    }
    return kept;
}

void TEvaluation::OwnMoves(TSquare s, const TPiece& x) {
    SquareRecord moves[kPieceListRoom];
    const int n = MovesOf(s, x, moves);
    const std::int32_t kind = x.kind == CombinedKing ? board.CompanionKind() : x.kind;
    const bool onPtah = SquaresEqual(s, p);
    bool marked = false;
    for (int i = 0; i < n; ++i) {
        const SquareRecord& to = moves[i];
        const TSquare t = to.Square();
        MakeAnyMove(board, s, to, false);
        if (!onPtah && !marked) {
            TSquare ptahAttackers[kAttackerRoom];
            const int attackerCount = Attackers(board, p, q, ptahAttackers);
            bool attacks = false;
            for (int j = 0; j < attackerCount; ++j)
                attacks = attacks || SquaresEqual(ptahAttackers[j], t);
            if (attacks) {
                SquareRecord onward[kPieceListRoom];
                const int m = GeneratePieceMoves(board, t, kind, onward);
                for (int j = 0; j < m; ++j) marked = marked || SquaresEqual(onward[j].Square(), p);
            }
        }
        if (CountAttackers(board, t, x.army) == 0) ownMobility += 1;
        if (t.rank >= 4 && t.rank <= 5 && t.file >= 4 && t.file <= 5) ownMobility += 1;
        TakeBack(board, to, s);
    }
    if (marked) ptahTerm += OnSameSide(q, x.army) ? -20 : 20;
}

void TEvaluation::EnemyMoves(TSquare s, const TPiece& x) {
    SquareRecord moves[kPieceListRoom];
    const int n = MovesOf(s, x, moves);
    for (int i = 0; i < n; ++i) {
        const SquareRecord& to = moves[i];
        MakeAnyMove(board, s, to, false);
        if (CountAttackers(board, to.Square(), x.army) > 0) enemyRestricted += 1;
        TakeBack(board, to, s);
    }
}

std::int32_t TEvaluation::Decided(std::int32_t score) {
    const TSquare qKing = KingSquare(board, q);
    const bool questionerOnPtah = qKing.rank != 0 && SquaresEqual(qKing, p);
    if (!OnSameSide(q, a)) {
        if (questionerOnPtah && CountAttackers(board, p, q) > 0) score = kBestScore;
        const TSquare ownKing = KingSquare(board, a);
        if (ownKing.rank != 0 && SquaresEqual(ownKing, p)) score = kBestScore;
    } else if (questionerOnPtah) {
        score = CountAttackers(board, p, q) > 0 ? kWorstScore : kPtahHeldScore;
    }
    if (status[NextArmy(a)] == kCheckmated && status[PreviousArmy(a)] == kCheckmated)
        score = kBestScore;
    if (status[a] == kCheckmated && status[AllyOf(a)] == kCheckmated) score = kWorstScore;
    return score;
}

std::int32_t TEvaluation::Run() {
    const TOpponentProfile& w = OpponentProfile(board.GetPlayerCode(a));
    q = board.questionerArmy;
    p = board.ptah;
    // Check status does not depend on piece values, so one computation serves
    // both the count of checkmated enemies and the decided positions.
    for (std::int32_t army = 1; army <= 4; ++army) status[army] = ArmyCheckStatus(board, army);
    if (status[NextArmy(a)] == kCheckmated) checkmatedEnemies += 1;
    if (status[PreviousArmy(a)] == kCheckmated) checkmatedEnemies += 1;

    DiceSurvey();
    PtahTerm();

    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece x = board.At(rank, file);
            if (x.kind == Empty) continue;
            if (x.kind < HorsePawn || x.kind > CombinedKing) {
                throw TInternalError("Impossible piece kind " + std::to_string(x.kind));
            }
            const TSquare s = Sq(rank, file);
            if (OnSameSide(a, x.army)) {
                material = Add32(material, x.value);
                Exposure(s, x, ownExposure);
                OwnMoves(s, x);
            } else {
                material = Sub32(material, x.value);
                Exposure(s, x, enemyExposure);
                EnemyMoves(s, x);
            }
        }
    }

    std::int32_t sum = Mul32(w.materialWeight, material);
    sum = Add32(sum, Mul32(w.threatWeight, enemyExposure));
    sum = Sub32(sum, Mul32(w.exposureWeight, ownExposure));
    sum = Add32(sum, Mul32(w.mobilityWeight, ownMobility));
    sum = Add32(sum, Mul32(w.controlWeight, enemyRestricted));
    sum = Add32(sum, Mul32(ptahFactor, ptahTerm));
    sum = Add32(sum, Mul32(w.diceCoverageWeight, diceCoverage));
    sum = Add32(sum, Mul32(w.diceBlockWeight, diceBlock));
    sum = Add32(sum, Mul32(w.checkmateWeight, checkmatedEnemies));
    return Decided(sum);
}

}  // namespace

std::int32_t ReferenceEvaluatePosition(TBoard& board, std::int32_t army, std::int32_t ptahFactor) {
    TEvaluation evaluation(board, army, ptahFactor);
    return evaluation.Run();
}

}  // namespace vaeloric::testing_support
