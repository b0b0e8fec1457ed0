#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opslog/KDLogCategories.h"
#include "opslog/KDLogQuery.h"
#include "unit/opslog/FakeMessenger.h"

namespace {

std::vector<uint8_t> Bytes(std::initializer_list<std::string> pieces) {
  std::vector<uint8_t> out;
  for (const std::string& p : pieces) out.insert(out.end(), p.begin(), p.end());
  return out;
}

KDLogQueryInput Input(uint32_t queryBy, const char* name, uint32_t category) {
  KDLogQueryInput in;
  in.queryBy = queryBy;
  in.userNameField = name;
  in.categoryData = category;
  in.beginText = "2008-2-4 07:04:09";
  in.endText = "2008-3-5 07:04:09";
  return in;
}

TEST(KDLogRequest, by_user_name_sends_the_name_and_the_category) {
  ConsoleFixture console;
  KDLogQueryOutcome out = BuildKDLogRequest(Input(kKDLogByUserName, "gm_rhea", 9), false);
  ASSERT_EQ(out.refusal, nullptr);
  ASSERT_TRUE(SendKDLogRequest(out.request));
  ASSERT_EQ(console.messenger.sent.size(), 1u);
  const CMsg* msg = console.messenger.sent[0];
  EXPECT_EQ(GetID(msg), 0x7404);
  EXPECT_EQ(FakeMessenger::Payload(msg),
            Bytes({std::string("\x07\x00", 2), "gm_rhea", "\x09", std::string("\x11\x00", 2), "2008-2-4 07:04:09",
                   std::string("\x11\x00", 2), "2008-3-5 07:04:09"}));
}

TEST(KDLogRequest, by_category_sends_an_empty_name_even_when_the_field_holds_text) {
  ConsoleFixture console;
  KDLogQueryOutcome out = BuildKDLogRequest(Input(kKDLogByCategory, "left over", 24), false);
  ASSERT_TRUE(SendKDLogRequest(out.request));
  EXPECT_EQ(FakeMessenger::Payload(console.messenger.sent[0]),
            Bytes({std::string("\x00\x00", 2), "\x18", std::string("\x11\x00", 2), "2008-2-4 07:04:09",
                   std::string("\x11\x00", 2), "2008-3-5 07:04:09"}));
}

TEST(KDLogRequest, refused_while_in_flight) {
  KDLogQueryOutcome out = BuildKDLogRequest(Input(kKDLogByUserName, "gm_rhea", 0), true);
  ASSERT_NE(out.refusal, nullptr);
  EXPECT_STREQ(out.refusal, "blocked. wait for response");
  EXPECT_TRUE(out.request.userName.empty());
}

TEST(KDLogRequest, overlong_user_name_is_cut_so_the_times_still_fit) {
  CMsg msg;
  msg.Init(0x7404);
  KDLogQueryOutcome out = BuildKDLogRequest(Input(kKDLogByUserName, std::string(5000, 'x').c_str(), 1), false);
  ASSERT_NO_THROW(WriteKDLogRequest(&msg, out.request));
  uint8_t len[2];
  ReadBytes(&msg, len, 2);
  uint16_t nameLength = static_cast<uint16_t>(len[0] | (len[1] << 8));
  EXPECT_EQ(nameLength, 4090 - 2 - 1 - 2 - 17 - 2 - 17);
  std::vector<uint8_t> skip(nameLength + 1);
  ReadBytes(&msg, skip.data(), static_cast<uint16_t>(skip.size()));
  EXPECT_EQ(skip.back(), 1);
  std::vector<uint8_t> rest(Remaining(&msg));
  ReadBytes(&msg, rest.data(), static_cast<uint16_t>(rest.size()));
  EXPECT_EQ(rest, Bytes({std::string("\x11\x00", 2), "2008-2-4 07:04:09", std::string("\x11\x00", 2),
                         "2008-3-5 07:04:09"}));
}

TEST(KDLogRequest, nothing_is_sent_without_a_messenger) {
  Console().messenger = nullptr;
  EXPECT_FALSE(SendKDLogRequest(KDLogRequest{}));
}

}  // namespace
