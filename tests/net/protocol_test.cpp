// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vaeloric::net {
namespace {

const std::string kCode = "ABCDEFGHJKLMNPQRSTUV";

// Every message a peer may send survives its own encoding unchanged.
TEST(Protocol, EveryMessageReadsBackAsItWasWritten) {
    const std::vector<TGuestMessage> guest = {
        THello{kProtocolVersion, 3, kCode},
        TThrowRequest{7, 0},
        TThrowRequest{kMaxTurnNumber, 6},
        TDropRequest{12, TSquare{2, 8}, TSquare{8, 1}},
        TEndHeard{0},
        TEndHeard{300},
    };
    for (const TGuestMessage& message : guest) {
        const std::string frame = EncodeMessage(message);
        const auto decoded = DecodeGuestMessage(frame);
        ASSERT_TRUE(decoded.Ok()) << frame << ": " << decoded.Problem();
        EXPECT_EQ(EncodeMessage(decoded.Message()), frame);
        EXPECT_EQ(decoded.Message().index(), message.index());
    }
    const std::vector<THostMessage> host = {
        TWelcome{4, 2, 31, std::string("1\r\nW\r\n") + std::string(3000, 'x'), 5},
        TPrompt{5, 3, 0},
        TPrompt{5, 3, 4},
        TTurnPlayed{9, 1, 5, false, TSquare{1, 1}, TSquare{8, 8}},
        TTurnPlayed{10, 2, 0, true, {}, {}},
        TGameOver{140, "win"},
        TGameOver{2000, "unfinished"},
        TRefused{"The seat code is not this seat's."},
    };
    for (const THostMessage& message : host) {
        const std::string frame = EncodeMessage(message);
        const auto decoded = DecodeHostMessage(frame);
        ASSERT_TRUE(decoded.Ok()) << frame << ": " << decoded.Problem();
        EXPECT_EQ(EncodeMessage(decoded.Message()), frame);
        EXPECT_EQ(decoded.Message().index(), message.index());
    }
    const auto drop = DecodeGuestMessage(R"({"type":"drop","turn":12,"from":"H2","to":"A8"})");
    ASSERT_TRUE(drop.Ok());
    const auto& d = std::get<TDropRequest>(drop.Message());
    EXPECT_EQ(d.turn, 12);
    EXPECT_TRUE(SquaresEqual(d.from, TSquare{2, 8}));
    EXPECT_TRUE(SquaresEqual(d.to, TSquare{8, 1}));
}

struct TRefusal {
    std::string frame;
    std::string sentence;
};

// A guest's frame outside the schema is refused with one sentence that never
// repeats the peer's bytes.
TEST(Protocol, GuestFramesOutsideTheSchemaAreRefused) {
    const std::string hello = R"("type":"hello","version":1,"seat":2,"code":")" + kCode + "\"";
    const std::vector<TRefusal> rows = {
        {"", "The message is not valid JSON."},
        {"{\"type\":\"throw\",\"turn\":1,\"face\":0", "The message is not valid JSON."},
        {"{\"type\":\"throw\",\"turn\":1,\"face\":0}x", "The message is not valid JSON."},
        {"{\"type\":\"hello\",\"code\":\"\xff\xfe\"}", "The message is not valid JSON."},
        {"[1,2]", "The message is not a JSON object."},
        {"{\"turn\":1}", "The message has no type."},
        {"{\"type\":5}", "The message has no type."},
        {R"({"type":"welcome","seat":2,"army":1,"turn":1,"game":""})",
         "The message's type is not one a guest sends."},
        {R"({"type":"<script>"})", "The message's type is not one a guest sends."},
        {R"({"type":"throw","turn":1})", "The 'throw' message has a missing or unexpected field."},
        {R"({"type":"throw","turn":1,"face":0,"extra":0})",
         "The 'throw' message has a missing or unexpected field."},
        {R"({"type":"throw","turn":0,"face":0})", "The 'throw' message has a bad 'turn' field."},
        {R"({"type":"throw","turn":1.5,"face":0})", "The 'throw' message has a bad 'turn' field."},
        {R"({"type":"throw","turn":"1","face":0})", "The 'throw' message has a bad 'turn' field."},
        {R"({"type":"throw","turn":1e300,"face":0})",
         "The 'throw' message has a bad 'turn' field."},
        {R"({"type":"throw","turn":1,"face":7})", "The 'throw' message has a bad 'face' field."},
        {R"({"type":"throw","turn":1,"face":-1})", "The 'throw' message has a bad 'face' field."},
        {R"({"type":"throw","turn":1,"face":null})", "The 'throw' message has a bad 'face' field."},
        {R"({"type":"drop","turn":1,"from":"e2","to":"E4"})",
         "The 'drop' message has a bad 'from' field."},
        {R"({"type":"drop","turn":1,"from":"E2","to":"I4"})",
         "The 'drop' message has a bad 'to' field."},
        {R"({"type":"drop","turn":1,"from":"E2","to":"E44"})",
         "The 'drop' message has a bad 'to' field."},
        {R"({"type":"drop","turn":1,"from":{"a":1},"to":"E4"})",
         "The 'drop' message has a bad 'from' field."},
        {"{" + hello + ",\"seat\":1}", "The 'hello' message has a bad 'seat' field."},
        {R"({"type":"hello","version":1,"seat":5,"code":")" + kCode + "\"}",
         "The 'hello' message has a bad 'seat' field."},
        {R"({"type":"hello","version":2,"seat":2,"code":")" + kCode + "\"}",
         "The guest speaks another version of the protocol."},
        {R"({"type":"hello","version":1,"seat":2,"code":"ABCDEFGHJKLMNPQRSTU0"})",
         "The 'hello' message has a bad 'code' field."},
        {R"({"type":"hello","version":1,"seat":2,"code":"ABCDEFGHJKLMNPQRSTUVW"})",
         "The 'hello' message has a bad 'code' field."},
        {R"({"type":"hello","version":1,"seat":2,"code":"abcdefghjklmnpqrstuv"})",
         "The 'hello' message has a bad 'code' field."},
        {"{\"type\":\"throw\",\"turn\":1,\"face\":0,\"pad\":\"" +
             std::string(kMaxMessageBytes, ' ') + "\"}",
         "The message is larger than 65536 bytes."},
        {R"({"type":"ended","turns":-1})", "The 'ended' message has a bad 'turns' field."},
        {R"({"type":"ended"})", "The 'ended' message has a missing or unexpected field."},
        {R"({"type":"over","turns":3,"result":"win"})",
         "The message's type is not one a guest sends."},
    };
    for (const TRefusal& row : rows) {
        const auto decoded = DecodeGuestMessage(row.frame);
        ASSERT_FALSE(decoded.Ok()) << row.frame.substr(0, 80);
        EXPECT_EQ(decoded.Problem(), row.sentence) << row.frame.substr(0, 80);
    }
}

