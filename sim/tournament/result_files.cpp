// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/result_files.h"

#include <cstdint>
#include <cstdio>

#include "flow/setup_record.h"
#include "sim/tournament/statistics.h"

namespace vaeloric::sim {

namespace {

std::string Number(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string GameCsvFields(const TPlayedGame& played) {
    const TScheduledGame& g = played.game;
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%ld,%ld,%c,%s,%d,%d,%u,%ld,%s", g.index + 1, g.round + 1,
                  g.board, SquareName(g.ptah).c_str(), g.questionerSide, g.otherSide, g.seed,
                  played.turns, ResultWord(played.result));
    return buffer;
}

namespace {

std::string CountJson(const TResultCount& count) {
    const TInterval interval =
        WilsonInterval(static_cast<double>(count.wins), static_cast<double>(count.games));
    return "{\"games\": " + std::to_string(count.games) +
           ", \"wins\": " + std::to_string(count.wins) +
           ", \"losses\": " + std::to_string(count.losses) +
           ", \"unfinished\": " + std::to_string(count.unfinished) +
           ", \"rate_low\": " + Number(interval.low) + ", \"rate_high\": " + Number(interval.high) +
           "}";
}

// Every ordered pair of different profiles: the first's results against
// the second on either side.
std::string CrossTableJson(const TTournamentReport& report) {
    std::string json = "  \"cross_table\": [\n";
    const std::size_t n = report.tally.profiles.size();
    bool first = true;
    for (std::size_t row = 0; row < n; ++row) {
        for (std::size_t column = 0; column < n; ++column) {
            if (row == column) continue;
            const TResultCount& c = report.tally.cross[row][column];
            json += std::string(first ? "" : ",\n") +
                    "    {\"profile\": " + std::to_string(report.tally.profiles[row].code) +
                    ", \"opponent\": " + std::to_string(report.tally.profiles[column].code) +
                    ", \"games\": " + std::to_string(c.games) +
                    ", \"wins\": " + std::to_string(c.wins) +
                    ", \"losses\": " + std::to_string(c.losses) +
                    ", \"unfinished\": " + std::to_string(c.unfinished) + "}";
            first = false;
        }
    }
    return json + "\n  ],\n";
}

std::string EloJson(const TEloEstimate& e) {
    return "{\"elo\": " + Number(e.elo) + ", \"low\": " + Number(e.low) +
           ", \"high\": " + Number(e.high) + "}";
}

// Between two profiles: the first's Elo over the second, from single
// games and, when played in pairs, from pairs; and the sequential test.
std::string MatchJson(const TTournamentReport& report) {
    const TTournamentPlan& plan = report.plan;
    if (plan.profiles.size() != 2) return "";
    const TMatchCounts counts = CountMatch(report.run.games, plan.profiles[0], plan.profiles[1]);
    std::string json = "  \"head_to_head\": {\"profile\": " + std::to_string(plan.profiles[0]) +
                       ", \"opponent\": " + std::to_string(plan.profiles[1]) +
                       ", \"single\": " + EloJson(EloOf(TrinomialSample(counts)));
    if (plan.pairs) {
        json += ", \"pairs\": " + std::to_string(counts.Pairs()) +
                ", \"paired\": " + EloJson(EloOf(PentanomialSample(counts)));
    }
    json += "},\n";
    if (report.sprt) {
        const TSprtState& state = report.sprtState;
        const TSprtSettings& s = report.sprtSettings;
        const char* verdict = state.verdict == TSprtVerdict::AcceptH1   ? "H1"
                              : state.verdict == TSprtVerdict::AcceptH0 ? "H0"
                                                                        : "none";
        json += "  \"sprt\": {\"elo0\": " + Number(s.elo0) + ", \"elo1\": " + Number(s.elo1) +
                ", \"alpha\": " + Number(s.alpha) + ", \"beta\": " + Number(s.beta) +
                ", \"llr\": " + Number(state.llr) + ", \"lower\": " + Number(state.lower) +
                ", \"upper\": " + Number(state.upper) + ", \"accepted\": " + JsonString(verdict) +
                "},\n";
    }
    return json;
}

// Why engines lost games unplayed; nothing when none did.
std::string NotesJson(const TTournamentReport& report) {
    std::string notes;
    for (const TPlayedGame& played : report.run.games)
        if (!played.note.empty()) notes += (notes.empty() ? "" : ", ") + JsonString(played.note);
    return notes.empty() ? "" : "  \"notes\": [" + notes + "],\n";
}

}  // namespace

std::string ResultsBody(const TTournamentReport& report);

std::string ResultsCsv(const TTournamentReport& report) {
    const std::string run = RunId(report);
    std::string csv = "game,round,board,ptah,questioner_side,other_side,seed,turns,result,run\n";
    for (const TPlayedGame& played : report.run.games)
        csv += GameCsvFields(played) + "," + run + "\n";
    return csv;
}

std::string RunId(const TTournamentReport& report) {
    // FNV-1a over everything the JSON file holds.
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : ResultsBody(report)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string ResultsJson(const TTournamentReport& report) {
    return "{\n  \"run\": \"" + RunId(report) + "\",\n" + ResultsBody(report);
}

// The JSON file after its first two lines.
std::string ResultsBody(const TTournamentReport& report) {
    const TTournamentPlan& plan = report.plan;
    std::string json = "  \"plan\": {\"profiles\": [";
    for (std::size_t i = 0; i < plan.profiles.size(); ++i)
        json += (i > 0 ? ", " : "") + std::to_string(plan.profiles[i]);
    json += "], \"boards\": " + JsonString(plan.boards) +
            ", \"games_per_pairing\": " + std::to_string(plan.gamesPerPairing) +
            ", \"turn_limit\": " + std::to_string(plan.turnLimit) +
            ", \"seed\": " + std::to_string(plan.baseSeed) +
            ", \"pairs\": " + (plan.pairs ? "true" : "false") + "},\n";
    json += "  \"games_played\": " + std::to_string(report.run.games.size()) +
            ",\n  \"interrupted\": " + (report.run.stopped ? "true" : "false") + ",\n";
    json += "  \"questioner_advantage\": " + Number(report.fit.advantage) +
            ",\n  \"questioner_advantage_half_width\": " + Number(report.fit.advantageHalfWidth) +
            ",\n  \"profiles\": [\n";
    for (std::size_t i = 0; i < report.tally.profiles.size(); ++i) {
        const TProfileTally& p = report.tally.profiles[i];
        json += "    {\"code\": " + std::to_string(p.code) +
                ", \"name\": " + JsonString(plan.NameOf(p.code)) +
                ", \"rating\": " + Number(report.fit.rating[i]) +
                ", \"rating_half_width\": " + Number(report.fit.ratingHalfWidth[i]) +
                ",\n     \"record\": " + CountJson(p.own) +
                ",\n     \"as_opponents\": " + CountJson(p.asOpponents) +
                ",\n     \"as_opponents_by_board\": {";
        for (std::size_t b = 0; b < plan.boards.size(); ++b)
            json += (b > 0 ? ", " : "") + JsonString(std::string(1, plan.boards[b])) + ": " +
                    CountJson(p.opponentsBoard[b]);
        json += i + 1 < report.tally.profiles.size() ? "}},\n" : "}}\n";
    }
    json += "  ],\n" + CrossTableJson(report) + MatchJson(report) + NotesJson(report);
    json +=
        "  \"games_fields\": "
        "[\"game\", \"round\", \"board\", \"ptah\", \"questioner_side\", \"other_side\","
        " \"seed\", \"turns\", \"result\"],\n  \"games\": [\n";
    for (std::size_t i = 0; i < report.run.games.size(); ++i) {
        const TPlayedGame& played = report.run.games[i];
        const TScheduledGame& g = played.game;
        json += "    [" + std::to_string(g.index + 1) + ", " + std::to_string(g.round + 1) + ", " +
                JsonString(std::string(1, g.board)) + ", " + JsonString(SquareName(g.ptah)) + ", " +
                std::to_string(g.questionerSide) + ", " + std::to_string(g.otherSide) + ", " +
                std::to_string(g.seed) + ", " + std::to_string(played.turns) + ", " +
                JsonString(ResultWord(played.result)) +
                (i + 1 < report.run.games.size() ? "],\n" : "]\n");
    }
    json += "  ]\n}\n";
    return json;
}

}  // namespace vaeloric::sim
