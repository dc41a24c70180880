// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "flow/setup_record.h"
#include "reading/reading_record.h"

namespace vaeloric {

inline constexpr const char* kAnalysisSaveError = "Error saving game analysis!";
inline constexpr const char* kCancelledAnalysis = "CANCELLED";

// Where the launcher finds the answer: VAELORIC_ANALYSIS_FILE when set, else
// "C:/vaelfin.tmp" on Windows and $XDG_STATE_HOME/vaeloric/vaelfin.tmp
// (default ~/.local/state/vaeloric/vaelfin.tmp) elsewhere.
std::string AnalysisFilePath();

// The programs' own folder for answer files: $XDG_STATE_HOME/vaeloric (a
// relative XDG_STATE_HOME is ignored; default ~/.local/state/vaeloric), or
// empty without a home. The launcher's answer files live here too.
std::string AnalysisFolder();

enum class TAnalysisWrite {
    Written,
    Skipped,  // demonstration mode writes no analysis
    Failed,   // the caller shows kAnalysisSaveError
};

// gameText as the analysis file carries it: a line breaks in place of the
// first blank at or after `width` columns; longer words run on unbroken.
// Line feeds stay "\n" here.
std::string WrapReadingText(const std::string& text, std::size_t width);

// The whole contents of the two analysis files, with "\n" line ends.
std::string GameAnswerText(const std::string& questionerName, const std::string& question, bool won,
                           const std::string& gameText);
std::string UnfinishedGameText(const std::string& gameText);

// The end of a finished game: the question, the answer and the judgement,
// replacing the file safely. The board programs make the folder of their
// own file; a path a user gave on a command line gets no folders made
// (createFolders false). Nothing in demonstration mode.
TAnalysisWrite WriteGameAnswer(const TSetUpRecord& setUp, const TReadingRecord& record, bool won,
                               bool demonstration, const std::string& path = AnalysisFilePath(),
                               bool createFolders = true, const std::string& closingNote = {});

// An early close: the note that the game was not finished and the judgement.
TAnalysisWrite WriteUnfinishedGame(const TReadingRecord& record, bool demonstration,
                                   const std::string& path = AnalysisFilePath(),
                                   bool createFolders = true);

// A reload whose file choice was cancelled: the single word "CANCELLED".
TAnalysisWrite WriteCancelledAnalysis(const std::string& path = AnalysisFilePath());

}  // namespace vaeloric
