#include <gtest/gtest.h>

#include <vector>

#include "msg/LogTime.h"
#include "msg/MassiveMsg.h"
#include "msg/MassiveMsgBuilder.h"

namespace {

std::vector<uint8_t> Pattern(size_t n) {
  std::vector<uint8_t> v(n);
  for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(i * 7 + 3);
  return v;
}

TEST(MassiveRead, block_is_read_whole_at_every_split_point) {
  // A 401-byte record behind a 1-byte field, followed by a trailing byte.
  auto block = Pattern(401);
  for (size_t split = 0; split <= 402; ++split) {
    SCOPED_TRACE("split at payload offset " + std::to_string(split));
    MassiveMsgBuilder b(0xB404);
    b.AppendU8(0xAA);
    b.Append(block.data(), block.size());
    b.AppendU8(0x55);
    CMassiveMsg* m = b.BuildAt({split});
    EXPECT_EQ(ReadU8(m), 0xAA);
    std::vector<uint8_t> got(401);
    ReadBytes(m, got.data(), 401);
    EXPECT_EQ(got, block);
    EXPECT_EQ(ReadU8(m), 0x55);
    EXPECT_THROW(ReadU8(m), CMsgException);
  }
}

TEST(MassiveRead, read_ending_at_a_part_end_moves_on_with_the_next_read) {
  MassiveMsgBuilder b(0x8001);
  b.AppendU32(0x01020304);
  b.AppendU16(0x0506);
  CMassiveMsg* m = b.BuildAt({4});
  EXPECT_EQ(ReadU32(m), 0x01020304u);
  EXPECT_EQ(m->m_nCurrentReadMsg, 0) << "an exhausted part is left only by the next read";
  EXPECT_EQ(ReadU16(m), 0x0506);
  EXPECT_EQ(m->m_nCurrentReadMsg, 1);
}

TEST(MassiveRead, integers_split_over_parts_are_little_endian) {
  MassiveMsgBuilder b(0x800E);
  b.AppendU32(0xA1B2C3D4);
  b.AppendU32(0x11223344);
  b.AppendU32(0x55667788);
  CMassiveMsg* m = b.BuildAt({1, 8});
  EXPECT_EQ(ReadU32(m), 0xA1B2C3D4u);
  EXPECT_EQ(ReadU64(m), 0x5566778811223344ull);
}

TEST(MassiveRead, empty_parts_are_stepped_over) {
  MassiveMsgBuilder b(0x8018);
  b.AppendU16(0x1234);
  b.AppendU16(0x5678);
  CMassiveMsg* m = b.BuildAt({0, 0, 1, 1, 2, 4, 4});
  EXPECT_EQ(ReadU16(m), 0x1234);
  EXPECT_EQ(ReadU16(m), 0x5678);
  EXPECT_THROW(ReadU8(m), CMsgException);
}

// Ten bytes, four of them read; the next read asks for the rest, or one byte more. A
// read that fails while the part being read still holds some of the bytes (an answer cut
// inside a record) throws and moves nothing, whatever parts follow.
TEST(MassiveRead, read_of_the_rest_passes_and_one_byte_more_throws_and_moves_nothing) {
  struct Case {
    const char* name;
    std::vector<size_t> splits;
    uint16_t n;
    bool whole;
  } cases[] = {
      {"one part, exactly the rest", {}, 6, true},
      {"one part, one past the rest", {}, 7, false},
      {"one part, a record past the rest", {}, 401, false},
      {"rest of this part and the next", {6}, 6, true},
      {"one past the last part", {6}, 7, false},
      {"current part exhausted, one past", {4}, 7, false},
      {"empty parts behind", {10, 10}, 7, false},
      {"empty parts between", {6, 6, 6}, 6, true},
      {"every byte a part", {1, 2, 3, 4, 5, 6, 7, 8, 9}, 7, false},
  };
  const std::vector<uint8_t> data = Pattern(10);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MassiveMsgBuilder b(0xB404);
    b.Append(data.data(), data.size());
    CMassiveMsg* m = b.BuildAt(c.splits);
    std::vector<uint8_t> got(4);
    ReadBytes(m, got.data(), 4);
    const int32_t index = m->m_nCurrentReadMsg;
    CMsg* part = m->m_pCurrent;
    const uint16_t readPos = part->m_ReadPos;
    std::vector<uint8_t> rest(c.n);
    if (c.whole) {
      ReadBytes(m, rest.data(), c.n);
      EXPECT_EQ(rest, std::vector<uint8_t>(data.begin() + 4, data.end()));
      continue;
    }
    try {
      ReadBytes(m, rest.data(), c.n);
      ADD_FAILURE() << "a read past the end must throw";
    } catch (const CMsgException& e) {
      EXPECT_EQ(e.GetCode(), 1u);
      EXPECT_EQ(e.GetCode2(), 1u);
    }
    EXPECT_EQ(m->m_nCurrentReadMsg, index);
    EXPECT_EQ(m->m_pCurrent, part);
    EXPECT_EQ(part->m_ReadPos, readPos);
    rest.resize(6);
    ReadBytes(m, rest.data(), 6);
    EXPECT_EQ(rest, std::vector<uint8_t>(data.begin() + 4, data.end())) << "the stream is intact";
  }
}

