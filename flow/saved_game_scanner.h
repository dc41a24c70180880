// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vaeloric::saved_game {

// Reads a file's bytes the way a text stream would (whole lines, numbers
// after blank space), but never past the end and never with a hidden error
// state: every read says whether it succeeded.
class TScanner {
  public:
    explicit TScanner(std::string_view bytes) : bytes_(bytes) {}

    bool AtEnd() const { return position_ >= bytes_.size(); }

    // The next line without its LF or CR LF end. False at the end of the
    // bytes; a last line without an end still counts.
    bool ReadLine(std::string_view& line);

    // Blank space (line ends included), then a decimal number. The bytes
    // after the number are left for the next read. False when there is no
    // number or it does not fit the type.
    bool ReadFloat(float& value);
    bool ReadInt(std::int32_t& value);

    // Drops the rest of the current line and its end.
    void SkipLine();

  private:
    void SkipSpace();
    // Length of the number (sign, digits, fraction, exponent) at the
    // position; 0 when there is none.
    std::size_t FloatLength() const;

    std::string_view bytes_;
    std::size_t position_ = 0;
};

}  // namespace vaeloric::saved_game
