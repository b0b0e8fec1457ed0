#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/ByteOrder.h"
#include "base/LogOutput.h"
#include "refdata/KV_GameRefData.h"
#include "refdatagen/BenchVolumes.h"
#include "refdatagen/RefFileSet.h"
#include "refdatagen/SampleWriter.h"
#include "refdatagen/Utf16Text.h"

namespace fs = std::filesystem;

namespace {

// A generated file as the loader sees it, decoded back to UTF-8 cells.
struct GeneratedFile {
  bool readable = false;
  bool hasMark = false;
  bool separatorsClean = true;  // every CR is followed by LF and every LF preceded by CR
  bool endsWithLineEnd = false;
  std::vector<std::vector<std::string>> lines;
};

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

GeneratedFile ReadGenerated(const fs::path& path) {
  GeneratedFile file;
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) return file;
  file.readable = bytes.size() >= 2 && bytes.size() % 2 == 0;
  if (!file.readable) return file;
  file.hasMark = bytes[0] == '\xFF' && bytes[1] == '\xFE';
  std::vector<uint32_t> units;
  for (size_t i = 2; i < bytes.size(); i += 2) {
    units.push_back(LoadLE16(reinterpret_cast<const uint8_t*>(bytes.data() + i)));
  }
  std::vector<std::string> cells(1);
  for (size_t i = 0; i < units.size(); ++i) {
    uint32_t u = units[i];
    if (u == '\r' || u == '\n') {
      if (u == '\n' || i + 1 == units.size() || units[i + 1] != '\n') file.separatorsClean = false;
      if (u == '\r') ++i;
      file.lines.push_back(cells);
      cells.assign(1, std::string());
    } else if (u == '\t') {
      cells.emplace_back();
    } else if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size()) {
      AppendUtf8(cells.back(), 0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00));
    } else {
      AppendUtf8(cells.back(), u);
    }
  }
  file.endsWithLineEnd = units.size() >= 2 && units[units.size() - 2] == '\r' && units.back() == '\n';
  if (cells.size() > 1 || !cells[0].empty()) file.lines.push_back(cells);
  return file;
}

fs::path SampleSource() { return fs::path(KV_SOURCE_DIR) / "data" / "refdata"; }

class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    std::ostringstream name;
    name << "refdatagen_test_" << ::testing::UnitTest::GetInstance()->random_seed() << "_" << counter++;
    m_Path = fs::temp_directory_path() / name.str();
    fs::remove_all(m_Path);
    fs::create_directories(m_Path);
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(m_Path, ec);
  }
  const fs::path& path() const { return m_Path; }

 private:
  fs::path m_Path;
};

size_t ColumnCount(RefKind kind) { return LayoutOf(kind).types.size(); }

// Every record line of a folder by kind, lists followed, checked on the way.
std::map<RefKind, std::vector<std::vector<std::string>>> ReadFolder(const fs::path& dir) {
  std::map<RefKind, std::vector<std::vector<std::string>>> byKind;
  for (const RefFile& ref : RefFileSet()) {
    std::vector<std::string> files;
    if (ref.isList) {
      GeneratedFile list = ReadGenerated(dir / ref.name);
      EXPECT_TRUE(list.readable && list.hasMark && list.separatorsClean && list.endsWithLineEnd) << ref.name;
      for (const auto& line : list.lines) {
        EXPECT_EQ(line.size(), 1u) << ref.name;
        EXPECT_TRUE(fs::exists(dir / line[0])) << ref.name << " names missing " << line[0];
        files.push_back(line[0]);
      }
      EXPECT_FALSE(files.empty()) << ref.name;
    } else {
      files.push_back(ref.name);
    }
    for (const std::string& name : files) {
      SCOPED_TRACE(name);
      GeneratedFile file = ReadGenerated(dir / name);
      EXPECT_TRUE(file.readable);
      EXPECT_TRUE(file.hasMark);
      EXPECT_TRUE(file.separatorsClean);
      EXPECT_TRUE(file.endsWithLineEnd) << "last line closed by CR LF, nothing after it";
      EXPECT_FALSE(file.lines.empty());
      for (size_t i = 0; i < file.lines.size(); ++i) {
        EXPECT_EQ(file.lines[i].size(), ColumnCount(ref.kind)) << "line " << i + 1;
        // Short lines stay out, so that the checks after this one index safely.
        if (file.lines[i].size() == ColumnCount(ref.kind)) byKind[ref.kind].push_back(file.lines[i]);
      }
    }
  }
  return byKind;
}

