#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "refdata/TextTable.h"

namespace {

bool Add(CTextTable& table, const std::string& key, const std::string& text) {
  return table.Insert(key.c_str(), key.size(), CTextTable::Hash(key.c_str(), key.size()), text.c_str(),
                      text.size());
}

std::string Key(size_t i) { return "SN_KEY_" + std::to_string(i); }
std::string Text(size_t i) { return "text of " + std::to_string(i); }

// Every key present with its text and the same pointer as before; absent keys (some
// sharing the stored keys' prefixes, one longer) are not found. An absent key probes
// until a free slot, so a table with none left would never answer.
void ExpectContents(const CTextTable& table, size_t count, const std::vector<const char*>* pointers = nullptr) {
  ASSERT_EQ(table.Size(), count);
  for (size_t i = 0; i < count; ++i) {
    const char* text = table.Find(Key(i).c_str());
    ASSERT_NE(text, nullptr) << Key(i);
    EXPECT_EQ(text, Text(i)) << Key(i);
    if (pointers) {
      EXPECT_EQ(text, (*pointers)[i]) << Key(i) << " moved";
    }
  }
  for (size_t i = count; i < count + 300; ++i) EXPECT_EQ(table.Find(Key(i).c_str()), nullptr) << Key(i);
  EXPECT_EQ(table.Find("SN_KEY_"), nullptr);
  EXPECT_EQ(table.Find("SN_KEY_0x"), nullptr);
  EXPECT_EQ(table.Find(""), nullptr);
}

// Slot counts double from 64 whenever an insert would fill more than three quarters:
// 48 entries fill the first class, 96 the second, 768 the fifth. Reserving for a count
// takes the same slots at once.
TEST(TextTable, growth_points_keep_every_key_and_end_every_probe) {
  struct Case {
    size_t inserts;
    size_t slots;
  } cases[] = {{0, 0}, {1, 64}, {47, 64}, {48, 64}, {49, 128}, {96, 128}, {97, 256}, {768, 1024}, {769, 2048}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inserts << " inserts");
    CTextTable table;
    std::vector<const char*> pointers;
    for (size_t i = 0; i < c.inserts; ++i) {
      ASSERT_TRUE(Add(table, Key(i), Text(i)));
      pointers.push_back(table.Find(Key(i).c_str()));
    }
    EXPECT_EQ(table.Slots(), c.slots);
    ExpectContents(table, c.inserts, &pointers);
    // Filling over: the slots stay, and lookups do not depend on what filling kept.
    table.Compact();
    EXPECT_EQ(table.Slots(), c.slots);
    ExpectContents(table, c.inserts, &pointers);
    // Slots reserved ahead are the ones filling would have grown to.
    CTextTable reserved;
    reserved.Reserve(c.inserts);
    EXPECT_EQ(reserved.Slots(), c.slots);
    for (size_t i = 0; i < c.inserts; ++i) ASSERT_TRUE(Add(reserved, Key(i), Text(i)));
    EXPECT_EQ(reserved.Slots(), c.slots);
    ExpectContents(reserved, c.inserts);
  }
}

// After Compact the table no longer keeps the hashes it grows by; inserting on past
// the next growth point must rebuild them from the keys.
TEST(TextTable, inserts_after_compact_grow_from_the_keys) {
  CTextTable table;
  for (size_t i = 0; i < 40; ++i) ASSERT_TRUE(Add(table, Key(i), Text(i)));
  table.Compact();
  for (size_t i = 40; i < 200; ++i) ASSERT_TRUE(Add(table, Key(i), Text(i)));
  EXPECT_EQ(table.Slots(), 512u);
  ExpectContents(table, 200);
}

TEST(TextTable, first_text_of_a_key_stays) {
  CTextTable table;
  ASSERT_TRUE(Add(table, "SN_DUP", "first"));
  const char* first = table.Find("SN_DUP");
  ASSERT_TRUE(Add(table, "SN_DUP", "second"));
  EXPECT_EQ(table.Size(), 1u);
  EXPECT_EQ(table.Find("SN_DUP"), first);
  EXPECT_STREQ(first, "first");
  EXPECT_EQ(table.ContentBytes(), sizeof "SN_DUP" + sizeof "first") << "the second text is not kept";
}

