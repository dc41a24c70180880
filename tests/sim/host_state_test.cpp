// SPDX-License-Identifier: GPL-3.0-or-later

// The host's game file: what a killed host goes on from.
#include "net/host_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

#include "flow/saved_game.h"
#include "reading/network.h"
#include "sim_test_support.h"

namespace vaeloric::sim {
namespace {

using net::FormatActivation;
using net::FormatHostState;
using net::ParseActivation;
using net::ParseHostState;
using net::THostState;

THostState Sample() {
    THostState state;
    state.options = {"--seed", "7", "--invitations", "a file with blanks.txt", ""};
    state.port = 40123;
    state.codes = {{2, "ABCDEFGHJKLMNPQRSTUV"}, {4, "23456789ABCDEFGHJKLM"}};
    state.handedOver = {{4, 17}};
    state.dice = "48271";
    state.played = {net::TTurnPlayed{1, 3, 5, false, TSquare{2, 1}, TSquare{3, 1}},
                    net::TTurnPlayed{2, 4, 6, true, TSquare{}, TSquare{}}};
    state.nextTurn = 3;
    state.computerMoves = 1;
    state.result = "lose";
    state.lines = {"1 Earth 5 a2-a3", "2 Air 6 miss"};
    state.game = "VAELORIC\nline two\n\nend without a line end";
    state.activation = "0x1p-1 ";
    state.record = "";
    return state;
}

void ExpectSame(const THostState& a, const THostState& b) {
    EXPECT_EQ(a.options, b.options);
    EXPECT_EQ(a.port, b.port);
    EXPECT_EQ(a.codes, b.codes);
    EXPECT_EQ(a.handedOver, b.handedOver);
    EXPECT_EQ(a.dice, b.dice);
    EXPECT_EQ(a.nextTurn, b.nextTurn);
    EXPECT_EQ(a.computerMoves, b.computerMoves);
    EXPECT_EQ(a.result, b.result);
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_EQ(a.game, b.game);
    EXPECT_EQ(a.activation, b.activation);
    EXPECT_EQ(a.record, b.record);
    ASSERT_EQ(a.played.size(), b.played.size());
    for (std::size_t i = 0; i < a.played.size(); ++i) {
        EXPECT_EQ(a.played[i].turn, b.played[i].turn);
        EXPECT_EQ(a.played[i].army, b.played[i].army);
        EXPECT_EQ(a.played[i].face, b.played[i].face);
        EXPECT_EQ(a.played[i].missed, b.played[i].missed);
        EXPECT_TRUE(SquaresEqual(a.played[i].from, b.played[i].from));
        EXPECT_TRUE(SquaresEqual(a.played[i].to, b.played[i].to));
    }
}

TEST(HostState, EverythingComesBackAsItWasKept) {
    const THostState kept = Sample();
    THostState read;
    std::string problem;
    ASSERT_TRUE(ParseHostState(FormatHostState(kept), read, problem)) << problem;
    ExpectSame(kept, read);
}

// A file cut short by a crash, changed by hand or of another kind is
// refused whole: the host never goes on from half a game.
TEST(HostState, DamagedFilesAreRefused) {
    const std::string good = FormatHostState(Sample());
    auto replace = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? good : text.replace(at, from.size(), to);
    };
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"cut before its end", good.substr(0, good.size() - 4)},
        {"cut inside a text", good.substr(0, good.find("line two"))},
        {"bytes after the end", good + "x"},
        {"another first line", replace("vaeloric host game 1", "vaeloric host game 2")},
        {"a length one too large", replace("game 41\n", "game 42\n")},
        {"a length one too small", replace("game 41\n", "game 40\n")},
        {"port 0", replace("port 40123", "port 0")},
        {"a port too large", replace("port 40123", "port 65536")},
        {"seat 5", replace("seat 4 ", "seat 5 ")},
        {"a bad code", replace("ABCDEFGHJKLMNPQRSTUV", "ABCDEFGHJKLMNPQRSTU0")},
        {"a turn missing", replace("played 2 ", "played 3 ")},
        {"the next turn not after the last", replace("next-turn 3", "next-turn 4")},
        {"another result", replace("result lose", "result draw")},
        {"an unknown line", replace("dice 48271\n", "dice 48271\nextra 1\n")},
        {"no dice", replace("dice 48271\n", "")},
        {"a number with letters", replace("computer-moves 1", "computer-moves 1x")},
    };
    for (const auto& [name, text] : cases) {
        THostState read;
        std::string problem;
        EXPECT_FALSE(ParseHostState(text, read, problem)) << name;
        EXPECT_EQ(problem, "It is not a host's game file.") << name;
    }
}

// The saved game rounds the readings' state; the host's file keeps it to the
// last bit, so that a resumed game reads on exactly as it would have.
TEST(HostState, TheReadingsStateIsKeptExactly) {
    TReadingRecord reading;
    for (std::size_t i = 0; i < reading.gameActivation.size(); ++i)
        reading.gameActivation[i] =
            static_cast<float>(std::sin(static_cast<double>(i) * 1.7)) / static_cast<float>(i + 3);
    reading.gameActivation[1] = std::numeric_limits<float>::denorm_min();
    reading.gameActivation[2] = -0.0f;
    TReadingRecord read;
    ASSERT_TRUE(ParseActivation(FormatActivation(reading), read));
    for (std::size_t i = 0; i < reading.gameActivation.size(); ++i) {
        EXPECT_EQ(std::signbit(read.gameActivation[i]), std::signbit(reading.gameActivation[i]));
        EXPECT_EQ(read.gameActivation[i], reading.gameActivation[i]) << i;
    }
    const std::string text = FormatActivation(reading);
    EXPECT_FALSE(ParseActivation(text.substr(0, text.rfind(' ', text.size() - 2)), read));
    EXPECT_FALSE(ParseActivation(text + "0x1p0", read));
    EXPECT_FALSE(ParseActivation("nonsense " + text, read));
}

