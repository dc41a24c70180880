// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/hosted_seats.h"

#include <sstream>

#include "flow/saved_game_format.h"

namespace vaeloric {

namespace {
constexpr std::size_t kMaxCodeLength = 64;

bool IsCode(const std::string& code) {
    if (code.empty() || code.size() > kMaxCodeLength) return false;
    for (const char c : code)
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}
}  // namespace

std::string FormatHostedSeats(const THostedSeats& seats) {
    std::string text = std::to_string(seats.port);
    for (const auto& [seat, code] : seats.codes) text += " " + std::to_string(seat) + "=" + code;
    return text;
}

bool ParseHostedSeats(const std::string& text, THostedSeats& seats) {
    std::istringstream words(text);
    std::string word;
    if (!(words >> word) || word.empty() || word.size() > 5 ||
        word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const long port = std::stol(word);
    if (port < 1 || port > 65535) return false;
    THostedSeats read;
    read.port = static_cast<std::uint16_t>(port);
    while (words >> word) {
        if (word.size() < 3 || word[1] != '=' || word[0] < '2' || word[0] > '4') return false;
        const int seat = word[0] - '0';
        const std::string code = word.substr(2);
        if (!IsCode(code) || !read.codes.emplace(seat, code).second) return false;
    }
    if (read.codes.empty()) return false;
    seats = read;
    return true;
}

std::int32_t HandOverCode(int seat) {
    return seat == kGrandmasterSeat ? kGrandmasterCode : seat == 4 ? 3 : 2;
}

std::string HandOverNote(const std::map<int, long>& handedOver, const TSeatArmies& armies) {
    std::string note;
    for (const auto& [seat, turn] : handedOver) {
        const std::int32_t army = seat >= 2 && seat <= 4 ? armies.army[seat] : 0;
        note += "\nSeat " + std::to_string(seat) + " (the " +
                (army >= 1 && army <= 4 ? saved_game::kColourWords[army] : "?") +
                " army) was played by its computer opponent from turn " + std::to_string(turn) +
                " on, after its guest over the network was lost.\n";
    }
    return note;
}

}  // namespace vaeloric
