// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game flow's own texts, each in one place.
namespace vaeloric::texts {

inline constexpr const char* kCheckRefusal =
    "Your King is in check.\nYou must break the check to move.";
inline constexpr const char* kCheckRefusalTitle = "info";

inline constexpr const char* kMissGoTitle = "Miss Go";
inline constexpr const char* kDicePreventsMoving = "Dice roll prevents moving";
inline constexpr const char* kCheckmateNotice[5] = {"", "FIRE is in CHECKMATE",
                                                    "EARTH is in CHECKMATE", "AIR is in CHECKMATE",
                                                    "WATER is in CHECKMATE"};

// Our own question after the analysis file could not be written on an early
// close, so that an unwritable folder never traps the user.
inline constexpr const char* kCloseWithoutAnalysis =
    "The game analysis could not be saved.\n\nClose the game without it?";

inline constexpr const char* kSaveBeforeExit = "Save game before exit?";
inline constexpr const char* kTooManyTimers = "There are too many timers on your system!";

// Leaving the demonstration set-up: nothing exists to lose yet.
inline constexpr const char* kQuitQuestion = "Quit Vaeloric Chess?";

inline constexpr const char* kDefaultFileName = "vaeloric.vae";

}  // namespace vaeloric::texts
