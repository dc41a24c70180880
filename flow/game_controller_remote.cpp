// SPDX-License-Identifier: GPL-3.0-or-later

// Armies played at other screens: their throws and drops arrive from the
// network and are checked here as the window's are.
#include "flow/flow_texts.h"
#include "flow/game_controller.h"

namespace vaeloric {

// Waits for the network: the controller is told of the throw and the drop.
class TGameController::TRemoteSeat final : public TSeat {
  public:
    TSeatKind Kind() const override { return TSeatKind::Remote; }
    void AwaitThrow(long, std::int32_t) override {}
    bool Move(TTurnCycle&, long, std::int32_t) override { return false; }
};

void TGameController::PlayArmyRemotely(std::int32_t army) {
    if (army < 1 || army > 4) return;
    remote_[static_cast<std::size_t>(army)] = std::make_unique<TRemoteSeat>();
    cycle_.PlaceSeat(army, remote_[static_cast<std::size_t>(army)].get());
}

void TGameController::PlayArmyByComputer(std::int32_t army, std::int32_t code) {
    if (!ArmyIsRemote(army) || code == Human) return;
    game_.board.SetPlayerCode(army, code);
    cycle_.PlaceSeat(army, nullptr);  // the code's own seat
    remote_[static_cast<std::size_t>(army)].reset();
    if (army == game_.board.armyToMove) throwAsked_ = false;
    layer_.Invalidate();
}

bool TGameController::ArmyIsRemote(std::int32_t army) const {
    return army >= 1 && army <= 4 && remote_[static_cast<std::size_t>(army)] != nullptr;
}

bool TGameController::RemoteThrow(std::int32_t army, long turn, TDieFace face) {
    if (!AcceptsInput() || !ArmyIsRemote(army) || army != game_.board.armyToMove ||
        turn != TurnNumber() || game_.turn.throwValue != 0 || face < 0 || face > 6)
        return false;
    // An entered face is taken as ENTER takes one here.
    ThrowFace(face == 0 ? static_cast<TDieFace>(dice_() % 6 + 1) : face);
    return true;
}

bool TGameController::RemoteDrop(std::int32_t army, long turn, TSquare from, TSquare to) {
    if (!AcceptsInput() || !ArmyIsRemote(army) || army != game_.board.armyToMove ||
        turn != TurnNumber() || game_.turn.throwValue == 0)
        return false;
    const auto onBoard = [](TSquare s) {
        return s.rank >= 1 && s.rank <= 8 && s.file >= 1 && s.file <= 8;
    };
    if (!onBoard(from) || !onBoard(to) || SquaresEqual(from, to)) return false;
    TBoard& board = game_.board;
    const TPiece target = board.GetPiece(to.rank, to.file);
    if (target.kind == King || target.kind == CombinedKing) return false;
    const std::int32_t kind = board.GetPiece(from.rank, from.file).kind;
    if (kind < HorsePawn || kind > CombinedKing) return false;
    SquareRecord move = SquareRecord::Onto(to, target);
    return cycle_.HumanMove(from, move) == TDropResult::Moved;
}

void TGameController::TakeThrow(long turn, TDieFace face) {
    if (!setupDone_ || ended_ || turn != TurnNumber() || game_.turn.throwValue != 0 || face < 0 ||
        face > 6 || ArmyIsRemote(game_.board.armyToMove))
        return;
    throwAsked_ = false;
    // Face 0: the host still waits for the throw (a request lost with the
    // line), so THROW and ENTER work again.
    if (face == 0) return layer_.Invalidate();
    ThrowFace(face);
}

bool TGameController::FollowTurn(const TPlayedTurn& turn, bool quietly) {
    quiet_ = quietly;
    const bool followed = Follow(turn);
    quiet_ = false;
    return followed;
}

bool TGameController::Follow(const TPlayedTurn& turn) {
    if (!setupDone_ || ended_ || turn.turn != TurnNumber() || turn.army != game_.board.armyToMove ||
        turn.face < 0 || turn.face > 6)
        return false;
    // This screen's army may have its face already, from the host's prompt.
    if (game_.turn.throwValue != 0 && game_.turn.throwValue != turn.face) return false;
    throwAsked_ = false;
    if (game_.turn.throwValue == 0) {
        const long before = TurnNumber();
        ThrowFace(turn.face);
        if (TurnNumber() != before) return turn.missed;  // the throw lost the turn
    }
    if (turn.missed) return false;
    const auto onBoard = [](TSquare s) {
        return s.rank >= 1 && s.rank <= 8 && s.file >= 1 && s.file <= 8;
    };
    if (!onBoard(turn.from) || !onBoard(turn.to)) return false;
    const TPiece target = game_.board.GetPiece(turn.to.rank, turn.to.file);
    SquareRecord move = SquareRecord::Onto(turn.to, target);
    return cycle_.HumanMove(turn.from, move) == TDropResult::Moved;
}

}  // namespace vaeloric