std::map<std::string, std::string> TextTable(const fs::path& dir) {
  std::map<std::string, std::string> texts;
  for (const char* name : {"TextDataName.txt", "TextUISystem.txt", "TextQuest.txt"}) {
    for (const auto& line : ReadGenerated(dir / name).lines) texts.emplace(line[1], line[8]);
  }
  return texts;
}

std::vector<std::string> g_Messages;

void KV_CDECL CollectMessage(uint32_t, const char* text) { g_Messages.push_back(text); }

// Loads the KV_GameRefData folder under dir as the module does, from the current
// directory; every operator message of the load is collected.
bool LoadFrom(const fs::path& dir, CGameRefData& data) {
  const fs::path before = fs::current_path();
  fs::current_path(dir);
  g_Messages.clear();
  SetLogOutputFunc(CollectMessage);
  bool ok = data.Load();
  SetLogOutputFunc(nullptr);
  fs::current_path(before);
  return ok;
}

std::string Messages() {
  std::string all;
  for (const std::string& m : g_Messages) all += m + "\n";
  return all;
}

class SampleData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_Dir = new TempDir();
    std::string error;
    s_Written = WriteSample(SampleSource().string(), (s_Dir->path() / "KV_GameRefData").string(), error);
    s_Error = error;
  }
  static void TearDownTestSuite() { delete s_Dir; }
  void SetUp() override { ASSERT_TRUE(s_Written) << s_Error; }
  static fs::path Folder() { return s_Dir->path() / "KV_GameRefData"; }

  static TempDir* s_Dir;
  static bool s_Written;
  static std::string s_Error;
};

TempDir* SampleData::s_Dir = nullptr;
bool SampleData::s_Written = false;
std::string SampleData::s_Error;

// Files of the shape the loader reads (ReadFolder checks it), and a record whose key has
// no text shows an empty name in every log line that names it.
TEST_F(SampleData, files_are_well_formed_and_every_record_is_named_by_a_text) {
  auto byKind = ReadFolder(Folder());
  EXPECT_GE(byKind[RefKind::kObjItem].size(), 300u);
  EXPECT_EQ(byKind[RefKind::kLevelExpOffset].size(), 100u);
  auto texts = TextTable(Folder());
  auto named = [&](const std::string& key, const std::string& what) {
    EXPECT_FALSE(texts[key].empty()) << what << " key " << key;
  };
  for (const auto& row : byKind[RefKind::kObjItem]) named(row[5], "item " + row[1]);
  for (const auto& row : byKind[RefKind::kObjChar]) named(row[5], "character " + row[1]);
  for (const auto& row : byKind[RefKind::kSkill]) named(row[62] == "xxx" ? row[4] : row[62], "skill " + row[1]);
  for (const auto& row : byKind[RefKind::kSkillMastery]) named(row[2], "mastery " + row[0]);
  for (const auto& row : byKind[RefKind::kQuest]) named("SN_" + row[2], "quest " + row[1]);
  for (const auto& row : byKind[RefKind::kServerEventID]) named("SN_SERVER_EVENT_MISSION_" + row[0], "event");
  bool fallback = false;  // a skill named through column 4
  for (const auto& row : byKind[RefKind::kSkill]) fallback |= row[1] == "1701" && row[62] == "xxx";
  EXPECT_TRUE(fallback);
}

