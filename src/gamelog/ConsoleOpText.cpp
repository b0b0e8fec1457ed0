#include "gamelog/ConsoleOpText.h"

#include <cstring>
#include <string_view>

#include "base/CodeTable.h"
#include "base/Format.h"
#include "refdata/KV_GameRefData.h"

namespace {

// An edit's text cut at its commas; a text with fewer fields than its layout shows the
// missing ones empty.
typedef std::vector<std::string> EditFields;
const char* Field(const EditFields& f, size_t i) { return i < f.size() ? f[i].c_str() : ""; }

std::string PositionLayout(const EditFields& f) {
  return FormatLine("%s RegionID : %s (x:%s,y:%s,z:%s)", Field(f, 0), Field(f, 1), Field(f, 2), Field(f, 3),
                    Field(f, 4));
}

std::string GuildLayout(const EditFields& f) {
  return f.size() == 1 ? FormatLine("GuildName %s", Field(f, 0))
                       : FormatLine("GuildName %s (Lv:%s / SP:%s)", Field(f, 0), Field(f, 1), Field(f, 2));
}

std::string PKLayout(const EditFields& f) {
  return FormatLine("%s (Daily:%s, Total:%s, PenaltyPoint:%s)", Field(f, 0), Field(f, 1), Field(f, 2), Field(f, 3));
}

std::string StatLayout(const EditFields& f) {
  return FormatLine(
      "%s (CurLv:%s, MaxLv:%s, Str:%s, Int:%s, RemainStat:%s, RemainSkill:%s, RemainGold:%s, ExpOffset:%s)",
      Field(f, 0), Field(f, 1), Field(f, 2), Field(f, 3), Field(f, 4), Field(f, 5), Field(f, 6), Field(f, 7),
      Field(f, 8));
}

struct ConsoleOpRow {
  std::string_view code;  // the keyword, three characters
  bool prefixOnly;        // matches the first three characters and takes an action suffix
  const char* title;
  std::string (*layout)(const EditFields&);  // the description, when the keyword has one
};

constexpr ConsoleOpRow kOps[] = {
    {"DEC", false, "Delete Character", nullptr},
    {"MCG", false, "Edit Guild Information", GuildLayout},
    {"MCI", true, "Edit Chest Item", nullptr},
    {"MCK", false, "Edit Character PK Information", PKLayout},
    {"MCN", false, "Edit Character Name", nullptr},
    {"MCO", false, "Edit Character Occupation", nullptr},
    {"MCP", false, "Edit Character Position", PositionLayout},
    {"MCS", false, "Edit Character Stat", StatLayout},
    {"MGI", true, "Edit Guild Chest Item", nullptr},
    {"MGN", false, "Edit Character Nick", nullptr},
    {"MII", true, "Edit Character Inventory Item", nullptr},
};
static_assert(CodesAscend(kOps), "operation rows sorted by keyword, each once");

// By the two characters at positions 3 and 4 of an item keyword (MII_D).
constexpr struct ActionSuffixRow {
  std::string_view code;
  const char* text;
} kActionSuffixes[] = {
    {"_A", "(Add)"},
    {"_D", "(Delete)"},
    {"_G", "(Gold Modify)"},
    {"_M", "(Modify)"},
};
static_assert(CodesAscend(kActionSuffixes), "suffix rows sorted, each once");

enum class SubObject { kItem, kQuest, kSkill };

constexpr struct SubObjectRow {
  uint32_t code;  // FourCC
  SubObject kind;
} kSubObjects[] = {
    {0x42464931, SubObject::kItem},   // BFI1
    {0x55494C31, SubObject::kItem},   // UIL1
    {0x55495531, SubObject::kItem},   // UIU1
    {0x55514C31, SubObject::kQuest},  // UQL1
    {0x55534C31, SubObject::kSkill},  // USL1
    {0x55535531, SubObject::kSkill},  // USU1
};
static_assert(CodesAscend(kSubObjects), "sub-object rows sorted by FourCC, each once");

const char kUnknownKey[] = "Unknown ";

const char* ActionSuffix(std::string_view keyword) {
  // Positions 3 and 4 exist only in a keyword of five characters or more.
  if (keyword.size() < 5) return "";
  const ActionSuffixRow* row = FindCodeRow(kActionSuffixes, keyword.substr(3, 2));
  return row ? row->text : "";
}

}  // namespace

std::string ConsoleOpTitle(const std::string& keyword) {
  std::string_view k = keyword.c_str();
  if (k.size() < 3) return "Invalid Operation Keyword";
  const ConsoleOpRow* row = FindCodeRow(kOps, k.substr(0, 3));
  if (!row) return std::string();
  if (row->prefixOnly) return std::string(row->title) + ActionSuffix(k);
  return k.size() == 3 ? row->title : std::string();
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
  const ConsoleOpRow* row = FindCodeRow(kOps, std::string_view(record.position.c_str()));
  if (!row || !row->layout) return;
  std::vector<std::string> fields = CommaFields(record.text);
  *description = row->layout(fields);
}

std::string SubObjectNameKey(const CGameRefData& ref, uint32_t id, uint32_t fourcc) {
  const SubObjectRow* row = FindCodeRow(kSubObjects, fourcc);
  if (!row) return kUnknownKey;
  switch (row->kind) {
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