TEST(Protocol, HostFramesOutsideTheSchemaAreRefused) {
    const std::vector<TRefusal> rows = {
        {R"({"type":"throw","turn":1,"face":0})", "The message's type is not one a host sends."},
        {R"({"type":"played","turn":3,"army":1,"face":0,"missed":false,"from":"A1","to":"A2"})",
         "The 'played' message has a bad 'face' field."},
        {R"({"type":"played","turn":3,"army":5,"face":2,"missed":false,"from":"A1","to":"A2"})",
         "The 'played' message has a bad 'army' field."},
        {R"({"type":"played","turn":3,"army":1,"face":2,"missed":1,"from":"A1","to":"A2"})",
         "The 'played' message has a bad 'missed' field."},
        {R"({"type":"prompt","turn":3,"army":0,"face":2})",
         "The 'prompt' message has a bad 'army' field."},
        {R"({"type":"over","turns":-1,"result":"win"})",
         "The 'over' message has a bad 'turns' field."},
        {R"({"type":"over","turns":3,"result":"draw"})",
         "The 'over' message has a bad 'result' field."},
        {R"({"type":"welcome","seat":2,"army":1,"turn":1,"game":")" +
             std::string(kMaxGameTextBytes + 1, 'x') + "\",\"questioner\":1}",
         "The 'welcome' message has a bad 'game' field."},
        {R"({"type":"refused","sentence":")" + std::string(kMaxSentenceBytes + 1, 'x') + "\"}",
         "The 'refused' message has a bad 'sentence' field."},
    };
    for (const TRefusal& row : rows) {
        const auto decoded = DecodeHostMessage(row.frame);
        ASSERT_FALSE(decoded.Ok()) << row.frame.substr(0, 80);
        EXPECT_EQ(decoded.Problem(), row.sentence) << row.frame.substr(0, 80);
    }
}

TEST(Protocol, SeatCodesUseTheirAlphabetAndLengthOnly) {
    EXPECT_TRUE(IsSeatCode(kCode));
    EXPECT_TRUE(IsSeatCode("23456789ZZZZZZZZZZZZ"));
    EXPECT_FALSE(IsSeatCode(""));
    EXPECT_FALSE(IsSeatCode(kCode.substr(1)));
    EXPECT_FALSE(IsSeatCode("ABCDEFGHJKLMNPQRSTUI"));
    EXPECT_FALSE(IsSeatCode(std::string("ABCDEFGHJKLMNPQRSTU\0", 20)));
}

}  // namespace
}  // namespace vaeloric::net
