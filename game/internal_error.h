// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace vaeloric {

// An impossible value inside the program (an army outside 1..4, an unknown
// piece kind or order letter). Never caused by a user or a file: the program
// entry shows it in a box titled "EXCEPTION" and ends with exit code -1.
class TInternalError : public std::logic_error {
  public:
    explicit TInternalError(const std::string& what) : std::logic_error(what) {}
};

}  // namespace vaeloric
