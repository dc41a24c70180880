// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "game/square.h"

// The messages between a host and its guests: one JSON object per WebSocket
// text frame. Every frame is untrusted: it is decoded against a strict
// schema (exactly the fields of its type, each of its type and range) and
// anything else is refused with one sentence. Game messages carry the
// number of the turn they belong to, so a request from an earlier turn
// cannot be played twice.

namespace vaeloric::net {

inline constexpr int kProtocolVersion = 1;
// Larger frames are refused before they are parsed.
inline constexpr std::size_t kMaxMessageBytes = 64 * 1024;
// The saved game a welcome carries (a real one is a few kilobytes).
inline constexpr std::size_t kMaxGameTextBytes = 48 * 1024;
// Refusal sentences are cut here.
inline constexpr std::size_t kMaxSentenceBytes = 200;
// Turn numbers run from 1; a game never comes near the upper bound.
inline constexpr long kMaxTurnNumber = 1000000000L;

// Seat codes: letters and digits that cannot be misread (no 0/O, 1/I),
// 5 bits each, 100 bits in all.
inline constexpr std::string_view kSeatCodeAlphabet = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
inline constexpr std::size_t kSeatCodeLength = 20;
bool IsSeatCode(std::string_view text);

// ---- Guest to host ----

// The first message of every connection: the seat it asks for and that
// seat's one-time code.
struct THello {
    int version = kProtocolVersion;
    int seat = 0;  // 2..4
    std::string code;
};
// The guest's army asks for its throw on turn `turn`: face 0 lets the host
// throw, 1..6 is a face the player entered, which the host takes only where
// the rules allow.
struct TThrowRequest {
    long turn = 0;
    int face = 0;
};
// The guest's army drops the piece on `from` onto `to` on turn `turn`.
struct TDropRequest {
    long turn = 0;
    TSquare from;
    TSquare to;
};
// The guest has heard the end of the game after `turns` turns: the host,
// which keeps running until its guests have, may let it go.
struct TEndHeard {
    long turns = 0;
};
using TGuestMessage = std::variant<THello, TThrowRequest, TDropRequest, TEndHeard>;

// ---- Host to guest ----

// The seat was taken: its army and the game as it stands, as the text of a
// saved game, with the number of the turn to be played next, and the player
// code of the Questioner's army (1 a person, 2..8 a computer profile), which
// a saved game does not hold.
struct TWelcome {
    int seat = 0;
    int army = 0;  // 1..4
    long turn = 0;
    std::string game;
    int questioner = 1;
};
// It is `army`'s turn `turn`: face 0 waits for its throw, 1..6 for its move
// on that face.
struct TPrompt {
    long turn = 0;
    int army = 0;
    int face = 0;
};
// Turn `turn` was played: `army` threw `face` and moved from-to, or lost the
// turn (missed).
struct TTurnPlayed {
    long turn = 0;
    int army = 0;
    int face = 0;  // 0: no throw was made
    bool missed = false;
    TSquare from;
    TSquare to;
};
// The game is over after `turns` turns: "win" or "lose" for the
// Questioner, or "unfinished" at the host's turn limit.
struct TGameOver {
    long turns = 0;
    std::string result;
};
// The host closes the connection, for the reason given.
struct TRefused {
    std::string sentence;
};
using THostMessage = std::variant<TWelcome, TPrompt, TTurnPlayed, TGameOver, TRefused>;

// ---- Encoding and decoding ----

std::string EncodeMessage(const TGuestMessage& message);
std::string EncodeMessage(const THostMessage& message);

// A decoded frame: the message, or one sentence saying why it was refused.
template <typename T>
struct TDecoded {
    std::variant<std::string, T> value;
    bool Ok() const { return value.index() == 1; }
    const T& Message() const { return std::get<1>(value); }
    const std::string& Problem() const { return std::get<0>(value); }
};

TDecoded<TGuestMessage> DecodeGuestMessage(std::string_view frame);
TDecoded<THostMessage> DecodeHostMessage(std::string_view frame);

}  // namespace vaeloric::net
