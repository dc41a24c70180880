// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "launch/journal_entry.h"

// Where the launcher's answer files live, and what becomes of the journal's
// games in progress: the launcher's policies, kept free of the window.

namespace vaeloric {

// A file of its own for every game, so that two games never share one:
// "<AnalysisFolder>/games/answer-<stamp>-<process>-<count>.txt". Empty
// without a home.
std::string FreshAnalysisPath(const std::string& stamp);

// The game record the board program keeps beside its answer file: the same
// name with the record's extension. Empty for an empty path.
std::string RecordPathBeside(const std::string& analysisPath);

// This launcher, as the journal's games in progress name their owner.
std::string ThisLauncher();

// Whether the launcher that owns a game in progress has gone. An entry
// without an owner (older journals) has lost its launcher; one of another
// machine is never judged from here.
bool LauncherGone(const std::string& owner);

inline constexpr const char* kAbandonedNote =
    "The launcher was closed while this game was played, or could not record its end, so its "
    "answer was not kept.";

// A game left in progress by a launcher that has gone becomes a failed game
// with kAbandonedNote. True when the entry changed and should be written.
bool RecoverAbandoned(TJournalEntry& entry);

// A game whose board program died after keeping the game on disk (a file of
// the running games' folder) is interrupted, not failed: its entry says so
// and names the kept game, so that the game continued later completes this
// entry. False, and the entry unchanged, when `keptGame` holds no game.
inline constexpr const char* kInterruptedNote =
    "The board program stopped before the game ended. The game was kept: continue it when the "
    "launcher offers it, and this reading is completed when it ends.";
bool MarkInterrupted(TJournalEntry& entry, const std::string& keptGame);

// The kept game of a board program that has ended (by its process id), or
// an empty string when it left none.
std::string KeptGameOf(long long processId);

// Among `entries`, the interrupted one whose kept game is `path`; null when
// none is.
const TJournalEntry* InterruptedEntryOf(const std::vector<TJournalEntry>& entries,
                                        const std::string& path);

}  // namespace vaeloric
