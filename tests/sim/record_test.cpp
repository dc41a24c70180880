// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "flow/game_record.h"
#include "flow/record_play.h"
#include "flow/saved_game.h"
#include "sim/game_runner.h"
#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// A folder of the test's own, named after it.
fs::path FreshFolder(const std::string& name) {
    const fs::path folder =
        TempPath(name + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

const char* const kPtahSquares[] = {"A2", "E4", "D5", "G7", "B3", "F6", "C1", "H5"};
const char* const kSeats[] = {"fqo", "orc", "iqa", "rqf"};

sim::TGameOptions Options(int i, long turns) {
    sim::TGameOptions options;
    options.boardLetter = "WAEF"[i % 4];
    ParseSquareName(kPtahSquares[i % 8], options.ptah);
    const char* seats = kSeats[i % 4];
    for (int s = 0; s < 3; ++s) options.seatLetters[s] = seats[s];
    options.questionerCode = 2 + i % 7;
    options.seed = static_cast<std::uint32_t>(1000 + i);
    options.turnLimit = turns;
    return options;
}

struct TPlayed {
    sim::TGame game;
    TGameRecord record;
    std::string savedText;
};

std::unique_ptr<TPlayed> Play(const sim::TGameOptions& options) {
    auto played = std::make_unique<TPlayed>();
    sim::PlayGame(
        options, played->game, [](const std::string&) {}, &played->record);
    played->savedText = FormatSavedGame(options.boardLetter, played->game.board, played->game.setUp,
                                        played->game.turn, played->game.reading);
    return played;
}

std::string SavedTextOf(char letter, const TRecordPosition& end) {
    return FormatSavedGame(letter, end.board, end.setUp, end.turn, end.reading);
}

// Play, write, read back and replay: the same text and the same final
// position, over many games on all four boards (most cut short to keep the
// test quick, every hundredth played to its end).
TEST(GameRecord, ThousandGamesRoundTripThroughTheirRecords) {
    int finished = 0, withMoves = 0;
    for (int i = 0; i < 1000; ++i) {
        const long turns = i % 100 == 0 ? 2000 : 1 + (i * 37) % 20;
        const auto played = Play(Options(i, turns));
        const std::string text = FormatRecord(played->record);
        TGameRecord read;
        auto end = std::make_unique<TRecordPosition>();
        const TRecordReadResult result = ParseRecord(text, read, end.get());
        ASSERT_TRUE(result.ok) << "game " << i << ": " << result.message;
        ASSERT_EQ(FormatRecord(read), text) << "game " << i;
        ASSERT_EQ(SavedTextOf(Options(i, turns).boardLetter, *end), played->savedText)
            << "game " << i;
        if (read.result != TRecordResult::Unfinished) ++finished;
        withMoves += read.turns.size() > 0;
    }
    EXPECT_GE(finished, 5);
    EXPECT_EQ(withMoves, 1000);
}

// The same through the command line and files: the saved game of play and
// of replay are the same bytes, and replay prints the final position.
TEST(GameRecord, PlayAndReplaySaveTheSameGame) {
    const fs::path folder = FreshFolder("record-cli");
    for (const char* board : {"W", "A", "E", "F"}) {
        const std::string r = (folder / "game.vrec").string();
        const std::string s1 = (folder / "s1.vae").string(), s2 = (folder / "s2.vae").string();
        const TSimRun play = RunSim(
            {"play", "--board", board, "--ptah", "C3", "--seed", "5", "--record", r, "--save", s1});
        ASSERT_EQ(play.status, 0) << play.err;
        // The printed game is the one without a record.
        EXPECT_EQ(play.out, RunSim({"play", "--board", board, "--ptah", "C3", "--seed", "5"}).out);
        const TSimRun replay = RunSim({"replay", r, "--save", s2});
        ASSERT_EQ(replay.status, 0) << replay.err;
        EXPECT_EQ(ReadFile(s1), ReadFile(s2)) << board;
        const std::vector<std::string> lines = Lines(replay.out);
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(lines[9], "  A  B  C  D  E  F  G  H");
        EXPECT_EQ(lines[11].substr(0, 7), "result ");
        EXPECT_EQ(RunSim({"status", s2}).out, RunSim({"status", s1}).out);
    }
    fs::remove_all(folder);
}

// A game saved part-way, reloaded and played on with the same throws keeps
// the record it had: the same record as the game played straight through.
// Without its record the game gets one that starts from the saved position
// and ends in the same place.
TEST(GameRecord, ReloadedGameContinuesItsRecord) {
    for (int i = 0; i < 8; ++i) {
        const sim::TGameOptions whole = Options(i, 150);
        const auto straight = Play(whole);
        const long cut = 1 + i * 13 % 60;
        sim::TGameOptions firstPart = whole;
        firstPart.turnLimit = cut;
        const auto before = Play(firstPart);
        if (before->record.result != TRecordResult::Unfinished) continue;

        for (bool recordAtHand : {true, false}) {
            // The reload, as a board program does it.
            TSavedGame saved;
            ASSERT_TRUE(ParseSavedGame(before->savedText, kAnyBoard, saved).Loaded());
            auto after = std::make_unique<sim::TGame>();
            CommitSavedGame(saved, after->board, after->setUp, after->turn, after->reading);
            after->board.SetPlayerCode(after->board.questionerArmy, whole.questionerCode);
            TGameRecord record = ContinuedRecord(
                recordAtHand ? FormatRecord(before->record) : std::string(), whole.boardLetter,
                after->board, after->setUp, after->turn, after->reading);
            EXPECT_EQ(record.start.empty(), recordAtHand);
            std::minstd_rand dice(whole.seed);
            dice.discard(static_cast<unsigned long long>(cut));
            sim::PlayTurns(
                *after, dice, recordAtHand ? cut + 1 : 1,
                whole.turnLimit - (recordAtHand ? 0 : cut), [](const std::string&) {}, &record);
            if (recordAtHand) {
                EXPECT_EQ(FormatRecord(record), FormatRecord(straight->record)) << i;
            } else {
                // The saved game keeps the readings' state to six digits, so
                // only the turns are the same as the straight game's.
                TGameRecord read;
                const TRecordReadResult result = ParseRecord(FormatRecord(record), read);
                ASSERT_TRUE(result.ok) << result.message;
                ASSERT_EQ(read.turns.size() + static_cast<std::size_t>(cut),
                          straight->record.turns.size());
                for (std::size_t t = 0; t < read.turns.size(); ++t) {
                    TRecordTurn same = straight->record.turns[t + static_cast<std::size_t>(cut)];
                    same.number = read.turns[t].number;
                    EXPECT_EQ(read.turns[t], same) << i << " turn " << t;
                }
                EXPECT_EQ(read.result, straight->record.result);
            }
        }
    }
}

std::vector<std::size_t> LineStarts(const std::string& text) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n') starts.push_back(i + 1);
    return starts;
}

long LineOf(const std::vector<std::size_t>& starts, std::size_t offset) {
    return static_cast<long>(std::upper_bound(starts.begin(), starts.end(), offset) -
                             starts.begin());
}

// Every cut and every single-byte change is refused at the line where it is,
// or (a cut at a line end) read as the same game's first turns.
void ExpectDamageCaught(const std::string& text, const TGameRecord& whole) {
    const std::vector<std::size_t> starts = LineStarts(text);
    long firstTurnLine = 0;
    for (std::size_t line = 0; line + 1 < starts.size(); ++line)
        if (text[starts[line]] >= '1' && text[starts[line]] <= '9') {
            firstTurnLine = static_cast<long>(line) + 1;
            break;
        }
    for (std::size_t size = 0; size < text.size(); ++size) {
        TGameRecord read;
        const TRecordReadResult result = ParseRecord(text.substr(0, size), read);
        // A finished game cut short no longer reaches its result.
        if (!result.ok && result.message.find("does not agree with the end") != std::string::npos) {
            ASSERT_EQ(result.line, 9);
            ASSERT_NE(whole.result, TRecordResult::Unfinished);
            continue;
        }
        if (result.ok) {
            ASSERT_LE(read.turns.size(), whole.turns.size());
            for (std::size_t t = 0; t < read.turns.size(); ++t)
                ASSERT_EQ(read.turns[t], whole.turns[t]) << size;
            // Only the last line end missing: the whole game.
            if (read.turns.size() < whole.turns.size()) {
                ASSERT_EQ(read.result, TRecordResult::Unfinished) << size;
            }
        } else if (size > 0 && (text[size - 1] == '\n' || text[size] == '\n')) {
            // Cut at a line end: the line found missing may be the next one.
            const long last = LineOf(starts, size - 1) + (text[size - 1] == '\n' ? 1 : 0);
            ASSERT_TRUE(result.line == last || result.line == last + 1) << size << result.message;
        } else {
            ASSERT_EQ(result.line, size == 0 ? 1 : LineOf(starts, size - 1)) << size;
        }
    }
    for (std::size_t at = 0; at < text.size(); ++at) {
        // Flipping the lowest bit turns digits, letters and line ends into
        // others; the case bit turns letters into letters.
        for (int change : {at % 2 == 0 ? 1 : 32}) {
            std::string damaged = text;
            damaged[at] = static_cast<char>(damaged[at] ^ change);
            TGameRecord read;
            const TRecordReadResult result = ParseRecord(damaged, read);
            ASSERT_FALSE(result.ok)
                << at << ": " << damaged.substr(starts[LineOf(starts, at) - 1], 60);
            const long line = LineOf(starts, at);
            ASSERT_FALSE(result.message.empty());
            EXPECT_EQ(result.message.find("Line " + std::to_string(result.line) + " "), 0u);
            if (line >= firstTurnLine)
                ASSERT_EQ(result.line, line) << at << ": " << result.message;
            else
                ASSERT_TRUE(result.line >= line && result.line <= firstTurnLine) << at;
        }
    }
}

TEST(GameRecord, CutsAndChangedBytesAreRefusedAtTheirLine) {
    // A short finished game, so that its result must agree with its turns.
    for (int i = 0; i < 2000; ++i) {
        const auto played = Play(Options(i, 30));
        if (played->record.result == TRecordResult::Unfinished) continue;
        ExpectDamageCaught(FormatRecord(played->record), played->record);
        break;
    }
    // A game going on from a saved position.
    const auto part = Play(Options(3, 12));
    auto after = std::make_unique<sim::TGame>();
    TSavedGame saved;
    ASSERT_TRUE(ParseSavedGame(part->savedText, kAnyBoard, saved).Loaded());
    CommitSavedGame(saved, after->board, after->setUp, after->turn, after->reading);
    after->board.SetPlayerCode(after->board.questionerArmy, Options(3, 12).questionerCode);
    TGameRecord record =
        ContinuedRecord("", 'W', after->board, after->setUp, after->turn, after->reading);
    std::minstd_rand dice(7);
    sim::PlayTurns(
        *after, dice, 1, 6, [](const std::string&) {}, &record);
    ExpectDamageCaught(FormatRecord(record), record);
}

// What a person can hand the reader: each refused in one sentence that names
// the line, nothing replaced.
TEST(GameRecord, BadRecordsAreRefusedInOneSentence) {
    const auto played = Play(Options(2, 20));
    const std::string good = FormatRecord(played->record);
    const std::vector<std::size_t> starts = LineStarts(good);
    const std::size_t turn5 = starts[16];  // 11 tags, a blank line, then the turns
    ASSERT_EQ(good.substr(turn5, 3), "5. ");
    auto replaceLine = [&](std::size_t start, const std::string& line) {
        return good.substr(0, start) + line + good.substr(good.find('\n', start));
    };
    struct TCase {
        const char* what;
        std::string bytes;
        long line;
    };
    const std::vector<TCase> cases = {
        {"empty", "", 1},
        {"not a record", "[Event \"Chess\"]\n", 1},
        {"binary", good.substr(0, starts[1]) + "\x01\x02\x7f", 2},
        {"invalid UTF-8", good.substr(0, starts[3]) + "[Question \"\xc3\x28\"]\n", 4},
        {"a NUL", good.substr(0, 40) + std::string(1, '\0') + good.substr(41), 2},
        {"a tag missing", good.substr(0, starts[1]) + good.substr(starts[2]), 10},
        {"unknown tag", replaceLine(starts[1], "[Colour \"W\"]"), 2},
        {"corner Ptah", replaceLine(starts[2], "[Ptah \"A1\"]"), 3},
        {"header changed", replaceLine(starts[2], "[Ptah \"B2\"]"), 11},
        {"cut mid-line", good.substr(0, turn5 + 10), 17},
        {"too large", good + std::string(kMaxRecordBytes, 'x'), 1},
    };
    for (const TCase& c : cases) {
        TGameRecord read;
        const TRecordReadResult result = ParseRecord(c.bytes, read);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_EQ(result.line, c.line) << c.what << ": " << result.message;
        EXPECT_EQ(
            result.message.rfind("Line " + std::to_string(c.line) + " of the game record ", 0), 0u)
            << c.what << ": " << result.message;
        EXPECT_EQ(result.message.back(), '.') << c.what;
        EXPECT_EQ(result.message.find('\n'), std::string::npos) << c.what;
    }
}

// Lines that keep their checks but break the rules: rewritten with a fresh
// check, as a careful forger would, they are still refused by the replay.
TEST(GameRecord, TurnsThatBreakTheRulesAreRefused) {
    const auto played = Play(Options(5, 40));
    TGameRecord record = played->record;
    ASSERT_GT(record.turns.size(), 10u);
    ASSERT_EQ(record.result, TRecordResult::Unfinished);
    auto refusedAt = [](const TGameRecord& forged, long line, const char* words) {
        TGameRecord read;
        const TRecordReadResult result = ParseRecord(FormatRecord(forged), read);
        EXPECT_FALSE(result.ok) << words;
        EXPECT_EQ(result.line, line) << result.message;
        EXPECT_NE(result.message.find(words), std::string::npos) << result.message;
    };
    std::size_t moved = 0, missed = 0;
    while (!record.turns[moved].Moved()) ++moved;
    while (record.turns[missed].Moved()) ++missed;
    const long movedLine = 13 + static_cast<long>(moved),
               missedLine = 13 + static_cast<long>(missed);
    {
        TGameRecord forged = record;
        forged.turns[moved].to = forged.turns[moved].from;  // not a move at all
        refusedAt(forged, movedLine, "chooses");
    }
    {
        TGameRecord forged = record;
        forged.turns[missed].miss = TMissGo::None;
        forged.turns[missed].from = TSquare{2, 1};
        forged.turns[missed].to = TSquare{3, 1};
        refusedAt(forged, missedLine, "no move with this throw");
    }
    {
        TGameRecord forged = record;
        forged.turns[moved].miss = TMissGo::DicePrevents;
        refusedAt(forged, movedLine, "Miss Go was not due");
    }
    {
        TGameRecord forged = record;
        forged.turns[moved].omen = "THE TOWER";
        refusedAt(forged, movedLine, "does not agree with the game");
    }
    {
        TGameRecord forged = record;
        forged.turns[moved].number += 1;
        refusedAt(forged, movedLine, "should be turn");
    }
    {
        TGameRecord forged = record;
        forged.result = TRecordResult::Win;
        forged.reason = TRecordReason::PtahHeld;
        refusedAt(forged, 9, "does not agree with the end");
    }
    {
        // A Questioner who resigned: an unfinished game may end so.
        TGameRecord resigned = record;
        resigned.result = TRecordResult::Lose;
        resigned.reason = TRecordReason::Resigned;
        TGameRecord read;
        EXPECT_TRUE(ParseRecord(FormatRecord(resigned), read).ok);
    }
}

TEST(GameRecord, ReplayRefusesABadRecordAndWritesNothing) {
    const fs::path folder = FreshFolder("record-bad");
    const std::string r = (folder / "bad.vrec").string(), s = (folder / "s.vae").string();
    {
        std::ofstream out(r, std::ios::binary);
        out << "[Game \"Vaeloric Chess record 1\"]\n[Board \"X\"]\n";
    }
    const TSimRun run = RunSim({"replay", r, "--save", s});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "'" + r + "': Line 2 of the game record has a tag value that is not allowed.\n");
    EXPECT_FALSE(fs::exists(s));
    EXPECT_EQ(RunSim({"replay"}).status, 2);
    EXPECT_EQ(RunSim({"replay", (folder / "missing.vrec").string()}).err,
              "Cannot open the game record '" + (folder / "missing.vrec").string() + "'.\n");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vaeloric
