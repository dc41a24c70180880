// SPDX-License-Identifier: GPL-3.0-or-later

// The checks of the question, players and dice dialogs, without a display.
#include <gtest/gtest.h>

#include "dialogs/setup_dialog_data.h"
#include "flow/setup_record.h"

namespace vaeloric {
namespace {

TEST(PtahSquareCheck, CornersRefusedOthersAccepted) {
    struct {
        int file, rank;
        TPtahVerdict expected;
    } const cases[] = {
        {1, 1, TPtahVerdict::Corner},   {1, 8, TPtahVerdict::Corner},
        {8, 1, TPtahVerdict::Corner},   {8, 8, TPtahVerdict::Corner},
        {1, 2, TPtahVerdict::Accepted}, {2, 1, TPtahVerdict::Accepted},
        {8, 7, TPtahVerdict::Accepted}, {4, 5, TPtahVerdict::Accepted},
    };
    for (const auto& c : cases) {
        TPtahSquareData data{c.file, c.rank, "Will it rain?"};
        EXPECT_EQ(CheckPtahSquare(data), c.expected) << c.file << "," << c.rank;
    }
}

TEST(PtahSquareCheck, EmptyQuestionRefusedBeforeTheCorner) {
    TPtahSquareData data{1, 1, ""};
    EXPECT_EQ(CheckPtahSquare(data), TPtahVerdict::NoQuestion);
}

TEST(PtahSquareCheck, QuestionCutToWhatTheCaptionHolds) {
    TPtahSquareData data{1, 2, std::string(300, 'q')};
    EXPECT_EQ(CheckPtahSquare(data), TPtahVerdict::Accepted);
    EXPECT_EQ(data.question.size(), kMaxQuestionLength);
    EXPECT_LE(std::string(kCaptionPrefix).size() + data.question.size(), kMaxCaptionLength);
}

TEST(PtahSquareCheck, Titles) {
    EXPECT_STREQ(PtahSquareDialogTitle('W'), "Vaeloric Chess - question & ptah Square");
    for (char letter : {'A', 'E', 'F'})
        EXPECT_STREQ(PtahSquareDialogTitle(letter), "Question & Ptah Square");
}

TPlayerSettingsData Players(std::int32_t seat2, std::int32_t seat3, std::int32_t seat4,
                            std::array<std::string, 5> names) {
    TPlayerSettingsData data;
    data.seatCode = {0, 0, seat2, seat3, seat4};
    data.names = std::move(names);
    return data;
}

TEST(SetUpTexts, CutBeforeALetterThatWouldCrossTheLimit) {
    // A 4-byte letter from byte 236 on does not fit in 238 bytes; the
    // name's 2-byte letter from byte 22 on does not fit in 23.
    TPtahSquareData question{1, 2, std::string(236, 'q') + "\xF0\x9F\x9C\x81!"};
    EXPECT_EQ(CheckPtahSquare(question), TPtahVerdict::Accepted);
    EXPECT_EQ(question.question, std::string(236, 'q'));
    TPlayerSettingsData names =
        Players(2, 8, 3, {"", std::string(22, 'a') + "\xC3\xA9", "", "", ""});
    EXPECT_TRUE(CheckPlayerNames(names));
    EXPECT_EQ(names.names[1], std::string(22, 'a'));
}

TEST(PlayerNamesCheck, HumanSeatsNeedNames) {
    struct {
        TPlayerSettingsData data;
        bool accepted;
    } cases[] = {
        {Players(2, 1, 3, {"", "Ann", "", "Cy", ""}), true},
        {Players(2, 1, 3, {"", "", "", "Cy", ""}), false},     // no Questioner
        {Players(1, 8, 3, {"", "Ann", "", "", ""}), false},    // human seat 2 unnamed
        {Players(2, 8, 3, {"", "Ann", "", "", ""}), true},     // computers need none
        {Players(2, 1, 1, {"", "Ann", "", "Cy", ""}), false},  // human seat 4 unnamed
        {Players(1, 1, 1, {"", "A", "B", "C", "D"}), true},
    };
    for (auto& c : cases) EXPECT_EQ(CheckPlayerNames(c.data), c.accepted);
}

TEST(PlayerNamesCheck, NamesCutTo23Characters) {
    TPlayerSettingsData data = Players(
        1, 1, 1, {"", std::string(30, 'a'), std::string(23, 'b'), std::string(24, 'c'), "d"});
    EXPECT_TRUE(CheckPlayerNames(data));
    EXPECT_EQ(data.names[1], std::string(23, 'a'));
    EXPECT_EQ(data.names[2], std::string(23, 'b'));
    EXPECT_EQ(data.names[3], std::string(23, 'c'));
    EXPECT_EQ(data.names[4], "d");
}

TEST(PlayerTransfer, WordsFollowTheButtonOrder) {
    const TPlayerSettingsData defaults;
    const auto words = PlayerTransferWords(defaults);
    // Seat 2 "Dr Aldous Fenn " (word 2), seat 3 Human (word 8), seat 4 "Osric Vane" (word 12).
    const std::array<std::uint16_t, 16> expected{0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(words, expected);

    std::array<std::uint16_t, 16> chosen{};
    chosen[5] = 1;   // seat 2 "A.R. Morrow": code 4
    chosen[8] = 1;   // seat 3 Varro Quillane: code 8
    chosen[15] = 1;  // seat 4 "Mrs Imelda Morrow": code 6
    TPlayerSettingsData data;
    ApplyPlayerTransferWords(chosen, data);
    EXPECT_EQ(data.seatCode[2], 4);
    EXPECT_EQ(data.seatCode[3], 8);
    EXPECT_EQ(data.seatCode[4], 6);
    EXPECT_EQ(PlayerTransferWords(data), chosen);
}

TEST(DiceWords, FirstSelectedOfOneToFiveElseSix) {
    EXPECT_EQ(ThrowOfDiceWords({0, 0, 1, 0, 0, 0}), 3);
    EXPECT_EQ(ThrowOfDiceWords({0, 0, 0, 0, 0, 1}), 6);
    EXPECT_EQ(ThrowOfDiceWords({0, 0, 0, 0, 0, 0}), 6);
    EXPECT_EQ(ThrowOfDiceWords({1, 0, 0, 0, 1, 0}), 1);
}

}  // namespace
}  // namespace vaeloric
