// The simulated shard managers behind relay request 0x7203: which requests get through,
// the relay answer that comes first, and the dispatch of inner requests by identifier.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShardManager.h"
#include "SimConfig.h"
#include "SimDirectory.h"
#include "msg/MsgIds.h"

namespace {

const char kFarm[] =
    "world Velmora\n"
    "service 101 4\n"
    "service 102 5\n"
    "service 103 3\n"
    "service 104 6\n";

class ShardManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(ParseSimConfig(kFarm, &config, &error)) << error;
    directory = std::make_unique<CSimDirectory>(config, &log);
    shards = std::make_unique<CShardManager>(directory.get(), &log);
    shards->Register(0x4001, [this](CMsg* request, const RelayHead& head, MassiveMsgBuilder* answer) {
      uint8_t b;
      ReadBytes(request, &b, 1);
      seen.push_back(head.serviceId);
      if (b == 0) return false;
      answer->AppendU8(b);
      return true;
    });
  }

  // A relay request for the service with the inner identifier and one inner byte.
  CMsg* Request(uint16_t service, uint16_t inner, int innerByte = 1) {
    msg.Init(kMsgRelay);
    WriteRelayHead(&msg, {service, inner});
    if (innerByte >= 0) WriteU8(&msg, static_cast<uint8_t>(innerByte));
    return &msg;
  }
  std::string LastNote() const { return log.Lines().empty() ? "" : log.Lines().back().text; }

  SimConfig config;
  CSimLog log;
  std::unique_ptr<CSimDirectory> directory;
  std::unique_ptr<CShardManager> shards;
  std::vector<uint16_t> seen;
  CMsg msg;
};

TEST_F(ShardManagerTest, only_running_services_answer) {
  struct Case {
    uint16_t service;
    bool answered;
    const char* note;
  } cases[] = {
      {101, true, nullptr},
      {102, true, nullptr},
      {103, false, "^2relay to manager service 103: service is not running (state 3); no answer"},
      {104, false, "^2relay to manager service 104: service is not running (state 6); no answer"},
      {105, false, "^2relay to manager service 105: the directory has no such service; no answer"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.service);
    size_t lines = log.Lines().size();
    ShardReply reply;
    EXPECT_EQ(shards->Serve(Request(c.service, 0x4001), &reply), c.answered);
    EXPECT_EQ(reply.relayAnswer != nullptr, c.answered);
    EXPECT_EQ(reply.answer != nullptr, c.answered);
    if (c.note) EXPECT_EQ(LastNote(), c.note);
    else EXPECT_EQ(log.Lines().size(), lines);
  }
  EXPECT_EQ(seen, (std::vector<uint16_t>{101, 102}));
}

TEST_F(ShardManagerTest, relay_answer_carries_the_head_and_the_inner_answer_follows) {
  ShardReply reply;
  ASSERT_TRUE(shards->Serve(Request(102, 0x4001, 0x5A), &reply));
  ASSERT_TRUE(reply.relayAnswer);
  EXPECT_EQ(GetID(reply.relayAnswer.get()), 0xB203);
  RelayHead head = ReadRelayHead(reply.relayAnswer.get());
  EXPECT_EQ(head.serviceId, 102);
  EXPECT_EQ(head.innerId, 0x4001);
  EXPECT_EQ(Remaining(reply.relayAnswer.get()), 0);

  ASSERT_TRUE(reply.answer);
  CMassiveMsg* answer = reply.answer->Build();
  EXPECT_EQ(GetID(answer), 0x8001);
  EXPECT_EQ(ReadU8(answer), 0x5A);
  EXPECT_THROW(ReadU8(answer), CMsgException);
}

TEST_F(ShardManagerTest, unknown_inner_request_or_a_handler_without_answer_gets_the_relay_answer_only) {
  ShardReply unknown;
  ASSERT_TRUE(shards->Serve(Request(101, 0x400E), &unknown));
  EXPECT_TRUE(unknown.relayAnswer);
  EXPECT_FALSE(unknown.answer);
  EXPECT_EQ(LastNote(), "^3manager service 101: no simulated server answers inner request 0x400E");

  ShardReply silent;
  ASSERT_TRUE(shards->Serve(Request(101, 0x4001, 0), &silent));
  EXPECT_TRUE(silent.relayAnswer);
  EXPECT_FALSE(silent.answer);

  // A later registration for the same identifier replaces the first.
  shards->Register(0x4001, [](CMsg*, const RelayHead&, MassiveMsgBuilder* answer) {
    answer->AppendU8(7);
    return true;
  });
  ShardReply replaced;
  ASSERT_TRUE(shards->Serve(Request(101, 0x4001, 0), &replaced));
  ASSERT_TRUE(replaced.answer);
  EXPECT_EQ(ReadU8(replaced.answer->Build()), 7);
}

TEST_F(ShardManagerTest, request_without_a_whole_head_gets_nothing) {
  msg.Init(kMsgRelay);
  WriteU16(&msg, 101);
  ShardReply reply;
  EXPECT_FALSE(shards->Serve(&msg, &reply));
  EXPECT_FALSE(reply.relayAnswer);
  EXPECT_EQ(LastNote(), "^2relay request 0x7203 without its relay head (2 payload bytes); no answer");
}

}  // namespace
