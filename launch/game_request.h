// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "launch/journal_entry.h"
#include "launch/outcome.h"
#include "launch/question_form.h"

namespace vaeloric {

// What to start for one game, and what the journal keeps of it.
struct TGameRequest {
    std::string program;                 // "marisel"
    std::vector<std::string> arguments;  // none for a demonstration
    TJournalEntry entry;                 // kept only for a question or a reload
    bool demonstration = false;
};

// A checked form and its Ptah square: the launcher argument for the board
// program of the form's element.
TGameRequest QuestionRequest(const TQuestionForm& form, TPtahChoice square,
                             const std::string& askedAt);

// A saved game: its board letter picks the program, `*` and its path the
// reload. Returns an empty string, or why the file cannot be continued.
std::string SavedGameRequest(const std::string& path, const std::string& askedAt,
                             TGameRequest& request);

// "Play without a question".
TGameRequest DemonstrationRequest(TQuestionElement element);

// Writes how the game ended into its journal entry.
void RecordGameEnd(const TGameEnd& end, TJournalEntry& entry);

}  // namespace vaeloric