TEST_F(SampleData, loads_without_a_message_and_names_the_right_things) {
  CGameRefData data;
  EXPECT_TRUE(LoadFrom(s_Dir->path(), data));
  EXPECT_TRUE(g_Messages.empty()) << Messages();

  const RefObjItem* rare = data.FindItem(1102);
  ASSERT_NE(rare, nullptr);
  EXPECT_STREQ(rare->codeName, "ITEM_WEAPON_SWORD_RARE_02");
  EXPECT_STREQ(data.GetText(rare->nameKey), u8"바람의 검");
  EXPECT_TRUE(IsRare(*rare));
  // Weapon, heavy armour, tower shield, accessory.
  for (uint32_t id : {1001, 2203, 3011, 4101}) {
    ASSERT_NE(data.FindItem(id), nullptr) << id;
    EXPECT_TRUE(IsEquipment(data.FindItem(id)->typeWord)) << id;
  }
  EXPECT_FALSE(IsRare(*data.FindItem(1001)));
  ASSERT_NE(data.FindItem(1), nullptr);
  EXPECT_TRUE(IsGold(data.FindItem(1)->typeWord));
  EXPECT_FALSE(IsGold(data.FindItem(6401)->typeWord));
  EXPECT_TRUE(IsExpendable(data.FindItem(6001)->typeWord));
  EXPECT_FALSE(IsEquipment(data.FindItem(6001)->typeWord));
  EXPECT_TRUE(IsTradeGoods(data.FindItem(7001)->typeWord));

  const RefObjChar* mule = data.FindChar(30004);
  ASSERT_NE(mule, nullptr);
  EXPECT_TRUE(IsCargoPet(mule->typeWord));
  EXPECT_STREQ(data.GetText(mule->nameKey), "Pack Mule");
  EXPECT_FALSE(IsCargoPet(data.FindChar(30001)->typeWord));

  const RefSkill* calm = data.FindSkill(1702);
  ASSERT_NE(calm, nullptr);
  EXPECT_STREQ(calm->GetNameKey(), "SN_SKILL_FORCE_CALM");
  EXPECT_STREQ(data.GetText(calm->GetNameKey()), "Calm Breath");
  EXPECT_EQ(calm->level, 2);
  ASSERT_NE(data.FindSkillMastery(264), nullptr);
  EXPECT_STREQ(data.GetText(data.FindSkillMastery(264)->nameKey), u8"기공술");
  ASSERT_NE(data.FindQuest(1), nullptr);
  EXPECT_STREQ(data.GetText(data.FindQuest(1)->GetNameKey().c_str()), "Rats in the Granary");

  std::vector<const RefSiegeFortress*> fortresses;
  data.GetSiegeFortressList(fortresses);
  ASSERT_EQ(fortresses.size(), 3u) << "Greytower is disabled";
  EXPECT_STREQ(fortresses[0]->codeName, "FORTRESS_NORTHWATCH");
  std::vector<const RefServerEventID*> events;
  data.GetServerEventList(events);
  EXPECT_EQ(events.size(), 8u);
  EXPECT_STREQ(data.GetText("SN_SERVER_EVENT_MISSION_12"), "Fishing Contest");
}

// Copies the sample source, replaces one file and generates from it.
std::string GenerateWith(const TempDir& dir, const std::string& file, const std::string& content) {
  fs::copy(SampleSource(), dir.path() / "src");
  std::ofstream(dir.path() / "src" / file, std::ios::binary | std::ios::trunc) << content;
  std::string error;
  if (WriteSample((dir.path() / "src").string(), (dir.path() / "out").string(), error)) return "written";
  return error;
}

TEST(SampleSourceFaults, are_refused_with_file_and_line) {
  struct Case {
    const char* file;
    const char* content;
    const char* expected;
  } cases[] = {
      {"QuestData.tsv", "1:id\t2:codeName\n1\tQNO_A\n2\n", "QuestData.tsv:3: 1 cells where the header names 2"},
      {"QuestData.tsv", "1:id\t2:codeName\nx1\tQNO_A\n", "QuestData.tsv:2: column 1 needs a number"},
      {"QuestData.tsv", "1:id\t11:extra\n1\ta\n", "header cell \"11:extra\" names no free column"},
      {"QuestData.tsv", "1:id\t1:again\n1\t1\n", "header cell \"1:again\" names no free column"},
      {"QuestData.tsv", "# only a comment\n", "no header line"},
      {"QuestData.tsv", "1:id\t2:codeName\n7\tQNO_A\n7\tQNO_B\n", "QuestData.tsv:3: key 7 already used"},
      {"MagicOption.tsv", "1:id\t5:rate\n1\t1.5x\n", "column 5 needs a number"},
      {"ItemData.list", "ItemData_Equip.txt\nItemData_Equip.txt\n", "\"ItemData_Equip.txt\" is not a free"},
      {"ItemData.list", "../ItemData_Equip.txt\n", "is not a free record file name"},
      {"ItemData.list", "QuestData.txt\n", "is not a free record file name"},
      {"ItemData.list", "ItemData_Missing.txt\n", "ItemData_Missing.tsv: cannot be read"},
      {"TextQuest.tsv", "1:key\t8:text\nK\t\xC3\x28\n", "TextQuest.tsv:2: a cell is not UTF-8"},
      {"TextQuest.tsv", "1:key\t8:text\nK\tone\rtwo\n", "TextQuest.tsv:2: a cell is not UTF-8 text or holds a CR"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + ": " + c.content);
    TempDir dir;
    const std::string outcome = GenerateWith(dir, c.file, c.content);
    EXPECT_NE(outcome.find(c.expected), std::string::npos) << outcome;
  }
}

