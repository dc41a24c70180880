// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every text and title that saving and loading a game shows, in one place.

namespace vaeloric {

// The file itself.
inline constexpr const char* kSavedGameFirstLine = ";Vaeloric Chess for Windows'95";
inline constexpr const char* kSavedGameNoEditLine =
    ";This is a game file which should not be edited/modified in any way!";
inline constexpr const char* kSavedGameVersionLine = ";Vaeloric Chess game file version 1.0a";

// File dialogs.
inline constexpr const char* kSavedGameFilter = "Vaeloric files (*.VAE)|*.vae|";
inline constexpr const char* kSavedGameDefaultExtension = "VAE";

// Saving.
inline constexpr const char* kDemonstrationSaveText =
    "A saved game can only be reloaded by first launching the \"Vaeloric Chess\" program.\n\n"
    "It is not possible to reload saved games from the individual board programs.";
inline constexpr const char* kDemonstrationSaveTitle = "Information";
inline constexpr const char* kSaveConfirmTitle = "Game filename";  // the text is the file name
inline constexpr const char* kCannotSaveText =
    "File could not be saved";  // titled with the caption

// Loading.
inline constexpr const char* kCannotOpenText =
    "File could not be opened";  // titled with the caption
inline constexpr const char* kIncorrectFileTitle = "Incorrect File";
inline constexpr const char* kWrongFileTypeText = "Wrong file type";
inline constexpr const char* kWrongBoardStart = "That game used the ";
inline constexpr const char* kWrongBoardMiddle =
    "board.\nYou have chosen to load a game\nusing the ";
// A damaged file: this start, then the reason as a sentence that starts in
// lower case and ends with a full stop.
inline constexpr const char* kDamagedFileStart = "The saved game is damaged and cannot be loaded: ";

// Written to the analysis file when the user cancels the reload.
inline constexpr const char* kReloadCancelledWord = "CANCELLED";

}  // namespace vaeloric
