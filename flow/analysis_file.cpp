// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/analysis_file.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "flow/safe_file.h"

namespace vaeloric {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The text written to the file with the platform's text line ends.
std::string ForPlatform(const std::string& text) {
#ifdef _WIN32
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
#else
    return text;
#endif
}

TAnalysisWrite Write(const std::string& path, const std::string& contents,
                     bool createFolders = true) {
    return SafeWriteFile(path, contents, createFolders) ? TAnalysisWrite::Written
                                                        : TAnalysisWrite::Failed;
}

}  // namespace

std::string AnalysisFolder() {
#ifdef _WIN32
    return "C:";
#else
    // A relative XDG_STATE_HOME is ignored, as the base directory rules say.
    std::filesystem::path folder;
    if (std::string state = Environment("XDG_STATE_HOME"); !state.empty() && state.front() == '/')
        folder = state;
    else if (std::string home = Environment("HOME"); !home.empty())
        folder = std::filesystem::path(home) / ".local" / "state";
    else
        return std::string();  // no home: nowhere safe to write
    return (folder / "vaeloric").string();
#endif
}

std::string AnalysisFilePath() {
    if (std::string overridden = Environment("VAELORIC_ANALYSIS_FILE"); !overridden.empty())
        return overridden;
    const std::string folder = AnalysisFolder();
    return folder.empty() ? std::string() : folder + "/vaelfin.tmp";
}

std::string WrapReadingText(const std::string& text, std::size_t width) {
    std::string out;
    out.reserve(text.size() + 16);
    std::size_t column = 0;
    const std::size_t length = std::min(text.size(), kMaxReadingText);
    for (std::size_t i = 0; i < length && text[i] != '\0'; ++i) {
        const char c = text[i];
        if (column >= width && c == ' ') {
            out += '\n';
            column = 0;
            continue;
        }
        out += c;
        column = c == '\n' ? 0 : column + 1;
    }
    return out;
}

std::string GameAnswerText(const std::string& questionerName, const std::string& question, bool won,
                           const std::string& gameText) {
    std::string text = "At the beginning of the game " + questionerName + " asked:\n";
    text += "[" + question + "]\n";
    text += won ? "Because you won the game it is a FAVOURABLE ANSWER to the question.\n"
                : "Because you lost the game it is an UNFAVOURABLE ANSWER to the question.\n";
    text += "\nNeural net analysis of the game:\n\n";
    text += WrapReadingText(gameText, 60);
    text += "\n";
    return text;
}

std::string UnfinishedGameText(const std::string& gameText) {
    return "The game was ended prematurely, so there is no win or lose.\n\n"
           "Neural net analysis of the game:\n\n" +
           WrapReadingText(gameText, 80);
}

TAnalysisWrite WriteGameAnswer(const TSetUpRecord& setUp, const TReadingRecord& record, bool won,
                               bool demonstration, const std::string& path, bool createFolders,
                               const std::string& closingNote) {
    if (demonstration) return TAnalysisWrite::Skipped;
    return Write(
        path,
        ForPlatform(GameAnswerText(setUp.questionerName, setUp.Question(), won, record.gameText) +
                    closingNote),
        createFolders);
}

TAnalysisWrite WriteUnfinishedGame(const TReadingRecord& record, bool demonstration,
                                   const std::string& path, bool createFolders) {
    if (demonstration) return TAnalysisWrite::Skipped;
    return Write(path, ForPlatform(UnfinishedGameText(record.gameText)), createFolders);
}

TAnalysisWrite WriteCancelledAnalysis(const std::string& path) {
    return Write(path, kCancelledAnalysis);
}

}  // namespace vaeloric
