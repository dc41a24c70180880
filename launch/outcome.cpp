// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/outcome.h"

#include <vector>

#include "launch/bounded_read.h"

namespace vaeloric {

namespace {

constexpr const char* kAnswerStart = "At the beginning of the game ";
constexpr const char* kAnswerAsked = " asked:";
constexpr const char* kFavourable =
    "Because you won the game it is a FAVOURABLE ANSWER to the question.";
constexpr const char* kUnfavourable =
    "Because you lost the game it is an UNFAVOURABLE ANSWER to the question.";
constexpr const char* kPremature = "The game was ended prematurely, so there is no win or lose.";
constexpr const char* kAnalysisHeading = "Neural net analysis of the game:";

struct TKeyName {
    TOutcome outcome;
    const char* key;
    const char* headline;
};
constexpr TKeyName kOutcomes[] = {
    {TOutcome::InProgress, "in-progress", "Game in progress"},
    {TOutcome::Favourable, "favourable", "Favourable"},
    {TOutcome::Unfavourable, "unfavourable", "Unfavourable"},
    {TOutcome::Unfinished, "unfinished", "No answer: the game was ended before it was decided"},
    {TOutcome::Cancelled, "cancelled", "Cancelled"},
    {TOutcome::Failed, "failed", "No answer: the game did not end properly"},
    {TOutcome::Interrupted, "interrupted", "No answer yet: the game was interrupted"},
};

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// Lines from `first` on joined with "\n", without trailing blank lines.
std::string JoinFrom(const std::vector<std::string>& lines, std::size_t first) {
    std::string text;
    for (std::size_t i = first; i < lines.size(); ++i) text += lines[i] + "\n";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

TAnalysisReading Damaged(const std::string& why) {
    TAnalysisReading reading;
    reading.problem = why;
    return reading;
}

// The heading, an empty line, then the judgement.
bool TakeAnalysis(const std::vector<std::string>& lines, std::size_t heading,
                  TAnalysisReading& reading) {
    if (lines.size() <= heading + 1 || lines[heading] != kAnalysisHeading ||
        !lines[heading + 1].empty())
        return false;
    reading.analysis = JoinFrom(lines, heading + 2);
    // The judgement may begin with a line feed of its own.
    reading.analysis.erase(0, reading.analysis.find_first_not_of('\n'));
    return true;
}

}  // namespace

std::string OutcomeKey(TOutcome outcome) {
    for (const TKeyName& entry : kOutcomes)
        if (entry.outcome == outcome) return entry.key;
    return "failed";
}

TOutcome OutcomeFromKey(const std::string& key) {
    for (const TKeyName& entry : kOutcomes)
        if (key == entry.key) return entry.outcome;
    return TOutcome::Failed;
}

std::string OutcomeSentence(TOutcome outcome) {
    if (outcome == TOutcome::Favourable) return kFavourable;
    if (outcome == TOutcome::Unfavourable) return kUnfavourable;
    if (outcome == TOutcome::Unfinished) return kPremature;
    return {};
}

std::string OutcomeHeadline(TOutcome outcome) {
    for (const TKeyName& entry : kOutcomes)
        if (entry.outcome == outcome) return entry.headline;
    return {};
}

TAnalysisReading ReadAnalysisText(const std::string& bytes) {
    if (bytes.empty()) return Damaged("the file is empty");
    if (bytes.find('\0') != std::string::npos) return Damaged("the file is not text");
    const std::vector<std::string> lines = SplitLines(bytes);
    TAnalysisReading reading;

    if (lines[0] == "CANCELLED" && JoinFrom(lines, 1).empty()) {
        reading.outcome = TOutcome::Cancelled;
        return reading;
    }
    if (lines[0] == kPremature) {
        if (lines.size() < 2 || !lines[1].empty() || !TakeAnalysis(lines, 2, reading))
            return Damaged("the file ends before the analysis");
        reading.outcome = TOutcome::Unfinished;
        return reading;
    }
    const std::string& first = lines[0];
    const std::size_t startLength = std::string(kAnswerStart).size();
    const std::size_t askedLength = std::string(kAnswerAsked).size();
    if (first.rfind(kAnswerStart, 0) != 0 || first.size() < startLength + askedLength ||
        first.compare(first.size() - askedLength, askedLength, kAnswerAsked) != 0)
        return Damaged("the file does not hold an answer");
    reading.questionerName = first.substr(startLength, first.size() - startLength - askedLength);
    if (lines.size() < 3 || lines[1].size() < 2 || lines[1].front() != '[' ||
        lines[1].back() != ']')
        return Damaged("the file ends before the answer");
    reading.question = lines[1].substr(1, lines[1].size() - 2);
    if (lines[2] == kFavourable)
        reading.outcome = TOutcome::Favourable;
    else if (lines[2] == kUnfavourable)
        reading.outcome = TOutcome::Unfavourable;
    else
        return Damaged("the file ends before the answer");
    if (lines.size() < 4 || !lines[3].empty() || !TakeAnalysis(lines, 4, reading))
        return Damaged("the file ends before the analysis");
    return reading;
}

TAnalysisReading ReadAnalysisFile(const std::string& path) {
    std::string bytes;
    if (const std::string why = ReadBoundedFile(path, kMaxAnalysisBytes, bytes); !why.empty())
        return Damaged("the answer file: " + why);
    return ReadAnalysisText(bytes);
}

TGameEnd JudgeGameEnd(const TProcessEnd& end, const std::string& analysisPath,
                      const std::string& program) {
    TGameEnd result;
    if (!end.started) {
        result.reading = Damaged("not started");
        result.sentence = "The board program " + program + " could not be started" +
                          (end.errorOutput.empty() ? "." : ": " + end.errorOutput);
        return result;
    }
    result.reading = ReadAnalysisFile(analysisPath);
    const bool answered = result.reading.outcome != TOutcome::Failed;
    if (end.crashed) {
        // An answer written in full before the crash still stands.
        if (answered && result.reading.outcome != TOutcome::Cancelled) return result;
        result.reading.outcome = TOutcome::Failed;
        result.sentence = "The board program " + program + " was stopped by signal " +
                          std::to_string(end.exitStatus) +
                          " before the game was decided; it is kept as unfinished.";
        return result;
    }
    if (answered) return result;
    std::string sentence;
    if (end.exitStatus != 0) {
        sentence = "The board program " + program + " stopped with exit status " +
                   std::to_string(end.exitStatus);
        std::string firstLine = end.errorOutput.substr(0, end.errorOutput.find('\n'));
        sentence += firstLine.empty() ? "." : ": " + firstLine;
    } else {
        sentence =
            "The board program " + program +
            " ended (exit status 0), but its answer could not be read: " + result.reading.problem +
            ".";
    }
    result.sentence = sentence;
    return result;
}

}  // namespace vaeloric
