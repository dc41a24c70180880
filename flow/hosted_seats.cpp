// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/hosted_seats.h"

#include <sstream>

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

}  // namespace vaeloric
