#include "unit/refdata/RefDataFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "base/AssertReport.h"
#include "base/ByteOrder.h"
#include "base/LogOutput.h"
#include "refdata/RefDataText.h"

namespace fs = std::filesystem;

bool ReadWholeRefText(const char* path, std::string* text) {
  CRefText window;
  text->clear();
  if (!window.Open(path)) return false;
  for (;;) {
    text->append(window.Data(), window.Size());
    if (window.Complete()) break;
    window.Refill(window.Ready());
  }
  return !window.ReadFailed();
}

std::string Utf16Le(const std::string& utf8, bool bom) {
  std::string out;
  if (bom) out += "\xFF\xFE";
  auto unit = [&out](uint32_t u) {
    char bytes[2];
    StoreLE16(reinterpret_cast<uint8_t*>(bytes), static_cast<uint16_t>(u));
    out.append(bytes, 2);
  };
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp;
    int extra;
    if (c < 0x80) cp = c, extra = 0;
    else if (c < 0xE0) cp = c & 0x1F, extra = 1;
    else if (c < 0xF0) cp = c & 0x0F, extra = 2;
    else cp = c & 0x07, extra = 3;
    ++i;
    for (int k = 0; k < extra && i < utf8.size(); ++k, ++i) cp = cp << 6 | (utf8[i] & 0x3F);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      unit(0xD800 + (cp >> 10));
      unit(0xDC00 + (cp & 0x3FF));
    } else {
      unit(cp);
    }
  }
  return out;
}

std::string Row(const std::vector<std::string>& columns) {
  std::string row;
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i) row += '\t';
    row += columns[i];
  }
  return row + "\r\n";
}

std::vector<std::string> ObjColumns(int columns, int32_t id, const std::string& codeName,
                                    const std::string& nameKey, std::initializer_list<int> typeParts,
                                    int rarity) {
  std::vector<std::string> c(static_cast<size_t>(columns), "0");
  c[1] = std::to_string(id);
  c[2] = codeName;
  c[5] = nameKey;
  size_t k = 7;
  for (int part : typeParts) c[k++] = std::to_string(part);
  c[15] = std::to_string(rarity);
  return c;
}

std::string KindRow(int columns, std::initializer_list<std::pair<int, std::string>> values) {
  std::vector<std::string> c(static_cast<size_t>(columns), "0");
  for (const auto& v : values) c[static_cast<size_t>(v.first)] = v.second;
  return Row(c);
}

std::string ItemRow(int32_t id, const std::string& codeName, const std::string& nameKey,
                    std::initializer_list<int> typeParts, int rarity) {
  return Row(ObjColumns(160, id, codeName, nameKey, typeParts, rarity));
}

std::string CharRow(int32_t id, const std::string& codeName, const std::string& nameKey,
                    std::initializer_list<int> typeParts) {
  return Row(ObjColumns(104, id, codeName, nameKey, typeParts));
}

std::string SkillRow(int32_t id, const std::string& col4, const std::string& col62, int level) {
  return KindRow(118, {{1, std::to_string(id)}, {3, "SKILL_CODE"}, {4, col4}, {7, std::to_string(level)}, {62, col62}});
}

std::string MasteryRow(int32_t id, const std::string& nameKey) {
  return KindRow(13, {{0, std::to_string(id)}, {2, nameKey}});
}

std::string QuestRow(int32_t id, const std::string& codeName) {
  return KindRow(11, {{1, std::to_string(id)}, {2, codeName}});
}

std::string MagicOptAssignRow(int part1, int part2, int part3) {
  return KindRow(29, {{1, std::to_string(part1)}, {2, std::to_string(part2)}, {3, std::to_string(part3)}});
}

std::string FortressRow(int enabled, int32_t id, const std::string& codeName) {
  return KindRow(14, {{0, std::to_string(enabled)}, {1, std::to_string(id)}, {2, codeName}});
}

std::string TextRow(const std::string& key, const std::string& text) {
  return Row({"1", key, "", "", "", "", "", "", text, "other language"});
}

