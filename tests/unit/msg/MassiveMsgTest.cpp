#include <gtest/gtest.h>

#include <vector>

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

TEST(MassiveRead, read_past_the_last_part_throws_and_moves_nothing) {
  MassiveMsgBuilder b(0xB404);
  b.AppendU16(0xCAFE);
  b.AppendU8(0x01);
  CMassiveMsg* m = b.BuildAt({2});
  EXPECT_EQ(ReadU8(m), 0xFE);
  CMsg* part = m->m_pCurrent;
  uint16_t readPos = part->m_ReadPos;
  uint8_t buf[4];
  try {
    ReadBytes(m, buf, 4);
    FAIL() << "a read past the last part must throw";
  } catch (const CMsgException& e) {
    EXPECT_EQ(e.GetCode(), 1u);
    EXPECT_EQ(e.GetCode2(), 1u);
  }
  EXPECT_EQ(m->m_nCurrentReadMsg, 0);
  EXPECT_EQ(m->m_pCurrent, part);
  EXPECT_EQ(part->m_ReadPos, readPos);
  EXPECT_EQ(ReadU16(m), 0x01CA) << "the stream is intact after the failed read";
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
