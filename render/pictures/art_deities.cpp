// SPDX-License-Identifier: GPL-3.0-or-later

// Who is who: the deities of each board's gods set and the pyramid rulers.
#include "render/pictures/art.h"
#include "render/pictures/art_common.h"
#include "render/pictures/art_gods.h"

namespace vaeloric::art {
namespace {

using H = THead;
using C = TCrown;

// Queen, Horse, Rook, King, Bishop (kinds 5..9) of each board.
constexpr TDeity kAirGods[5] = {
    {"MAAT", H::Woman, C::Feather}, {"HORUS", H::Falcon, C::Double}, {"SHU", H::Lion, C::Feather},
    {"AMUN", H::Human, C::Plumes},  {"THOTH", H::Ibis, C::Moon},
};
constexpr TDeity kWaterGods[5] = {
    {"HATHOR", H::Woman, C::Horns}, {"SOBEK", H::Crocodile, C::Plumes}, {"KHNUM", H::Ram, C::None},
    {"OSIRIS", H::Human, C::Atef},  {"ANUBIS", H::Jackal, C::None},
};
constexpr TDeity kFireGods[5] = {
    {"SEKHMET", H::Lion, C::Disk}, {"KHEPRI", H::Scarab, C::None}, {"WADJET", H::Cobra, C::Red},
    {"RA", H::Falcon, C::Disk},    {"ATUM", H::Human, C::Double},
};
constexpr TDeity kEarthGods[5] = {
    {"ISIS", H::Woman, C::Throne}, {"APIS", H::Bull, C::Disk}, {"ANUBIS", H::Jackal, C::None},
    {"GEB", H::Human, C::White},   {"KHNUM", H::Ram, C::Disk},
};

constexpr TDeity kRulers[15] = {
    {"OSIRIS", H::Human, C::Atef},    {"ISIS", H::Woman, C::Throne},
    {"NEPHTHYS", H::Woman, C::House}, {"HORUS", H::Falcon, C::Double},
    {"THOTH", H::Ibis, C::Moon},      {"HATHOR", H::Woman, C::Horns},
    {"ANUBIS", H::Jackal, C::None},   {"MAAT", H::Woman, C::Feather},
    {"SEKHMET", H::Lion, C::Disk},    {"SOBEK", H::Crocodile, C::Plumes},
    {"KHEPRI", H::Scarab, C::None},   {"AMUN", H::Human, C::Plumes},
    {"RA", H::Falcon, C::Disk},       {"KHNUM", H::Ram, C::None},
    {"WADJET", H::Cobra, C::Red},
};

}  // namespace

const TDeity& DeityOf(char letter, int kind) {
    const int index = std::clamp(kind, 5, 9) - 5;
    switch (letter) {
        case 'A':
            return kAirGods[index];
        case 'W':
            return kWaterGods[index];
        case 'F':
            return kFireGods[index];
        default:
            return kEarthGods[index];
    }
}

const TDeity& RulerDeity(int ruler) {
    return kRulers[std::clamp(ruler, 1, 15) - 1];
}

const char* GodName(char letter, int kind) {
    return DeityOf(letter, kind).name;
}
const char* RulerName(int ruler) {
    return RulerDeity(ruler).name;
}

void PaintGod(QPainter& painter, const QRectF& area, char letter, int kind, int army) {
    const TDeity& deity = DeityOf(letter, kind);
    PaintWithHalo(
        painter, area, std::max(1.0, area.width() / 40),
        [&](QPainter& layer, const QRectF& box) {
            PaintDeity(layer, box.adjusted(2.5, 2.5, -2.5, -2.5), deity, army);
        },
        true);
}

}  // namespace vaeloric::art
