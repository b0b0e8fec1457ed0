#pragma once
// Skill records (118 columns) and skill mastery records (13 columns).
#include <cstddef>
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/StringPool.h"

class RefSkill {
 public:
  int32_t id = 0;                 // column 1, the key
  int8_t level = 0;               // column 7
  const char* fallbackKey = "";   // column 4
  const char* nameKey62 = "";     // column 62
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t) + sizeof(int8_t);

  uint32_t Key() const { return static_cast<uint32_t>(id); }
  bool Read(CRefDataParser& parser, CStringPool& pool);
  // Points the texts at copies in the pool; false when memory runs out.
  bool CopyTexts(CStringPool& pool);

  // Column 62 names the skill unless it is exactly "xxx"; then column 4 does. The
  // result is the record's own text.
  const char* GetNameKey() const;
};

class RefSkillMastery {
 public:
  int32_t id = 0;            // column 0, the key
  const char* nameKey = "";  // column 2
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  uint32_t Key() const { return static_cast<uint32_t>(id); }
  bool Read(CRefDataParser& parser, CStringPool& pool);
  bool CopyTexts(CStringPool& pool);
};
