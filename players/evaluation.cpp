// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/evaluation.h"

#include <string>

#include "game/check.h"
#include "game/dice_rule.h"
#include "game/internal_error.h"
#include "players/compact_moves.h"
#include "players/int32_math.h"
#include "players/opponent_profiles.h"
#include "players/rules_bridge.h"

namespace vaeloric {

using namespace players;

namespace {

TSquare Sq(int rank, int file) {
    return TSquare{rank, file};
}

bool OnSameSide(std::int32_t army, std::int32_t other) {
    return army == other || AllyOf(army) == other;
}

// The enemies that can take a piece where it stands, counted once per kind
// class and enemy army.
struct TAttackerTally {
    bool hostileKing = false;            // an enemy King stands next to it
    std::int32_t weight = 0;             // 2 a pawn, 1 any other attacker
    std::int32_t realThreats = 0;        // attackers with no richer capture
    std::int32_t cheapest = kBestScore;  // the value of the cheapest attacker
};

// The pieces that could retake on the square once the piece is taken.
struct TDefenderTally {
    bool any = false;
    std::int32_t weight = 0;  // 2 a pawn, 1 any other defender
    std::int32_t real = 0;    // defenders with no capture above the cheapest attacker
};

class TEvaluation {
  public:
    TEvaluation(TBoard& board_, std::int32_t army_, std::int32_t ptahFactor_)
        : board(board_), a(army_), ptahFactor(ptahFactor_) {}

    std::int32_t Run();

  private:
    bool HasSafeMove(TCompactList& list, TDieFace die, std::int32_t hostileTo);
    void DiceSurvey();
    void PtahTerm();
    void Exposure(TSquare square, const TPiece& piece, std::int32_t& exposure);
    bool TallyAttackers(TSquare square, const TPiece& piece, TAttackerTally& tally);
    TDefenderTally TallyDefenders(TSquare square, const TPiece& piece,
                                  std::int32_t cheapestAttacker);
    void PieceMoves(TSquare s, const TPiece& x, bool own);
    bool ReachesPtah(TSquare t, std::int32_t kind);
    bool AttacksPtah(TSquare t);
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
    // The attacks on the board as it stands after the trial move.
    TAttackMap attackMap;
    TArmySquares armySquares[5];
    // Lists made while an examined square is emptied for the defender scan.
    TCompactList defenderLists[5][7];
    bool defenderListMade[5][7];

