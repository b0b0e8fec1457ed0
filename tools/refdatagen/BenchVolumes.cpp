#include "refdatagen/BenchVolumes.h"

#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "refdatagen/RefLayout.h"
#include "refdatagen/Random.h"
#include "refdatagen/Utf16FileWriter.h"

namespace {

const char* const kWords[] = {
    "Amber", "Ashen", "Bitter", "Bright", "Cinder", "Copper", "Dusk", "Ember", "Fallow", "Frost",
    "Gale", "Gilded", "Hollow", "Iron", "Jade", "Keen", "Lantern", "Mire", "Moss", "Night",
    "Oak", "Pale", "Quarry", "Raven", "Salt", "Shale", "Silver", "Thorn", "Tide", "Umber",
    "Vale", "Warden", "Willow", "Wren", "Yew", "Zephyr"};
const char* const kEquipNouns[] = {"Blade", "Bow", "Spear", "Staff", "Helm", "Mantle", "Greaves",
                                   "Gauntlets", "Boots", "Shield", "Ring", "Earring", "Pendant"};
const char* const kEtcNouns[] = {"Tonic", "Scroll", "Arrow", "Crate", "Stone", "Tablet", "Whistle"};
const char* const kCreatures[] = {"Boar", "Wolf", "Stalker", "Wisp", "Golem", "Serpent", "Bandit",
                                  "Shade", "Crawler", "Harpy", "Merchant", "Guard", "Ferryman"};
const char* const kArts[] = {"Strike", "Ward", "Volley", "Surge", "Bind", "Mend", "Rush", "Veil"};

template <size_t N>
const char* Pick(CRandom& random, const char* const (&words)[N]) {
  return words[random.Below(static_cast<int>(N))];
}

void AppendHangulSyllable(std::string& out, CRandom& random) {
  unsigned cp = 0xAC00 + static_cast<unsigned>(random.Below(11172));
  out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
  out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
  out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

void AppendIdeograph(std::string& out, CRandom& random) {
  unsigned cp = 0x4E00 + static_cast<unsigned>(random.Below(0x5200));
  out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
  out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
  out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

std::string IdeographPhrase(CRandom& random, int length) {
  std::string out;
  for (int i = 0; i < length; ++i) AppendIdeograph(out, random);
  return out;
}

std::string KoreanPhrase(CRandom& random, int words) {
  std::string out;
  for (int w = 0; w < words; ++w) {
    if (w) out += ' ';
    for (int s = 2 + random.Below(3); s > 0; --s) AppendHangulSyllable(out, random);
  }
  return out;
}

std::string EnglishPhrase(CRandom& random, int words) {
  std::string out;
  for (int w = 0; w < words; ++w) {
    if (w) out += ' ';
    out += Pick(random, kWords);
  }
  return out;
}

struct TextEntry {
  std::string key;
  std::string english;
  int koreanWords;
};

class CBenchVolumes {
 public:
  CBenchVolumes(const std::string& outDir, const BenchScale& scale, BenchTotals& totals, std::string& error)
      : m_OutDir(outDir), m_Scale(scale), m_Totals(totals), m_Error(error) {}

  bool Write() {
    // The loader's order, so the files are written (and cached) in the order it reads them.
    return WriteQuests() && WriteItems() && WriteChars() && WriteSkills() && WriteMasteries() &&
           WriteMagicOptions() && WriteMagicOptAssigns() && WriteLevels() && WriteFortresses() &&
           WriteTexts() && WriteServerEvents();
  }

 private:
  using RowFn = std::function<void(int index, std::vector<std::string>& cells)>;

  std::string Number(int64_t value) {
    char text[24];
    snprintf(text, sizeof(text), "%" PRId64, value);
    return text;
  }

  // A value for a column the module never reads, shaped like an export's: mostly zeros and
  // small counts, some large numbers, resource paths in text columns.
  std::string Filler(ColumnType type) {
    switch (type) {
      case ColumnType::kInt:
      case ColumnType::kSkip: {
        int roll = m_Random.Below(100);
        if (roll < 45) return "0";
        if (roll < 80) return Number(m_Random.Below(100));
        if (roll < 95) return Number(m_Random.Below(100000));
        return Number(static_cast<int64_t>(m_Random.Next() % 2147483647ULL) - (roll == 99 ? 2147483647LL : 0));
      }
      case ColumnType::kFloat: {
        if (m_Random.Chance(40)) return "0.0";
        char text[32];
        snprintf(text, sizeof(text), "%.6f", m_Random.Below(2000000) / 1000.0);
        return text;
      }
      case ColumnType::kText: {
        if (m_Random.Chance(60)) return "xxx";
        char text[64];
        snprintf(text, sizeof(text), "res\\%s\\%s_%05d.img", Pick(m_Random, kWords), Pick(m_Random, kEtcNouns),
                 m_Random.Below(100000));
        return text;
      }
      case ColumnType::kBlank: return "";
    }
    return "";
  }

  void FillRow(const RefLayout& layout, std::vector<std::string>& cells) {
    cells.resize(layout.types.size());
    for (size_t c = 0; c < cells.size(); ++c) cells[c] = Filler(layout.types[c]);
  }

  bool WriteFile(const std::string& name, RefKind kind, int first, int count, const RowFn& row) {
    CUtf16FileWriter writer;
    const std::string path = m_OutDir + "/" + name;
    if (!writer.Open(path)) {
      m_Error = path + ": cannot be written";
      return false;
    }
    std::vector<std::string> cells;
    for (int i = first; i < first + count; ++i) {
      FillRow(LayoutOf(kind), cells);
      row(i, cells);
      if (!writer.WriteLine(cells)) {
        m_Error = path + ": a generated cell is not writable";
        return false;
      }
    }
    return Finish(writer, path);
  }

  bool Finish(CUtf16FileWriter& writer, const std::string& path) {
    if (!writer.Close()) {
      m_Error = path + ": write failed";
      return false;
    }
    m_Totals.files += 1;
    m_Totals.lines += writer.LinesWritten();
    m_Totals.bytes += writer.BytesWritten();
    return true;
  }

  // Records spread evenly over `files` listed files named Stem_01.txt, Stem_02.txt, ...
  bool WriteListed(const char* listName, const char* stem, RefKind kind, int total, int files,
                   const RowFn& row) {
    CUtf16FileWriter list;
    const std::string listPath = m_OutDir + "/" + listName;
    if (!list.Open(listPath)) {
      m_Error = listPath + ": cannot be written";
      return false;
    }
    int first = 0;
    for (int f = 0; f < files; ++f) {
      int count = total / files + (f < total % files ? 1 : 0);
      char name[64];
      snprintf(name, sizeof(name), "%s_%02d.txt", stem, f + 1);
      if (!WriteFile(name, kind, first, count, row)) return false;
      list.WriteLine({name});
      first += count;
    }
    return Finish(list, listPath);
  }

  void CommonColumns(std::vector<std::string>& cells, int id, const std::string& codeName,
                     const std::string& nameKey, const int type[6]) {
    cells[0] = "1";
    cells[1] = Number(id);
    cells[2] = codeName;
    cells[5] = nameKey;
    for (int k = 0; k < 6; ++k) cells[static_cast<size_t>(7 + k)] = Number(type[k]);
  }

  bool WriteItems() {
    static const int kEquipSubgroups[] = {1, 2, 3, 4, 5, 6, 9, 10, 11, 12};
    static const int kExpendSubgroups[] = {1, 2, 3, 4, 5, 8, 11};
    return WriteListed("ItemData.txt", "ItemData", RefKind::kObjItem, m_Scale.items, m_Scale.itemFiles,
                       [this](int i, std::vector<std::string>& cells) {
                         int roll = m_Random.Below(100);
                         int group = roll < 60 ? 1 : roll < 95 ? 3 : 2;
                         int sub = group == 1   ? kEquipSubgroups[m_Random.Below(10)]
                                   : group == 3 ? kExpendSubgroups[m_Random.Below(7)]
                                                : 1 + m_Random.Below(3);
                         const int type[6] = {1, 0, 3, group, sub, 1 + m_Random.Below(8)};
                         const char* noun = group == 1 ? Pick(m_Random, kEquipNouns) : Pick(m_Random, kEtcNouns);
                         char code[48];
                         snprintf(code, sizeof(code), "ITEM_%s_%s_%06d", group == 1 ? "EQ" : "ETC", noun, i);
                         std::string key = std::string("SN_") + code;
                         CommonColumns(cells, 100000 + i, code, key, type);
                         cells[15] = group == 1 && m_Random.Chance(10) ? "2" : "0";
                         m_Names.push_back({key, EnglishPhrase(m_Random, 1) + " " + noun, 2});
                         m_Names.push_back({key + "_TT_DESC", EnglishPhrase(m_Random, 20), 12});
                       });
  }

  bool WriteChars() {
    return WriteListed("CharacterData.txt", "CharacterData", RefKind::kObjChar, m_Scale.chars,
                       m_Scale.charFiles, [this](int i, std::vector<std::string>& cells) {
                         int roll = m_Random.Below(100);
                         int group = roll < 70 ? 1 : 2;
                         int sub = roll < 70 ? 1 : roll < 90 ? 1 : 3;
                         int detail = roll < 90 ? 0 : 1 + m_Random.Below(4);
                         const int type[6] = {1, 1, 1, group, sub, detail};
                         char code[48];
                         snprintf(code, sizeof(code), "%s_%s_%06d", group == 1 ? "MOB" : sub == 3 ? "COS" : "NPC",
                                  Pick(m_Random, kCreatures), i);
                         std::string key = std::string("SN_") + code;
                         CommonColumns(cells, 200000 + i, code, key, type);
                         m_Names.push_back({key, EnglishPhrase(m_Random, 1) + " " + Pick(m_Random, kCreatures), 2});
                       });
  }

  bool WriteSkills() {
    return WriteListed("SkillData.txt", "SkillData", RefKind::kSkill, m_Scale.skills, m_Scale.skillFiles,
                       [this](int i, std::vector<std::string>& cells) {
                         char code[48];
                         snprintf(code, sizeof(code), "SKILL_%s_%06d", Pick(m_Random, kArts), i);
                         std::string key = std::string("SN_") + code;
                         cells[0] = "1";
                         cells[1] = Number(300000 + i);
                         cells[3] = code;
                         cells[4] = key + "_GROUP";
                         cells[7] = Number(1 + i % 12);
                         // A few skills carry their name only in the fallback column.
                         bool fallback = i % 97 == 0;
                         cells[62] = fallback ? "xxx" : key;
                         m_Names.push_back({fallback ? key + "_GROUP" : key,
                                            EnglishPhrase(m_Random, 1) + " " + Pick(m_Random, kArts), 2});
                         m_Names.push_back({key + "_DESC", EnglishPhrase(m_Random, 18), 10});
                       });
  }

  bool WriteQuests() {
    return WriteFile("QuestData.txt", RefKind::kQuest, 0, m_Scale.quests,
                     [this](int i, std::vector<std::string>& cells) {
                       char code[48];
                       snprintf(code, sizeof(code), "QNO_%s_%05d", Pick(m_Random, kWords), i);
                       cells[1] = Number(1000 + i);
                       cells[2] = code;
                       m_QuestTexts.push_back({std::string("SN_") + code, EnglishPhrase(m_Random, 3), 3});
                       m_QuestTexts.push_back({std::string("SN_") + code + "_DESC", EnglishPhrase(m_Random, 24), 14});
                     });
  }

  bool WriteMasteries() {
    return WriteFile("SkillMasteryData.txt", RefKind::kSkillMastery, 0, 60,
                     [this](int i, std::vector<std::string>& cells) {
                       cells[0] = Number(257 + i);
                       cells[2] = "UIIT_STT_MASTERY_" + Number(i);
                       m_UiTexts.push_back({cells[2], EnglishPhrase(m_Random, 2), 2});
                     });
  }

  bool WriteMagicOptions() {
    return WriteFile("MagicOption.txt", RefKind::kMagicOption, 0, 400,
                     [this](int i, std::vector<std::string>& cells) {
                       cells[0] = "1";
                       cells[1] = Number(1 + i);
                       cells[2] = "MATTR_BENCH_" + Number(i);
                     });
  }

  bool WriteMagicOptAssigns() {
    return WriteFile("MagicOptionAssign.txt", RefKind::kMagicOptAssign, 0, 600,
                     [this](int i, std::vector<std::string>& cells) {
                       cells[1] = Number(3);
                       cells[2] = Number(i % 60);
                       cells[3] = Number(i / 60);
                     });
  }

  bool WriteLevels() {
    return WriteFile("LevelData.txt", RefKind::kLevelExpOffset, 1, 120,
                     [this](int level, std::vector<std::string>& cells) {
                       cells[0] = Number(level);
                       cells[1] = Number(static_cast<int64_t>(level) * level * level * 1200);
                     });
  }

  bool WriteFortresses() {
    return WriteFile("SiegeFortress.txt", RefKind::kSiegeFortress, 0, 12,
                     [this](int i, std::vector<std::string>& cells) {
                       cells[0] = i % 4 == 3 ? "0" : "1";
                       cells[1] = Number(1 + i);
                       cells[2] = "FORTRESS_" + std::string(Pick(m_Random, kWords)) + "_" + Number(i);
                     });
  }

  bool WriteServerEvents() {
    return WriteFile("RefServerEventID.txt", RefKind::kServerEventID, 1, 300,
                     [this](int i, std::vector<std::string>& cells) { cells[0] = Number(i); });
  }

  bool WriteTextFile(const char* name, const std::vector<TextEntry>& entries) {
    CUtf16FileWriter writer;
    const std::string path = m_OutDir + "/" + name;
    if (!writer.Open(path)) {
      m_Error = path + ": cannot be written";
      return false;
    }
    std::vector<std::string> cells(LayoutOf(RefKind::kText).defaults);
    for (const TextEntry& entry : entries) {
      cells[kTextKeyColumn] = entry.key;
      // Live exports carry several language columns; two of them are filled here.
      cells[2] = KoreanPhrase(m_Random, entry.koreanWords);
      cells[3] = IdeographPhrase(m_Random, entry.koreanWords * 3);
      cells[kTextValueColumn] = entry.english;
      if (!writer.WriteLine(cells)) {
        m_Error = path + ": a generated cell is not writable";
        return false;
      }
    }
    return Finish(writer, path);
  }

  bool WriteTexts() {
    for (int i = 1; i <= 300; ++i) {
      m_UiTexts.push_back({"SN_SERVER_EVENT_MISSION_" + Number(i), EnglishPhrase(m_Random, 3), 3});
    }
    // Interface texts make up the rest of the volume, as in a live export.
    const size_t total = m_Names.size() + m_QuestTexts.size() + m_UiTexts.size();
    for (size_t i = total; i < static_cast<size_t>(m_Scale.textLines); ++i) {
      m_UiTexts.push_back({"UIIT_MSG_BENCH_" + Number(static_cast<int64_t>(i)), EnglishPhrase(m_Random, 14), 8});
    }
    return WriteTextFile("TextDataName.txt", m_Names) && WriteTextFile("TextUISystem.txt", m_UiTexts) &&
           WriteTextFile("TextQuest.txt", m_QuestTexts);
  }

  const std::string m_OutDir;
  const BenchScale m_Scale;
  BenchTotals& m_Totals;
  std::string& m_Error;
  CRandom m_Random{0x4B565F52454644ULL};
  std::vector<TextEntry> m_Names;
  std::vector<TextEntry> m_QuestTexts;
  std::vector<TextEntry> m_UiTexts;
};

}  // namespace

bool WriteBenchVolumes(const std::string& outDir, const BenchScale& scale, BenchTotals& totals,
                       std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(outDir, ec);
  if (ec) {
    error = outDir + ": " + ec.message();
    return false;
  }
  totals = BenchTotals();
  return CBenchVolumes(outDir, scale, totals, error).Write();
}
