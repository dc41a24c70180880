// SPDX-License-Identifier: GPL-3.0-or-later

// The engine protocol: a session answers as `choose` does for every face
// of positions along a played game, and a bad command gets one error line
// and leaves the engine answering.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/commands.h"
#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

std::vector<std::string> Session(const std::vector<std::string>& options,
                                 const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(sim::RunEngine(options, in, out), 0);
    std::vector<std::string> answers;
    for (const std::string& line : Lines(out.str()))
        if (line.rfind("info ", 0) != 0) answers.push_back(line);  // info is free-form
    return answers;
}

TEST(Engine, AnswersAsChooseForEveryFaceAlongAGame) {
    const auto path = TempPath("engine.vae");
    long compared = 0, none = 0;
    for (const char* turns : {"0", "7", "30", "81"}) {
        ASSERT_EQ(RunSim({"play", "--seed", "5", "--turns", turns, "--save", path.string()}).status,
                  0);
        const std::string position = "position\n" + ReadFile(path) + "end\n";
        for (const char* code : {"9", "5", "2"}) {
            std::string input = "protocol 1\n" + position;
            std::vector<std::string> expected = {"id name", "id author Vaeloric Chess", "ready"};
            for (int face = 1; face <= 6; ++face) {
                input += "go face " + std::to_string(face) + " nodes 300\n";
                const TSimRun choose = RunSim({"choose", path.string(), std::to_string(face),
                                               "--opponent", code, "--seer-nodes", "300"});
                ASSERT_TRUE(choose.status == 0 || choose.status == 3) << choose.err;
                expected.push_back(choose.status == 3 ? "bestmove none"
                                                      : "bestmove " + Lines(choose.out).at(0));
                none += choose.status == 3;
            }
            const std::vector<std::string> answers =
                Session({"--opponent", code, "--seer-nodes", "300"}, input + "quit\nisready\n");
            ASSERT_EQ(answers.size(), expected.size()) << code << " after " << turns;
            EXPECT_EQ(answers[0].rfind("id name ", 0), 0u);
            for (std::size_t i = 1; i < answers.size(); ++i)
                EXPECT_EQ(answers[i], expected[i]) << code << " after " << turns << ", line " << i;
            compared += 6;
        }
    }
    EXPECT_EQ(compared, 4 * 3 * 6);
    EXPECT_GT(none, 0) << "no position without a legal move for some face";
}

TEST(Engine, BadCommandsGetOneErrorLineAndTheEngineGoesOn) {
    const auto path = TempPath("engine-errors.vae");
    ASSERT_EQ(RunSim({"play", "--seed", "2", "--turns", "3", "--save", path.string()}).status, 0);
    const std::string game = ReadFile(path);
    const struct {
        std::string input, error;
        long errors = 1;
    } rows[] = {
        {"go face 3\n", "error no position"},
        {"position\n" + game + "end\ngo face 0\n", "error go needs face"},
        {"position\n" + game + "end\ngo face 3 nodes\n", "error go needs face"},
        {"position\n" + game + "end\ngo face 3 depth 4\n", "error go needs face"},
        {"position\n" + game + "end\ngo face 3 movetime -5\n", "error go needs face"},
        {"position\nnot a game\nend\n", "error the position is not a saved game"},
        // A bad position also drops the good one before it.
        {"position\n" + game + "end\nposition\nxx\nend\ngo face 2\n", "error no position", 2},
        {"protocol 2\n", "error this engine speaks protocol 1"},
        {"move e2e4\n", "error unknown command 'move'"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> answers = Session({}, row.input + "isready\n");
        ASSERT_FALSE(answers.empty()) << row.input;
        EXPECT_EQ(answers.back(), "ready") << row.input;
        long errors = 0;
        for (const std::string& answer : answers) errors += answer.rfind("error ", 0) == 0;
        EXPECT_EQ(errors, row.errors) << row.input;
        EXPECT_NE(answers.end()[-2].find(row.error), std::string::npos)
            << row.input << " gave " << answers.end()[-2];
    }
    // A position cut short (no end line) is an error, at the end of input.
    const std::vector<std::string> cut = Session({}, "position\n" + game);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].rfind("error the position has no end line", 0), 0u);
    // Options are checked before any line is read.
    std::istringstream in("isready\n");
    std::ostringstream out;
    EXPECT_THROW(sim::RunEngine({"--opponent", "1"}, in, out), std::exception);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace vaeloric