// Two units a hair apart are equal once rounded, and then the first would
// win: the game's reading of a resumed game is written from the exact state,
// as play wrote it.
TEST(HostState, TheGameReadingIsWrittenFromTheExactState) {
    TReadingRecord reading;
    reading.gameActivation[0] = 0.3f;
    reading.gameActivation[1] = std::nextafter(0.3f, 1.0f);
    ComposeGameText(reading);
    TReadingRecord loaded;  // as a saved game gives it back
    for (std::size_t i = 0; i < loaded.gameActivation.size(); ++i)
        loaded.gameActivation[i] = std::stof(ActivationText(reading.gameActivation[i]));
    ComposeGameText(loaded);
    ASSERT_NE(loaded.gameText, reading.gameText);
    ASSERT_TRUE(ParseActivation(FormatActivation(reading), loaded));
    EXPECT_EQ(loaded.gameText, reading.gameText);
}

}  // namespace
}  // namespace vaeloric::sim

namespace vaeloric {
namespace {

using namespace testing_support;

std::vector<std::string> HostArgs(const std::string& turns, const std::string& name) {
    return {"host",
            "--board",
            "E",
            "--ptah",
            "D5",
            "--seed",
            "9",
            "--turns",
            turns,
            "--remote",
            "2",
            "--wait",
            "1",
            "--identity",
            TempPath("identity").string(),
            "--invitations",
            TempPath(name + ".invitations").string(),
            "--keep",
            TempPath(name + ".game").string(),
            "--save",
            TempPath(name + ".vae").string(),
            "--analysis",
            TempPath(name + ".txt").string()};
}

// A host that stopped after turn 30 goes on from its kept game to the same
// end as one uninterrupted game, and a host that stopped after the last turn
// only writes its files again. No guest comes: after its wait, seat 2 is its
// computer opponent's, as it stays after the resume.
TEST(HostResume, AKeptGameGoesOnToTheSameEnd) {
    const TSimRun play =
        RunSim({"play", "--board", "E", "--ptah", "D5", "--seed", "9", "--turns", "60", "--save",
                TempPath("play.vae").string(), "--analysis", TempPath("play.txt").string()});
    ASSERT_EQ(play.status, 0) << play.err;
    ASSERT_EQ(Lines(play.out).size(), 61u);  // the game runs to the turn limit
    // Seat 2 plays the second turn: "2 COLOUR FACE ...".
    const std::string second = Lines(play.out)[1];
    const std::string colour = second.substr(2, second.find(' ', 2) - 2);
    const std::string note = "\nSeat 2 (the " + colour +
                             " army) was played by its computer opponent from turn 1 on, after "
                             "its guest over the network was lost.\n";

    const TSimRun first = RunSim(HostArgs("30", "part"));
    ASSERT_EQ(first.status, 0) << first.err;
    const std::string kept = TempPath("part.game").string();
    std::string text = ReadFile(kept);
    // The same game with a later turn limit, as if the host had died at 30.
    const std::size_t limit = text.find("option 2\n30\n");
    ASSERT_NE(limit, std::string::npos);
    text.replace(limit, 12, "option 2\n60\n");
    std::ofstream(kept, std::ios::binary | std::ios::trunc) << text;

    const TSimRun resumed = RunSim({"host", "--resume", kept});
    ASSERT_EQ(resumed.status, 0) << resumed.err;
    EXPECT_EQ(resumed.out, play.out);
    EXPECT_EQ(ReadFile(TempPath("part.vae")), ReadFile(TempPath("play.vae")));
    EXPECT_EQ(ReadFile(TempPath("part.txt")), ReadFile(TempPath("play.txt")) + note);

    // After the last turn: the same again, with no turn played twice.
    std::filesystem::remove(TempPath("part.vae"));
    const TSimRun again = RunSim({"host", "--resume", kept});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, play.out);
    EXPECT_EQ(ReadFile(TempPath("part.vae")), ReadFile(TempPath("play.vae")));
}

TEST(HostResume, WhatIsNotAKeptGameIsRefusedInOneSentence) {
    const std::string damaged = TempPath("damaged.game").string();
    std::ofstream(damaged, std::ios::binary) << "vaeloric host game 1\nport 1\n";
    const std::string saved = (kSimData / "board-A-E5-seed101-limit61" / "game.vae").string();
    const std::vector<std::vector<std::string>> cases = {
        {"host", "--resume"},
        {"host", "--resume", damaged, "--wait", "3"},
        {"host", "--resume", TempPath("missing.game").string()},
        {"host", "--resume", damaged},
        {"host", "--resume", saved},
        {"host", "--invitations", TempPath("x").string(), "--hand-over", "0"},
        {"join", "vaeloric://127.0.0.1:1/2/ABCDEFGHJKLMNPQRSTUV?sha256=" + std::string(64, '0'),
         "--cut-line", "3:later"},
    };
    for (const auto& args : cases) {
        const TSimRun run = RunSim(args);
        std::string shown;
        for (const auto& arg : args) shown += arg + " ";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown << ": " << run.err;
    }
}

}  // namespace
}  // namespace vaeloric
