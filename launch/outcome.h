// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vaeloric {

// How a game started from the launcher came out.
enum class TOutcome {
    InProgress,    // started, not yet ended (or the launcher itself was stopped)
    Favourable,    // the Questioner won
    Unfavourable,  // the Questioner lost or resigned
    Unfinished,    // closed before it was decided
    Cancelled,     // a reload whose file choice was cancelled
    Failed,        // no readable answer: crash, kill, refusal, damaged file
    Interrupted,   // its board program died, but kept the game to be continued
};

std::string OutcomeKey(TOutcome outcome);  // "favourable", ... for storage
TOutcome OutcomeFromKey(const std::string& key);

// The answer in a few words for the answer page and the journal list.
std::string OutcomeHeadline(TOutcome outcome);
// The board program's own sentence for a decided or early-ended game.
std::string OutcomeSentence(TOutcome outcome);

// What an analysis file says.
struct TAnalysisReading {
    TOutcome outcome = TOutcome::Failed;
    std::string questionerName;  // only in a game answer
    std::string question;        // only in a game answer
    std::string analysis;        // the network's judgement, as written
    std::string problem;         // why the file could not be read (Failed)
};

// Analysis files larger than this are not read.
inline constexpr std::size_t kMaxAnalysisBytes = 1 << 20;

// Reads the forms a board program writes: the game answer, the premature
// end, "CANCELLED". Anything else (empty, binary, cut short) is Failed with
// a reason. Accepts LF and CR LF.
TAnalysisReading ReadAnalysisText(const std::string& bytes);

// The same from a file: only a regular file of at most kMaxAnalysisBytes is
// read, without waiting on pipes or devices.
TAnalysisReading ReadAnalysisFile(const std::string& path);

// How the board program ended, as the process layer saw it.
struct TProcessEnd {
    bool started = true;
    bool crashed = false;     // ended by a signal
    int exitStatus = 0;       // exit code, or the signal number when crashed
    std::string errorOutput;  // what it wrote to standard error, if anything
};

// The outcome of a game from the process end and its analysis file, with
// one sentence for the user when something went wrong.
struct TGameEnd {
    TAnalysisReading reading;
    std::string sentence;  // empty when the reading itself says it all
};
TGameEnd JudgeGameEnd(const TProcessEnd& end, const std::string& analysisPath,
                      const std::string& program);

}  // namespace vaeloric
