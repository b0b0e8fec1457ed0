#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "base/ByteOrder.h"
#include "msg/Msg.h"

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

TEST(MsgWriteString, too_long_is_cut_to_fill_the_record_exactly) {
  auto msg = FreshMsg();
  FillToRoom(msg.get(), 12);
  std::string text(100, 'k');
  WriteString(msg.get(), text.c_str());
  EXPECT_EQ(Room(msg.get()), 0);
  EXPECT_EQ(msg->m_Storage[kMsgCapacity - 12], 10) << "length word holds the cut length";
  EXPECT_THROW(WriteU8(msg.get(), 1), CMsgException) << "the next write overruns";
}

TEST(MsgWriteString, text_of_exactly_the_room_fits_uncut) {
  auto msg = FreshMsg();
  FillToRoom(msg.get(), 7);
  WriteString(msg.get(), "hello");
  EXPECT_EQ(Room(msg.get()), 0);
  EXPECT_EQ(msg->m_Storage[kMsgCapacity - 7], 5);
  EXPECT_EQ(0, memcmp(msg->m_Storage + kMsgCapacity - 5, "hello", 5));
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

TEST(MsgRead, skip_rest_leaves_nothing) {
  auto msg = FreshMsg();
  WriteU32(msg.get(), 1);
  SkipRest(msg.get());
  EXPECT_EQ(Remaining(msg.get()), 0);
  uint8_t b;
  EXPECT_THROW(ReadBytes(msg.get(), &b, 1), CMsgException);
}

}  // namespace