// Keys that share prefixes, differ in one byte at either end, or in case; lengths
// around the hash's eight-byte steps; the empty key and the empty text.
TEST(TextTable, keys_match_exactly) {
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"", "empty key"},         {"a", "1"},          {"ab", "2"},         {"abc", "3"},
      {"abcd", "4"},             {"abcdefg", "7"},    {"abcdefgh", "8"},   {"abcdefghi", "9"},
      {"abcdefghijklmnop", "16"}, {"abcdefghijklmnopq", "17"}, {"Abc", "upper"}, {"xbc", "first byte"},
      {"abd", "last byte"},      {"SN_EMPTY", ""},    {"a\xEA\xB0\x80", "eight-bit"}};
  CTextTable table;
  size_t content = 0;
  for (const auto& p : pairs) {
    ASSERT_TRUE(Add(table, p.first, p.second));
    content += p.first.size() + p.second.size() + 2;
  }
  EXPECT_EQ(table.Size(), pairs.size());
  EXPECT_EQ(table.ContentBytes(), content);
  for (const auto& p : pairs) {
    SCOPED_TRACE(p.first);
    const char* text = table.Find(p.first.c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text, p.second);
  }
  for (const char* absent : {"abcde", "abcdefghij", "ABC", "b", "abcdefghijklmnopqr", "SN_EMPT"}) {
    EXPECT_EQ(table.Find(absent), nullptr) << absent;
  }
}

// Once compacted, the table tells keys apart by their 7-bit tag alone before comparing:
// a longer stored key that begins with the key looked up, in the same slot with the
// same tag, must still not match.
TEST(TextTable, compacted_lookup_never_matches_a_longer_key) {
  const std::string key = "SN_ITEM_A";
  const uint32_t hash = CTextTable::Hash(key.c_str(), key.size());
  std::string twin;
  for (int i = 0; twin.empty(); ++i) {
    const std::string candidate = key + "_" + std::to_string(i);
    const uint32_t h = CTextTable::Hash(candidate.c_str(), candidate.size());
    if ((h & 63) == (hash & 63) && h >> 25 == hash >> 25) twin = candidate;  // 64 slots
  }
  CTextTable table;
  ASSERT_TRUE(Add(table, twin, "longer"));
  table.Compact();
  ASSERT_EQ(table.Slots(), 64u);
  EXPECT_EQ(table.Find(key.c_str()), nullptr) << twin;
  EXPECT_STREQ(table.Find(twin.c_str()), "longer");
}

// Texts past the pool's block size live in blocks of their own; thousands of short
// ones fill many shared blocks. Every reference must lead back to its own text.
TEST(TextTable, long_texts_and_many_blocks) {
  CTextTable table;
  const size_t lengths[] = {16 * 1024 - 8, 16 * 1024, 64 * 1024, 300 * 1024};
  for (size_t i = 0; i < 4; ++i) {
    ASSERT_TRUE(Add(table, "LONG_" + std::to_string(i), std::string(lengths[i], static_cast<char>('a' + i))));
  }
  for (size_t i = 0; i < 6000; ++i) ASSERT_TRUE(Add(table, Key(i), Text(i) + std::string(60, '.')));
  for (size_t i = 0; i < 4; ++i) {
    const char* text = table.Find(("LONG_" + std::to_string(i)).c_str());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(strlen(text), lengths[i]);
    EXPECT_EQ(text[0], 'a' + i);
  }
  for (size_t i = 0; i < 6000; ++i) {
    const char* text = table.Find(Key(i).c_str());
    ASSERT_NE(text, nullptr) << Key(i);
    ASSERT_EQ(text, Text(i) + std::string(60, '.')) << Key(i);
  }
  EXPECT_GE(table.Bytes(), table.ContentBytes());
}

// The hash reads short and odd-length keys in pieces of fixed size: every byte must
// count, and nothing past the key may be read (each key below fills its heap block
// exactly, so the sanitizer build sees any overread).
TEST(TextTable, hash_sees_every_key_byte_and_no_more) {
  for (size_t length = 0; length <= 17; ++length) {
    SCOPED_TRACE(testing::Message() << length << " bytes");
    std::unique_ptr<char[]> key(new char[length ? length : 1]);
    for (size_t i = 0; i < length; ++i) key[i] = static_cast<char>('a' + i);
    const uint32_t hash = CTextTable::Hash(key.get(), length);
    for (size_t i = 0; i < length; ++i) {
      key[i] ^= 0x20;
      EXPECT_NE(CTextTable::Hash(key.get(), length), hash) << "byte " << i;
      key[i] ^= 0x20;
    }
    if (length > 0) {
      EXPECT_NE(CTextTable::Hash(key.get(), length - 1), hash) << "the length counts";
    }
  }
}

}  // namespace