    std::int32_t material = 0, ownExposure = 0, enemyExposure = 0;
    std::int32_t ownMobility = 0, enemyRestricted = 0, ptahTerm = 0;
    std::int32_t diceCoverage = 12, diceBlock = 0, checkmatedEnemies = 0;
};

bool TEvaluation::HasSafeMove(TCompactList& list, TDieFace die, std::int32_t hostileTo) {
    // Every move is tried, also after a safe one has been found: the take-back
    // of a trial promotion resets the pawn's value, which later steps read.
    // What each trial finds is kept for the moves of the board scan.
    bool safe = false;
    for (int i = 0; i < list.count; ++i) {
        TCompactMove& m = list.moves[i];
        const TSquare from = Sq(m.fromRank, m.fromFile);
        const TSquare to = Sq(m.toRank, m.toFile);
        bool attacked;
        if (m.promotes == 1 || board.At(m.fromRank, m.fromFile).kind == CombinedKing) {
            // These trials change values (promotion) or leave a piece behind.
            const SquareRecord target = TargetRecord(board, m);
            MakeAnyMove(board, from, target, FaceMovesKing(die));
            attacked = CountAttackers(board, to, hostileTo) > 0;
            TakeBack(board, target, from);
        } else {
            // Any other trial comes back exactly, and the count of attackers
            // of the destination ignores what stands on it: only the emptied
            // origin matters.
            attacked = attackMap.AttackedWithoutOrigin(board, hostileTo, to, from);
        }
        m.attacked = attacked ? 1 : 0;
        if (!attacked) safe = true;
    }
    return safe;
}

void TEvaluation::DiceSurvey() {
    const std::int32_t ally = AllyOf(a);
    const std::int32_t next = NextArmy(a);
    const std::int32_t previous = PreviousArmy(a);
    for (TDieFace die = 1; die <= 6; ++die) {
        lists[a][die].Build(board, a, die, &attackMap, &armySquares[a]);
        if (!HasSafeMove(lists[a][die], die, a)) diceCoverage = Sub32(diceCoverage, 1);
        lists[ally][die].Build(board, ally, die, &attackMap, &armySquares[ally]);
        if (!HasSafeMove(lists[ally][die], die, a)) diceCoverage = Sub32(diceCoverage, 1);
        lists[next][die].Build(board, next, die, &attackMap, &armySquares[next]);
        if (!HasSafeMove(lists[next][die], die, next)) diceBlock = Add32(diceBlock, 1);
        lists[previous][die].Build(board, previous, die, &attackMap, &armySquares[previous]);
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

// What an attacked piece adds to its side's exposure, from its value and
// the two tallies of its square. A real threat puts the value at stake; a
// threat that a better capture elsewhere would take first, a quarter of it.
std::int32_t ExposureOf(std::int32_t value, TAttackerTally attackers, TDefenderTally defenders) {
    const bool threatened = attackers.realThreats != 0;
    if (!defenders.any) return threatened ? Mul32(value, attackers.weight) : Div32(value, 4);
    // An enemy King next to a defended piece cannot take it.
    if (attackers.hostileKing && defenders.weight > 0) {
        attackers.weight -= 1;
        defenders.real -= 1;
    }
    if (defenders.real == 0) {
        const std::int32_t stake = threatened ? Mul32(value, attackers.weight) : Div32(value, 4);
        return Div32(Mul32(stake, 3), 4);
    }
    // Defended: only the trade of the piece for a cheaper attacker counts,
    // for each attacker more than there are defenders.
    const bool richer = value > attackers.cheapest;
    std::int32_t trade = 0;
    if (attackers.weight > defenders.weight && richer) {
        trade = Mul32(Sub32(value, attackers.cheapest), attackers.weight - defenders.weight);
    } else if (richer && attackers.weight != 0) {
        trade = Sub32(value, attackers.cheapest);
    }
    return threatened ? trade : Div32(trade, 4);
}

void TEvaluation::Exposure(TSquare square, const TPiece& piece, std::int32_t& exposure) {
    TAttackerTally attackers;
    if (!TallyAttackers(square, piece, attackers)) return;
    const TDefenderTally defenders = TallyDefenders(square, piece, attackers.cheapest);
    exposure = Add32(exposure, ExposureOf(piece.value, attackers, defenders));
}

bool TEvaluation::TallyAttackers(TSquare square, const TPiece& piece, TAttackerTally& tally) {
    tally.hostileKing = HostileKingAdjacent(board, square, piece.army);
    // Most pieces stand unattacked: the map says so without a search.
    if (!tally.hostileKing && !attackMap.Attacked(piece.army, square.rank, square.file))
        return false;
    TSquare attackers[kAttackerRoom];
    const int attackerCount = Attackers(board, square, piece.army, attackers);
    if (attackerCount == 0 && !tally.hostileKing) return false;

    if (tally.hostileKing) {
        tally.weight += 1;
        tally.realThreats += 1;
    }
    // One attacker per (kind class, enemy army); the first repeat ends the scan.
    bool counted[7][2] = {};
    const std::int32_t armyAfter = NextArmy(piece.army);
    for (int i = 0; i < attackerCount; ++i) {
        const TPiece& attacker = board.At(attackers[i].rank, attackers[i].file);
        // The face that moves a kind also names its class (pawns, Queen,
        // Horse, Rook, Bishop); Kings never attack.
        const TDieFace die = FaceForKind(board, attacker.kind);
        const int enemy = attacker.army == armyAfter ? 0 : 1;
        if (counted[die][enemy]) break;
        if (die == 0) continue;
        const TCompactList& list = lists[attacker.army][die];
        if (list.Find(attackers[i], square) == nullptr) continue;
        tally.weight += IsPawnKind(attacker.kind) ? 2 : 1;
        counted[die][enemy] = true;
        if (attacker.value < tally.cheapest) tally.cheapest = attacker.value;
        if (list.NoCaptureAbove(board, piece.value)) tally.realThreats += 1;
    }
    return true;
}

TDefenderTally TEvaluation::TallyDefenders(TSquare square, const TPiece& piece,
                                           std::int32_t cheapestAttacker) {
    TDefenderTally tally;
    const std::int32_t armyAfter = NextArmy(piece.army);
    TSquare defenders[kAttackerRoom];
    const int defenderCount = Attackers(board, square, armyAfter, defenders);
    const bool friendlyKing = HostileKingAdjacent(board, square, armyAfter);
    if (defenderCount == 0 && !friendlyKing) return tally;
    tally.any = true;

    // A defender retakes on the square the attacker has emptied; a King is
    // never taken, so it stays.
    const bool emptied = piece.kind != King && piece.kind != CombinedKing;
    if (emptied) board.At(square.rank, square.file) = TPiece{};
    if (friendlyKing) {
        tally.weight += 1;
        tally.real += 1;
    }
    for (auto& row : defenderListMade)
        for (bool& made : row) made = false;
    for (int i = 0; i < defenderCount; ++i) {
        const TPiece& defender = board.At(defenders[i].rank, defenders[i].file);
        const TDieFace die = FaceForKind(board, defender.kind);
        if (die == 0) continue;
        TCompactList* list = &lists[defender.army][die];
        if (emptied) {
            list = &defenderLists[defender.army][die];
            if (!defenderListMade[defender.army][die]) {
                list->Build(board, defender.army, die, nullptr, nullptr);
                defenderListMade[defender.army][die] = true;
            }
        }
        if (list->Find(defenders[i], square) == nullptr) continue;
        tally.weight += IsPawnKind(defender.kind) ? 2 : 1;
        if (list->NoCaptureAbove(board, cheapestAttacker)) tally.real += 1;
    }
    if (emptied) board.At(square.rank, square.file) = piece;
    return tally;
}

// The moves of a piece in the board scan: its own generator (a CombinedKing
// as its companion, a King none), less the moves that expose its King. The
// legal list of its army for its face holds the same moves in the same order,
// less King captures, with the survey's finding for each; only a King
// capture needs its own exposure test and count.
void TEvaluation::PieceMoves(TSquare s, const TPiece& x, bool own) {
    if (x.kind == King) return;
    const std::int32_t kind = x.kind == CombinedKing ? board.CompanionKind() : x.kind;
    const TDieFace die = FaceForKind(board, x.kind);
    const TCompactList& list = lists[x.army][die];
    const int index = SquareIndex(s.rank, s.file);
    int next = list.blockStart[index];
    const int end = list.blockLength[index] != 0 ? next + list.blockLength[index] : next;
    // Marking a piece that attacks the Ptah square hostile to the Questioner
    // concerns only pieces of the other side, off the square.
    const bool mayMark = own && !OnSameSide(q, x.army) && !SquaresEqual(s, p);
    bool marked = false;
    TSquare king{0, 0};
    bool kingFound = false;

    SquareRecord moves[kPieceListRoom];
    const int n = GeneratePieceMoves(board, s, kind, moves);
    for (int i = 0; i < n; ++i) {
        const SquareRecord& to = moves[i];
        const TSquare t = to.Square();
        int attacked = -1;  // unknown
        if (next < end && list.moves[next].toRank == t.rank && list.moves[next].toFile == t.file) {
            attacked = list.moves[next++].attacked;
        } else if (CapturesKing(to)) {
            if (!kingFound) {
                king = KingSquare(board, x.army);
                kingFound = true;
            }
            if (ExposesKing(board, s, to, king)) continue;
        } else {
            continue;  // exposes its King
        }

        const bool realTrial = x.kind == CombinedKing || to.promotes == 1;
        TPiece standing;
        if (realTrial) {
            MakeAnyMove(board, s, to, false);
        } else {
            // The same position as the make, short of values, which nothing
            // here reads.
            standing = board.At(t.rank, t.file);
            board.At(t.rank, t.file) = x;
            board.At(s.rank, s.file) = TPiece{};
        }
        if (attacked < 0) attacked = CountAttackers(board, t, x.army) > 0 ? 1 : 0;
        if (own) {
            if (mayMark && !marked && ReachesPtah(t, kind) && AttacksPtah(t)) marked = true;
            if (attacked == 0) ownMobility += 1;
            if (t.rank >= 4 && t.rank <= 5 && t.file >= 4 && t.file <= 5) ownMobility += 1;
        } else if (attacked != 0) {
            enemyRestricted += 1;
        }
        if (realTrial) {
            TakeBack(board, to, s);
        } else {
            board.At(s.rank, s.file) = x;
            board.At(t.rank, t.file) = standing;
        }
    }
    if (marked) ptahTerm += OnSameSide(q, x.army) ? -20 : 20;
}

// One of the moves of the kind from the square reaches the Ptah square.
bool TEvaluation::ReachesPtah(TSquare t, std::int32_t kind) {
    SquareRecord onward[kPieceListRoom];
    const int m = GeneratePieceMoves(board, t, kind, onward);
    for (int j = 0; j < m; ++j) {
        if (SquaresEqual(onward[j].Square(), p)) return true;
    }
    return false;
}

// The square is among the attackers of the Ptah square hostile to the
// Questioner.
bool TEvaluation::AttacksPtah(TSquare t) {
    TSquare attackers[kAttackerRoom];
    const int count = Attackers(board, p, q, attackers);
    for (int j = 0; j < count; ++j) {
        if (SquaresEqual(attackers[j], t)) return true;
    }
    return false;
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

    attackMap.Build(board);
    for (std::int32_t army = 1; army <= 4; ++army) armySquares[army].Build(board, army);
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
                PieceMoves(s, x, true);
            } else {
                material = Sub32(material, x.value);
                Exposure(s, x, enemyExposure);
                PieceMoves(s, x, false);
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

std::int32_t EvaluatePosition(TBoard& board, std::int32_t army, std::int32_t ptahFactor) {
    TEvaluation evaluation(board, army, ptahFactor);
    return evaluation.Run();
}

}  // namespace vaeloric