TEST(Utf16Text, encodes_and_refuses_malformed_utf8) {
  struct Case {
    const char* utf8;
    const char* utf16;  // expected bytes, or null when refused
    size_t bytes;
  } cases[] = {
      {"A", "A\0", 2},
      {"\xEA\xB0\x80", "\x00\xAC", 2},                  // U+AC00
      {"\xF0\x9F\x98\x80", "\x3D\xD8\x00\xDE", 4},      // U+1F600 as a surrogate pair
      {"\xC0\xAF", nullptr, 0},                         // overlong '/'
      {"\xED\xA0\x80", nullptr, 0},                     // a lone surrogate
      {"\xE2\x82", nullptr, 0},                         // cut short
      {"\xF4\x90\x80\x80", nullptr, 0},                 // above U+10FFFF
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    std::string out = "keep";
    bool ok = AppendUtf16LE(out, c.utf8, strlen(c.utf8));
    EXPECT_EQ(ok, c.utf16 != nullptr);
    EXPECT_EQ(out, c.utf16 ? "keep" + std::string(c.utf16, c.bytes) : "keep");
  }
}

BenchScale SmallScale() {
  BenchScale scale;
  scale.items = 50;
  scale.itemFiles = 3;
  scale.chars = 20;
  scale.charFiles = 2;
  scale.skills = 30;
  scale.skillFiles = 2;
  scale.quests = 10;
  scale.textLines = 1000;
  return scale;
}

TEST(BenchVolumes, small_scale_has_the_sample_file_shapes_and_repeats_exactly) {
  TempDir dir;
  BenchTotals first, second;
  std::string error;
  ASSERT_TRUE(WriteBenchVolumes((dir.path() / "a").string(), SmallScale(), first, error)) << error;
  ASSERT_TRUE(WriteBenchVolumes((dir.path() / "b").string(), SmallScale(), second, error)) << error;
  auto byKind = ReadFolder(dir.path() / "a");
  EXPECT_EQ(byKind[RefKind::kObjItem].size(), 50u);
  EXPECT_EQ(byKind[RefKind::kObjChar].size(), 20u);
  EXPECT_EQ(byKind[RefKind::kSkill].size(), 30u);
  EXPECT_EQ(byKind[RefKind::kText].size(), 1000u);
  EXPECT_EQ(first.bytes, second.bytes);

  fs::rename(dir.path() / "a", dir.path() / "KV_GameRefData");
  CGameRefData data;
  EXPECT_TRUE(LoadFrom(dir.path(), data)) << Messages();
  EXPECT_TRUE(g_Messages.empty()) << Messages();
  std::map<std::string, size_t> records;
  for (const auto& m : data.MemoryByKind()) records[m.kind] = m.records;
  EXPECT_EQ(records["items"], 50u);
  EXPECT_EQ(records["skills"], 30u);
  EXPECT_EQ(records["texts"], 1000u);
  fs::rename(dir.path() / "KV_GameRefData", dir.path() / "a");
  for (const auto& entry : fs::directory_iterator(dir.path() / "a")) {
    std::ifstream a(entry.path(), std::ios::binary), b(dir.path() / "b" / entry.path().filename(), std::ios::binary);
    std::stringstream sa, sb;
    sa << a.rdbuf();
    sb << b.rdbuf();
    EXPECT_TRUE(sa.str() == sb.str()) << entry.path().filename() << " differs between runs";
  }
}

}  // namespace
