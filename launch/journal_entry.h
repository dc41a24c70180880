// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "launch/outcome.h"

namespace vaeloric {

// One question asked, as the journal keeps it.
struct TJournalEntry {
    std::int64_t id = 0;
    std::string askedAt;  // local time, "2026-12-08 21:30"
    std::string question;
    std::string questionerName;
    std::string element;     // "Fire"
    std::string ptahSquare;  // "C3"
    std::string players;     // one line per seat, as SeatSummary writes them
    TOutcome outcome = TOutcome::InProgress;
    std::string analysis;
    std::string note;       // why there is no answer, if there is none
    std::string savedGame;  // path of the game file, if one is known
    std::string owner;      // the launcher playing a game in progress (ThisLauncher)
    std::string record;     // the game record's text (.vrec), empty when none was kept
};

// "Ann leads Fire (red), moves first" and one line for every other seat.
std::string SeatSummary(const std::vector<std::string>& lines);

// Whether the question or the answer contains every word of `query`,
// ignoring the case of A to Z. An empty query matches everything.
bool EntryMatches(const TJournalEntry& entry, const std::string& query);

// The analysis as flowing paragraphs. The analysis file breaks its lines at
// a blank, at a fixed column; each break inside a paragraph becomes that
// blank again, and the empty lines between paragraphs stay.
std::string FlowingText(const std::string& wrapped);

// The whole reading as plain text (copying, the text file, the PDF), its
// analysis flowing.
std::string ReadingText(const TJournalEntry& entry);

// Every entry, in the order given, as one Markdown document or as CSV
// (RFC 4180: quoted fields, CR LF rows, a header row; a field that would
// start a spreadsheet formula gets a leading apostrophe).
std::string ExportMarkdown(const std::vector<TJournalEntry>& entries);
std::string ExportCsv(const std::vector<TJournalEntry>& entries);

}  // namespace vaeloric
