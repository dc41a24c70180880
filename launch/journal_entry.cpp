// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/journal_entry.h"

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string_view>

#include "launch/record_replay.h"

namespace vaeloric {

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// A field a spreadsheet would take for a formula (a leading =, +, -, @, tab
// or carriage return) starts with an apostrophe, so that it stays text.
std::string CsvField(const std::string& text) {
    std::string out = "\"";
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        out += '\'';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

// Markdown that shows the text as typed: the characters that would start
// markup are escaped.
std::string MarkdownText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (std::string_view("\\`*_{}[]<>()#+-.!|").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

std::string SeatSummary(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

bool EntryMatches(const TJournalEntry& entry, const std::string& query) {
    const std::string haystack =
        Lower(entry.question + "\n" + OutcomeHeadline(entry.outcome) + "\n" + entry.analysis);
    // Each word of the query must begin a word of the entry: "favourable"
    // finds the favourable readings and not the unfavourable ones, while
    // "harv" still finds the harvest.
    const auto beginsWord = [&haystack](const std::string& word) {
        for (std::size_t at = haystack.find(word); at != std::string::npos;
             at = haystack.find(word, at + 1)) {
            const unsigned char before =
                at == 0 ? ' ' : static_cast<unsigned char>(haystack[at - 1]);
            if (!std::isalnum(before) && before < 0x80) return true;
        }
        return false;
    };
    std::istringstream words(Lower(query));
    std::string word;
    while (words >> word)
        if (!beginsWord(word)) return false;
    return true;
}

std::string FlowingText(const std::string& wrapped) {
    std::string text;
    text.reserve(wrapped.size());
    for (std::size_t i = 0; i < wrapped.size(); ++i) {
        const char c = wrapped[i];
        if (c == '\r' && i + 1 < wrapped.size() && wrapped[i + 1] == '\n') continue;
        const bool lineEnd = c == '\n';
        const bool withinParagraph = lineEnd && !text.empty() && text.back() != '\n' &&
                                     i + 1 < wrapped.size() && wrapped[i + 1] != '\n' &&
                                     wrapped[i + 1] != '\r';
        text += withinParagraph ? ' ' : c;
    }
    return text;
}

std::string ReadingText(const TJournalEntry& entry) {
    std::string text = entry.questionerName + " asked, on " + entry.askedAt + ":\n\n    " +
                       entry.question + "\n\nAnswer: " + OutcomeHeadline(entry.outcome) + "\n";
    if (!entry.note.empty()) text += entry.note + "\n";
    if (const std::string hints = HintNoteText(QuestionerHintCount(entry.record)); !hints.empty())
        text += hints + "\n";
    text += "\nBoard: " + entry.element + "   Ptah square: " + entry.ptahSquare + "\n\n";
    text += "Players:\n" + entry.players + "\n";
    if (!entry.analysis.empty())
        text += "\nNeural net analysis of the game:\n\n" + FlowingText(entry.analysis) + "\n";
    if (!entry.savedGame.empty()) text += "\nSaved game: " + entry.savedGame + "\n";
    return text;
}

std::string ExportMarkdown(const std::vector<TJournalEntry>& entries) {
    std::string text = "# Vaeloric Chess journal\n";
    for (const TJournalEntry& entry : entries) {
        text += "\n## " +
                (entry.question.empty() ? "(No question was recorded.)"
                                        : MarkdownText(entry.question)) +
                "\n\n";
        text += "- Asked by " + MarkdownText(entry.questionerName) + " on " + entry.askedAt + "\n";
        text += "- Board: " + entry.element + ", Ptah square " + entry.ptahSquare + "\n";
        text += "- Answer: **" + OutcomeHeadline(entry.outcome) + "**\n";
        if (!entry.note.empty()) text += "- Note: " + MarkdownText(entry.note) + "\n";
        text += "\nPlayers:\n\n";
        std::istringstream players(entry.players);
        for (std::string line; std::getline(players, line);)
            text += "- " + MarkdownText(line) + "\n";
        if (!entry.analysis.empty()) {
            text += "\n```text\n";
            std::string analysis = entry.analysis;
            // A fence inside the text must not close the block.
            for (std::size_t at = 0; (at = analysis.find("```", at)) != std::string::npos; at += 4)
                analysis.insert(at + 1, 1, ' ');
            text += analysis + "\n```\n";
        }
    }
    return text;
}

std::string ExportCsv(const std::vector<TJournalEntry>& entries) {
    std::string text =
        "asked,question,questioner,element,ptah,players,outcome,analysis,note,saved game\r\n";
    for (const TJournalEntry& entry : entries) {
        const std::string fields[] = {
            entry.askedAt,    entry.question, entry.questionerName,      entry.element,
            entry.ptahSquare, entry.players,  OutcomeKey(entry.outcome), entry.analysis,
            entry.note,       entry.savedGame};
        std::string row;
        for (const std::string& field : fields) {
            if (!row.empty()) row += ',';
            row += CsvField(field);
        }
        text += row + "\r\n";
    }
    return text;
}

}  // namespace vaeloric