TEST(MassiveRead, message_without_parts_throws) {
  MassiveMsgBuilder b(0xB404);
  CMassiveMsg* m = b.BuildAt({});
  EXPECT_EQ(GetID(m), 0xB404);
  m->m_pFirst = m->m_pLast = m->m_pEnd = nullptr;
  m->m_pCurrent = nullptr;
  uint8_t none;
  ReadBytes(m, &none, 0);  // an empty text field reads nothing, wherever the stream stands
  EXPECT_THROW(ReadU8(m), CMsgException);
}

// The 16-byte log time at its offsets (a year below zero and a fraction past 2^31
// included), read across a part boundary and refused when the answer ends inside it.
TEST(LogTime, layout_and_reading_across_parts) {
  const LogTime time = {-2, 12, 31, 23, 59, 58, 0x89ABCDEFu};
  std::vector<uint8_t> bytes;
  ByteWriter out(&bytes);
  WriteLogTime(out, time);
  const std::vector<uint8_t> expected = {0xFE, 0xFF, 12, 0, 31, 0, 23, 0, 59, 0, 58, 0, 0xEF, 0xCD, 0xAB, 0x89};
  EXPECT_EQ(bytes, expected);
  for (size_t split = 0; split <= kLogTimeSize; ++split) {
    SCOPED_TRACE(split);
    MassiveMsgBuilder b(0x8001);
    b.Append(bytes.data(), bytes.size());
    LogTime read = ReadLogTime(b.BuildAt({split}));
    EXPECT_EQ(read.year, -2);
    EXPECT_EQ(read.month, 12);
    EXPECT_EQ(read.day, 31);
    EXPECT_EQ(read.hour, 23);
    EXPECT_EQ(read.minute, 59);
    EXPECT_EQ(read.second, 58);
    EXPECT_EQ(read.fraction, 0x89ABCDEFu);
  }
  MassiveMsgBuilder cut(0x8001);
  cut.Append(bytes.data(), kLogTimeSize - 1);
  EXPECT_THROW(ReadLogTime(cut.BuildAt({8})), CMsgException);
}

TEST(MassiveBuild, default_parts_hold_at_most_the_record_payload) {
  MassiveMsgBuilder b(0x8001);
  auto data = Pattern(10000);
  b.Append(data.data(), data.size());
  CMassiveMsg* m = b.Build();
  ASSERT_EQ(m->PartCount(), 3u);
  for (size_t i = 0; i < m->PartCount(); ++i) EXPECT_LE(m->m_pFirst[i]->m_WritePos, kMsgCapacity);
  std::vector<uint8_t> got(10000);
  ReadBytes(m, got.data(), 5000);
  ReadBytes(m, got.data() + 5000, 5000);
  EXPECT_EQ(got, data);
}

}  // namespace
