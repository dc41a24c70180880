// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/move_reading.h"

#include <string>

#include "game/internal_error.h"
#include "reading/correspondences.h"
#include "reading/reading_sentences.h"

namespace vaeloric {

namespace {

// Aspect groups of the squares, rows from rank 8 down to rank 1, files A..H.
// Layout A serves the Air and Water boards, layout B the Fire and Earth boards.
// clang-format off
constexpr int kLayoutA[8][8] = {
    {13, 14, 15, 12, 7, 4, 1, 10}, {9, 6, 3, 0, 11, 8, 5, 2},  {1, 10, 7, 4, 15, 12, 13, 14},
    {5, 2, 11, 8, 3, 0, 9, 6},     {8, 11, 2, 5, 6, 9, 0, 3},  {4, 7, 10, 1, 14, 13, 12, 15},
    {0, 3, 6, 9, 2, 5, 8, 11},     {12, 15, 14, 13, 10, 1, 4, 7},
};
constexpr int kLayoutB[8][8] = {
    {1, 4, 7, 10, 1, 4, 7, 10},     {9, 0, 3, 6, 9, 0, 3, 6},   {13, 15, 12, 14, 13, 12, 15, 14},
    {5, 8, 11, 2, 5, 8, 11, 2},     {0, 9, 6, 3, 0, 9, 6, 3},   {4, 1, 10, 7, 4, 1, 10, 7},
    {8, 5, 2, 11, 8, 5, 2, 11},     {12, 13, 14, 15, 12, 13, 14, 15},
};
// clang-format on

// The sign (or element), trump and geomantic figure of each aspect group.
// clang-format off
constexpr int kGroupInputs[16][3] = {
    {Capricorn, TheDevil, Carcer},       {Aquarius, Star, Tristitia},
    {Pisces, Moon, Laetitia},            {Aries, TheEmperor, Puer},
    {Taurus, Pope, Amissio},             {Gemini, TheLovers, Albus},
    {Cancer, Chariot, Populus},          {Leo, Strength, FortunaMajor},
    {Virgo, TheHermit, Conjunctio},      {Libra, Justice, Puella},
    {AirUnit, Death, Rubeus},            {Sagittarius, Temperance, Acquistio},
    {EarthUnit, World, CaputDraconis},   {AirUnit, TheFool, FortunaMinor},
    {WaterUnit, HangedMan, Via},         {FireUnit, Judgement, CaudaDraconis},
};
// clang-format on

// Influence levels of the pawn kinds 1..4 by board quarter (see Quarter).
constexpr int kPawnInfluence[4][4] = {{2, 3, 4, 1}, {4, 1, 2, 3}, {3, 2, 1, 4}, {1, 4, 3, 2}};

// Influence levels of Queen, Horse, Rook, King, Bishop by element code 1..4,
// board quarter and army 1..4.
// clang-format off
constexpr const char* kPieceInfluence[4][4][4] = {
    {{"20023", "00034", "00100", "02000"}, {"03034", "10012", "02000", "00100"},
     {"02020", "00110", "00044", "00000"}, {"00220", "02010", "40003", "00034"}},  // Air
    {{"00010", "20430", "01000", "00200"}, {"30030", "00320", "00200", "03020"},
     {"00210", "01020", "30030", "30003"}, {"01010", "00220", "00000", "40040"}},  // Water
    {{"00300", "04430", "23020", "00012"}, {"04040", "00300", "00022", "10010"},
     {"00002", "00000", "03030", "00010"}, {"40000", "00000", "00020", "00034"}},  // Fire
    {{"00000", "00440", "00011", "20020"}, {"00440", "03300", "10010", "00020"},
     {"10000", "30001", "00430", "02320"}, {"00001", "40000", "00310", "00430"}},  // Earth
};
// clang-format on

void CheckElementCode(int elementCode) {
    if (elementCode < 1 || elementCode > 4)
        throw TInternalError("board element code " + std::to_string(elementCode));
}

void CheckSquare(int rank, int file) {
    if (rank < 1 || rank > 8 || file < 1 || file > 8)
        throw TInternalError("square off the board in a reading");
}

// 0 ranks 1-4 files 1-4, 1 ranks 1-4 files 5-8, 2 ranks 5-8 files 1-4, 3 the rest.
int Quarter(int rank, int file) {
    return (rank >= 5 ? 2 : 0) + (file >= 5 ? 1 : 0);
}

bool IsQuestionersKing(const TPiece& piece, bool moverIsQuestioner) {
    return piece.kind == King && moverIsQuestioner;
}

void SetPieceInputs(TNetworkBlock& block, const TPiece& piece, bool moverIsQuestioner) {
    auto set = [&](int unit, float value = 1.0f) { block.ExternalInput(unit) = value; };
    const int army = piece.army;
    switch (piece.kind) {
        case HorsePawn:
            set(Tiphareth), set(FireUnit), set(AirUnit), set(EarthUnit), set(Mars);
            set(CourtCard(army, CourtKing));
            break;
        case QueenPawn:
            set(Tiphareth), set(WaterUnit), set(AirUnit), set(EarthUnit), set(Luna);
            set(CourtCard(army, CourtQueen));
            break;
        case RookPawn:
            set(Tiphareth), set(FireUnit), set(WaterUnit), set(EarthUnit), set(Saturn);
            set(CourtCard(army, CourtPrincess));
            break;
        case BishopPawn:
            set(Tiphareth), set(FireUnit), set(WaterUnit), set(AirUnit), set(Mercury);
            set(CourtCard(army, CourtPrince));
            break;
        case Queen:
            set(Binah), set(Luna), set(CourtCard(army, CourtQueen), 3.0f);
            set(ElementUnitOfArmy(army));
            break;
        case Horse: {
            constexpr int kPlanet[5] = {0, Mars, Mars, Mercury, Jupiter};
            set(Chokmah), set(CourtCard(army, CourtKing), 3.0f);
            set(ElementUnitOfArmy(army)), set(kPlanet[army]);
            break;
        }
        case Rook: {
            constexpr int kPlanet[5] = {0, Saturn, Saturn, Venus, Venus};
            set(Geburah), set(CourtCard(army, CourtPrincess), 3.0f);
            set(ElementUnitOfArmy(army)), set(kPlanet[army]);
            break;
        }
        case King: {
            set(Kether), set(CourtCard(army, CourtAce), 3.0f), set(ElementUnitOfArmy(army));
            constexpr int kPlanet[5] = {0, Pluto, Sol, Uranus, Neptune};
            set(kPlanet[army]);
            if (army == Earth) set(Malkuth);
            if (IsQuestionersKing(piece, moverIsQuestioner)) set(Sol, 3.0f);
            break;
        }
        case Bishop:
            set(Chesed), set(Mercury), set(CourtCard(army, CourtPrince), 3.0f);
            set(ElementUnitOfArmy(army));
            break;
        case Empty:
        case CombinedKing:
            break;  // only the square speaks
        default:
            throw TInternalError("piece kind " + std::to_string(piece.kind) + " in a reading");
    }
}

}  // namespace

int AspectGroup(int elementCode, int rank, int file) {
    CheckElementCode(elementCode);
    CheckSquare(rank, file);
    const auto& layout = elementCode <= 2 ? kLayoutA : kLayoutB;
    return layout[8 - rank][file - 1];
}

int InputGroup(int elementCode, int rank, int file) {
    const int group = AspectGroup(elementCode, rank, file);
    if (elementCode >= 3 && rank == 6 && file == 2) return 12;  // B6
    if (elementCode >= 3 && rank == 6 && file == 3) return 15;  // C6
    return group;
}

int InfluenceLevel(int elementCode, int rank, int file, int army, int kind) {
    CheckElementCode(elementCode);
    CheckSquare(rank, file);
    const int quarter = Quarter(rank, file);
    if (IsPawnKind(kind)) return kPawnInfluence[quarter][kind - 1];
    if (kind < Queen || kind > Bishop) return 0;
    if (army < 1 || army > 4)
        throw TInternalError("army " + std::to_string(army) + " in a reading");
    return kPieceInfluence[elementCode - 1][quarter][army - 1][kind - Queen] - '0';
}

void EncodeMove(TNetworkBlock& block, int elementCode, int rank, int file, const TPiece& piece,
                bool moverIsQuestioner, bool wholeGame) {
    for (int unit = 0; unit < kUnitCount; ++unit) block.ExternalInput(unit) = 0.0f;
    SetPieceInputs(block, piece, moverIsQuestioner);
    if (wholeGame)
        for (int unit = 0; unit < kUnitCount; ++unit)
            if (block.ExternalInput(unit) == 3.0f) block.ExternalInput(unit) = 1.0f;
    for (int unit : kGroupInputs[InputGroup(elementCode, rank, file)])
        block.ExternalInput(unit) = 1.0f;
}

void SetNetworkParameters(TNetworkBlock& block, bool moveReading) {
    block.value[TNetworkBlock::kDecay] = 0.1f;
    block.value[TNetworkBlock::kExcitation] = 0.1f;
    block.value[TNetworkBlock::kInhibition] = 0.1f;
    block.value[TNetworkBlock::kExternalStrength] = moveReading ? 0.5f : 0.1f;
    block.value[TNetworkBlock::kMaxActivation] = 1.0f;
    block.value[TNetworkBlock::kMinActivation] = -0.2f;
    block.value[TNetworkBlock::kRestActivation] = -0.1f;
    block.SetCycles(moveReading ? 100 : 10);
    block.value[TNetworkBlock::kUnused] = 0.0f;
}

std::string ReadingSentence(int elementCode, int rank, int file, const TPiece& piece,
                            bool moverIsQuestioner) {
    std::string text = "\n";
    const int kind = piece.kind;
    if (kind < HorsePawn || kind > Bishop) return text;
    // The Questioner's own King speaks as the King of Earth.
    const int army = IsQuestionersKing(piece, moverIsQuestioner) ? Earth : piece.army;
    if (const char* influence =
            InfluenceSentence(InfluenceLevel(elementCode, rank, file, army, kind)))
        text = influence;
    if (IsPawnKind(kind)) return text;
    const int group = AspectGroup(elementCode, rank, file);
    const char* second =
        group <= 11 ? AspectSentence(group, kind, army) : AdviceSentence(group, kind, army);
    if (second) text += second;
    return text;
}

void ReadMove(TReadingRecord& record, int elementCode, int rank, int file, const TPiece& piece,
              bool moverIsQuestioner, bool wantText, TNetwork& network) {
    TNetworkBlock block;
    EncodeMove(block, elementCode, rank, file, piece, moverIsQuestioner, !wantText);
    std::string sentence;
    if (wantText) sentence = ReadingSentence(elementCode, rank, file, piece, moverIsQuestioner);
    SetNetworkParameters(block, wantText);
    network.ResetNetwork();
    if (wantText) {
        network.RunNetwork(block, record, MoveMode);
        network.ComposeMoveText(record, sentence);
    } else {
        network.RunNetwork(block, record, WholeGameMode);
        ComposeGameText(record);
    }
}

}  // namespace vaeloric
