#include "gamelog/ConsoleOpText.h"

#include <cstring>

#include "base/Format.h"
#include "refdata/KV_GameRefData.h"

namespace {

struct OpTitle {
  const char* keyword;
  bool prefixOnly;  // matches the first three characters and takes an action suffix
  const char* title;
};

// Tried in this order; the first match names the operation.
const OpTitle kTitles[] = {
    {"MCP", false, "Edit Character Position"},
    {"MCN", false, "Edit Character Name"},
    {"MGN", false, "Edit Character Nick"},
    {"MCG", false, "Edit Guild Information"},
    {"DEC", false, "Delete Character"},
    {"MCS", false, "Edit Character Stat"},
    {"MCK", false, "Edit Character PK Information"},
    {"MCO", false, "Edit Character Occupation"},
    {"MII", true, "Edit Character Inventory Item"},
    {"MCI", true, "Edit Chest Item"},
    {"MGI", true, "Edit Guild Chest Item"},
};

// By the two characters at positions 3 and 4 of an item keyword (MII_D).
const struct {
  const char* pair;
  const char* text;
} kActionSuffixes[] = {
    {"_D", "(Delete)"},
    {"_A", "(Add)"},
    {"_M", "(Modify)"},
    {"_G", "(Gold Modify)"},
};

enum class SubObject { kItem, kQuest, kSkill };

const struct {
  uint32_t fourcc;
  SubObject kind;
} kSubObjects[] = {
    {0x42464931, SubObject::kItem},   // BFI1
    {0x55494C31, SubObject::kItem},   // UIL1
    {0x55495531, SubObject::kItem},   // UIU1
    {0x55514C31, SubObject::kQuest},  // UQL1
    {0x55534C31, SubObject::kSkill},  // USL1
    {0x55535531, SubObject::kSkill},  // USU1
};

const char kUnknownKey[] = "Unknown ";

const char* ActionSuffix(const char* keyword) {
  // Positions 3 and 4 exist only in a keyword of five characters or more; a shorter
  // one has its terminator there and matches no pair.
  if (strlen(keyword) < 5) return "";
  for (const auto& suffix : kActionSuffixes)
    if (strncmp(keyword + 3, suffix.pair, 2) == 0) return suffix.text;
  return "";
}

}  // namespace

std::string ConsoleOpTitle(const std::string& keyword) {
  const char* k = keyword.c_str();
  if (strlen(k) < 3) return "Invalid Operation Keyword";
  for (const OpTitle& row : kTitles) {
    if (!row.prefixOnly && strcmp(k, row.keyword) == 0) return row.title;
    if (row.prefixOnly && strncmp(k, row.keyword, 3) == 0) return std::string(row.title) + ActionSuffix(k);
  }
  return std::string();
}

std::vector<std::string> CommaFields(const std::string& text) {
  std::vector<std::string> fields;
  const char* start = text.c_str();
  for (;;) {
    const char* comma = strchr(start, ',');
    if (!comma) break;
    fields.emplace_back(start, comma);
    start = comma + 1;
  }
  fields.emplace_back(start);
  return fields;
}

void ConsoleOpDescription(const GameLogCharRecord& record, std::string* description) {
  const char* keyword = record.position.c_str();
  std::vector<std::string> fields = CommaFields(record.text);
  // A text with fewer fields than its layout shows the missing ones empty.
  auto F = [&fields](size_t i) { return i < fields.size() ? fields[i].c_str() : ""; };
  // Each layout is built in a line buffer; a longer result is cut at its end.
  if (strcmp(keyword, "MCP") == 0) {
    *description = FormatString(kLineChars, "%s RegionID : %s (x:%s,y:%s,z:%s)", F(0), F(1), F(2), F(3), F(4));
  } else if (strcmp(keyword, "MCG") == 0) {
    *description = fields.size() == 1 ? FormatString(kLineChars, "GuildName %s", F(0))
                                      : FormatString(kLineChars, "GuildName %s (Lv:%s / SP:%s)", F(0), F(1), F(2));
  } else if (strcmp(keyword, "MCK") == 0) {
    *description =
        FormatString(kLineChars, "%s (Daily:%s, Total:%s, PenaltyPoint:%s)", F(0), F(1), F(2), F(3));
  } else if (strcmp(keyword, "MCS") == 0) {
    *description = FormatString(kLineChars,
                                "%s (CurLv:%s, MaxLv:%s, Str:%s, Int:%s, RemainStat:%s, RemainSkill:%s, "
                                "RemainGold:%s, ExpOffset:%s)",
                                F(0), F(1), F(2), F(3), F(4), F(5), F(6), F(7), F(8));
  }
}

std::string SubObjectNameKey(const CGameRefData& ref, uint32_t id, uint32_t fourcc) {
  for (const auto& row : kSubObjects) {
    if (row.fourcc != fourcc) continue;
    switch (row.kind) {
      case SubObject::kItem:
        if (const RefObjItem* item = ref.FindItem(id)) return item->nameKey;
        break;
      case SubObject::kQuest:
        if (const RefQuest* quest = ref.FindQuest(id)) return quest->GetNameKey();
        break;
      case SubObject::kSkill:
        if (const RefSkill* skill = ref.FindSkill(id)) return skill->GetNameKey();
        break;
    }
    break;
  }
  return kUnknownKey;
}

std::string FourCCText(uint32_t value) {
  std::string text(4, ' ');
  for (int i = 0; i < 4; ++i) {
    char c = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
    if (c != '\0') text[static_cast<size_t>(i)] = c;
  }
  return text;
}
