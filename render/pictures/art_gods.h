// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QRectF>

namespace vaeloric::art {

enum class THead { Human, Woman, Falcon, Ibis, Jackal, Ram, Lion, Crocodile, Bull, Scarab, Cobra };
enum class TCrown {
    None,
    Disk,
    Plumes,
    Feather,
    Double,
    Moon,
    Atef,
    Horns,
    Red,
    White,
    Throne,
    House
};

struct TDeity {
    const char* name;
    THead head;
    TCrown crown;
};

// The deity of a piece kind 5..9 on this board.
const TDeity& DeityOf(char letter, int kind);
// The pyramid ruler 1..15.
const TDeity& RulerDeity(int ruler);

// Colours of the rulers' busts, beside the armies 1..4 and gilded 0.
constexpr int kLapisFaience = 11, kTurquoiseFaience = 12, kCarnelianFaience = 13,
              kMalachiteFaience = 14;

// A bust in a 100 x 100 design box mapped onto `area`; army 0 is gilded.
void PaintDeity(QPainter& painter, const QRectF& area, const TDeity& deity, int army);

}  // namespace vaeloric::art
