#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "msg/Msg.h"
#include "msg/RelayRequest.h"

namespace {

std::unique_ptr<CMsg> FreshMsg(uint16_t id = 0x7404) {
  auto msg = std::make_unique<CMsg>();
  msg->Init(id);
  return msg;
}

uint16_t SizeWord(const CMsg& msg) { return LoadLE16(msg.m_Storage); }

// Fills a record so that exactly `room` bytes are left.
void FillToRoom(CMsg* msg, int room) {
  std::string filler(static_cast<size_t>(Room(msg) - room), 'x');
  WriteBytes(msg, filler.data(), static_cast<uint16_t>(filler.size()));
  ASSERT_EQ(Room(msg), room);
}

TEST(MsgWrite, size_word_counts_payload_and_keeps_flag_bit) {
  auto msg = FreshMsg();
  msg->m_Storage[1] = 0x80;  // the console's flag bit
  WriteU32(msg.get(), 0x11223344);
  EXPECT_EQ(SizeWord(*msg), 0x8004);
  EXPECT_EQ(PayloadSize(msg.get()), 4);
  EXPECT_EQ(GetID(msg.get()), 0x7404);
  const uint8_t expected[] = {0x44, 0x33, 0x22, 0x11};
  EXPECT_EQ(0, memcmp(msg->m_Storage + 6, expected, 4));

  msg->m_Storage[1] = 0x00;
  WriteU16(msg.get(), 0xBEEF);
  EXPECT_EQ(SizeWord(*msg), 6) << "a clear flag bit stays clear";
}

TEST(MsgWrite, a_write_may_fill_the_record_exactly) {
  auto msg = FreshMsg();
  FillToRoom(msg.get(), 4);
  WriteU32(msg.get(), 0x01020304);
  EXPECT_EQ(Room(msg.get()), 0);
  EXPECT_EQ(PayloadSize(msg.get()), kMsgCapacity - kMsgHeaderSize);
  EXPECT_EQ(LoadLE32(msg->m_Storage + kMsgCapacity - 4), 0x01020304u);
}

TEST(MsgWrite, overrun_throws_before_copying) {
  auto msg = FreshMsg();
  FillToRoom(msg.get(), 3);
  uint16_t sizeBefore = SizeWord(*msg);
  uint8_t tail[3];
  memcpy(tail, msg->m_Storage + msg->m_WritePos, 3);
  try {
    WriteU32(msg.get(), 0xFFFFFFFF);
    FAIL() << "write past the capacity must throw";
  } catch (const CMsgException& e) {
    EXPECT_EQ(e.GetCode(), kMsgWriteOverrun);
  }
  EXPECT_EQ(SizeWord(*msg), sizeBefore);
  EXPECT_EQ(msg->m_WritePos, kMsgCapacity - 3);
  EXPECT_EQ(0, memcmp(tail, msg->m_Storage + msg->m_WritePos, 3));
}

TEST(MsgWriteString, null_and_empty_write_only_the_length_word) {
  auto msg = FreshMsg();
  WriteString(msg.get(), static_cast<const char*>(nullptr));
  WriteString(msg.get(), "");
  WriteString(msg.get(), std::string());
  EXPECT_EQ(PayloadSize(msg.get()), 6);
  for (int i = 6; i < 12; ++i) EXPECT_EQ(msg->m_Storage[i], 0) << "byte " << i;
}

TEST(MsgWriteString, chains_and_encodes_length_then_bytes) {
  auto msg = FreshMsg();
  WriteString(WriteString(msg.get(), "ab"), std::string("xyz"));
  const uint8_t expected[] = {2, 0, 'a', 'b', 3, 0, 'x', 'y', 'z'};
  ASSERT_EQ(PayloadSize(msg.get()), sizeof expected);
  EXPECT_EQ(0, memcmp(msg->m_Storage + 6, expected, sizeof expected));
}

// A text longer than the room left is cut so that length word and bytes fill the
// record exactly; the next write then overruns.
TEST(MsgWriteString, too_long_is_cut_to_fill_the_record_exactly) {
  struct Case {
    int room;
    const char* text;
    uint16_t written;
  } cases[] = {
      {12, "kkkkkkkkkkkkkkkkkkkk", 10},
      {7, "hello", 5},  // exactly the room: uncut
      {7, "hello!", 5},
      {3, "abc", 1},
      {2, "abc", 0},  // room for the length word only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.room << " bytes of room, \"" << c.text << "\"");
    auto msg = FreshMsg();
    FillToRoom(msg.get(), c.room);
    WriteString(msg.get(), c.text);
    EXPECT_EQ(Room(msg.get()), 0);
    EXPECT_EQ(LoadLE16(msg->m_Storage + kMsgCapacity - c.room), c.written) << "length word holds the cut length";
    EXPECT_EQ(0, memcmp(msg->m_Storage + kMsgCapacity - c.room + 2, c.text, c.written));
    EXPECT_THROW(WriteU8(msg.get(), 1), CMsgException) << "the next write overruns";
  }
}

TEST(MsgWriteString, fewer_than_two_bytes_of_room_overruns_on_the_length_word) {
  auto msg = FreshMsg();
  FillToRoom(msg.get(), 1);
  EXPECT_THROW(WriteString(msg.get(), "a"), CMsgException);
  EXPECT_EQ(Room(msg.get()), 1);
}

TEST(MsgWriteString, length_beyond_sixteen_bits_is_cut_not_wrapped) {
  auto msg = FreshMsg();
  std::string text(65536 + 3, 'w');  // as 16 bits this would wrap to 3
  WriteString(msg.get(), text);
  EXPECT_EQ(Room(msg.get()), 0);
}

TEST(MsgRead, overrun_throws_and_leaves_the_read_position) {
  auto msg = FreshMsg();
  WriteU8(msg.get(), 7);
  uint8_t two[2];
  try {
    ReadBytes(msg.get(), two, 2);
    FAIL() << "read past the data must throw";
  } catch (const CMsgException& e) {
    EXPECT_EQ(e.GetCode(), kMsgReadOverrun);
    EXPECT_EQ(e.GetCode2(), kMsgReadOverrun);
    EXPECT_STREQ(e.GetName(), "CMsgException");
  }
  EXPECT_EQ(msg->m_ReadPos, 6);
  EXPECT_EQ(Remaining(msg.get()), 1);
  ReadBytes(msg.get(), two, 1);
  EXPECT_EQ(two[0], 7);
}

TEST(MsgRead, string_whose_bytes_end_the_data_or_pass_it) {
  struct Case {
    std::vector<uint8_t> payload;
    bool whole;
    std::string text;
  } cases[] = {
      {{3, 0, 'a', 'b', 'c'}, true, "abc"},
      {{0, 0}, true, ""},
      {{4, 0, 'a', 'b', 'c'}, false, ""},  // claims one byte more than follows
      {{3}, false, ""},                    // the length word itself is cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.payload.size());
    auto msg = FreshMsg();
    WriteBytes(msg.get(), c.payload.data(), static_cast<uint16_t>(c.payload.size()));
    if (c.whole) {
      EXPECT_EQ(ReadString(msg.get()), c.text);
      EXPECT_EQ(Remaining(msg.get()), 0);
    } else {
      EXPECT_THROW(ReadString(msg.get()), CMsgException);
    }
  }
}

TEST(RelayHead, service_and_inner_identifier_lead_the_payload) {
  auto msg = FreshMsg(0x7203);
  WriteRelayHead(msg.get(), RelayHead{0x0165, 0x400E});
  WriteU8(msg.get(), 9);
  const uint8_t expected[] = {0x65, 0x01, 0x0E, 0x40, 9};
  ASSERT_EQ(PayloadSize(msg.get()), sizeof expected);
  EXPECT_EQ(0, memcmp(msg->m_Storage + kMsgHeaderSize, expected, sizeof expected));
  RelayHead head = ReadRelayHead(msg.get());
  EXPECT_EQ(head.serviceId, 0x0165);
  EXPECT_EQ(head.innerId, 0x400E);
  EXPECT_EQ(Remaining(msg.get()), 1);

  auto cut = FreshMsg(0x7203);
  WriteBytes(cut.get(), expected, 3);
  EXPECT_THROW(ReadRelayHead(cut.get()), CMsgException);
  EXPECT_EQ(Remaining(cut.get()), 3) << "nothing read";
}

TEST(MsgRead, skip_rest_leaves_nothing) {
  auto msg = FreshMsg();
  WriteU32(msg.get(), 1);
  SkipRest(msg.get());
  EXPECT_EQ(Remaining(msg.get()), 0);
  uint8_t b;
  EXPECT_THROW(ReadBytes(msg.get(), &b, 1), CMsgException);
}

}  // namespace
