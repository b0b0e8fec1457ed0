#pragma once
// Skill records (118 columns) and skill mastery records (13 columns).
#include <cstddef>
#include <cstdint>

#include "refdata/RefDataParser.h"
#include "refdata/RefIdKey.h"
#include "refdata/StringPool.h"

// id: column 1.
class RefSkill : public RefIdKey {
 public:
  int8_t level = 0;               // column 7
  const char* fallbackKey = "";   // column 4
  const char* nameKey62 = "";     // column 62
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t) + sizeof(int8_t);

  bool Read(CRefDataParser& parser, CStringPool& pool);

  // Column 62 names the skill unless it is exactly "xxx"; then column 4 does. The
  // result is the record's own text.
  const char* GetNameKey() const;
};

// id: column 0.
class RefSkillMastery : public RefIdKey {
 public:
  const char* nameKey = "";  // column 2
  static constexpr size_t kKeptFieldBytes = sizeof(int32_t);

  bool Read(CRefDataParser& parser, CStringPool& pool);
};