CScratchDir::CScratchDir() {
  static int counter = 0;
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  // The clock keeps test programs of several build folders, run at once, apart.
  static const std::string run = std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
  std::string name = std::string("kv_refdata_") + (test ? test->name() : "fixture") + "_" + run + "_" +
                     std::to_string(++counter);
  m_previous = fs::current_path().string();
  fs::path root = fs::temp_directory_path() / name;
  fs::remove_all(root);
  fs::create_directories(root / "KV_GameRefData");
  m_root = root.string();
  fs::current_path(root);
}

CScratchDir::~CScratchDir() {
  std::error_code ignored;
  fs::current_path(m_previous, ignored);
  fs::remove_all(m_root, ignored);
}

void CScratchDir::Write(const std::string& name, const std::string& utf8) const {
  WriteBytes(name, Utf16Le(utf8));
}

void CScratchDir::WriteBytes(const std::string& name, const std::string& bytes) const {
  std::ofstream out(fs::path(m_root) / "KV_GameRefData" / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void CScratchDir::Remove(const std::string& name) const {
  fs::remove(fs::path(m_root) / "KV_GameRefData" / name);
}

void CScratchDir::WriteCompleteSet() const {
  Write("QuestData.txt", QuestRow(10, "QNO_FIRST") + QuestRow(11, "QNO_SECOND"));
  Write("ItemData.txt", "ItemData_1.txt\r\nItemData_2.txt\r\n");
  Write("ItemData_1.txt", ItemRow(1001, "ITEM_SWORD", "SN_ITEM_SWORD", {0, 0, 3, 1, 6, 1}, 2) +
                              ItemRow(1002, "ITEM_GOLD", "SN_ITEM_GOLD", {0, 0, 3, 3, 5, 0}));
  Write("ItemData_2.txt", ItemRow(1003, "ITEM_SILK", "SN_ITEM_SILK", {0, 0, 3, 3, 8, 0}));
  Write("CharacterData.txt", "CharacterData_1.txt\r\n");
  Write("CharacterData_1.txt", CharRow(2001, "MOB_WOLF", "SN_MOB_WOLF", {0, 0, 1, 1, 1, 1}) +
                                   CharRow(2002, "COS_CARGO", "SN_COS_CARGO"));
  Write("SkillData.txt", "SkillData_1.txt\r\n");
  Write("SkillData_1.txt", SkillRow(3001, "SN_SKILL_A4", "SN_SKILL_A62", 7) + SkillRow(3002, "SN_SKILL_B4", "xxx"));
  Write("SkillMasteryData.txt", MasteryRow(257, "SN_MASTERY_SWORD"));
  Write("MagicOption.txt", KindRow(49, {{1, "1"}}) + KindRow(49, {{1, "2"}}));
  Write("MagicOptionAssign.txt", MagicOptAssignRow(1, 2, 3));
  Write("LevelData.txt", KindRow(9, {{0, "1"}}) + KindRow(9, {{0, "2"}}) + KindRow(9, {{0, "3"}}));
  Write("SiegeFortress.txt", FortressRow(1, 3, "FORTRESS_B") + FortressRow(0, 2, "FORTRESS_OFF") +
                                 FortressRow(1, 1, "FORTRESS_A"));
  Write("TextDataName.txt", TextRow("SN_ITEM_SWORD", "Sword") + TextRow("SN_MOB_WOLF", "Wolf"));
  Write("TextUISystem.txt", TextRow("UI_OK", "OK") + TextRow("SN_ITEM_SWORD", "Sword from UI"));
  Write("TextQuest.txt", TextRow("SN_QNO_FIRST", "The first quest"));
  Write("RefServerEventID.txt", "5\r\n3\r\n");
}

namespace {
bool KeepBox(const char* text) {
  CAssertionBoxes::Texts().push_back(text);
  return true;
}
bool NoDebugger() { return false; }
}  // namespace

CAssertionBoxes::CAssertionBoxes() {
  Texts().clear();
  AssertionUi ui;
  ui.showBox = KeepBox;
  ui.debuggerAttached = NoDebugger;
  SetAssertionUi(&ui);
}

CAssertionBoxes::~CAssertionBoxes() { SetAssertionUi(nullptr); }

std::vector<std::string>& CAssertionBoxes::Texts() {
  static std::vector<std::string> texts;
  return texts;
}
