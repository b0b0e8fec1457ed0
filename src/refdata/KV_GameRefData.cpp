#include "refdata/KV_GameRefData.h"

#include <memory>
#include <new>

#include "base/LogOutput.h"
#include "refdata/RefDataLoad.h"

namespace {
CGameRefData* g_sharedInstance = nullptr;
// The set the shared instance takes, if anything; it lapses when its last holder goes.
std::weak_ptr<const RefDataSet> g_offered;

// A set to load into; null when memory runs out.
std::shared_ptr<RefDataSet> NewSet() {
  try {
    return std::make_shared<RefDataSet>();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
}  // namespace

void CGameRefData::OfferToInstance() const {
  if (m_loaded) g_offered = m_set;
}

bool CGameRefData::Load() {
  struct Parsers {
    CRefDataParser records;
    CRefDataParser2 lines;
  };
  typedef bool (*StepFn)(RefDataSet&, const char*, Parsers&);
  struct Step {
    const char* path;
    StepFn load;
  };
  static const Step kSteps[] = {
      {"KV_GameRefData\\QuestData.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.quests, w.records); }},
      {"KV_GameRefData\\ItemData.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataList(p, d.items, w.records); }},
      {"KV_GameRefData\\CharacterData.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataList(p, d.chars, w.records); }},
      {"KV_GameRefData\\SkillData.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataList(p, d.skills, w.records); }},
      {"KV_GameRefData\\SkillMasteryData.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.masteries, w.records); }},
      {"KV_GameRefData\\MagicOption.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.magicOptions, w.records); }},
      {"KV_GameRefData\\MagicOptionAssign.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.magicOptAssigns, w.records); }},
      {"KV_GameRefData\\LevelData.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.levels, w.records); }},
      {"KV_GameRefData\\SiegeFortress.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.fortresses, w.records); }},
      {"KV_GameRefData\\TextDataName.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadTextFile(p, d.texts, w.lines); }},
      {"KV_GameRefData\\TextUISystem.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadTextFile(p, d.texts, w.lines); }},
      {"KV_GameRefData\\TextQuest.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadTextFile(p, d.texts, w.lines); }},
      {"KV_GameRefData\\RefServerEventID.txt",
       [](RefDataSet& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.serverEvents, w.records); }},
  };
  // Without memory for a set, every step fails as a step that runs out of it does.
  const std::shared_ptr<RefDataSet> set = NewSet();
  Parsers with;
  bool all = true;
  for (const Step& step : kSteps) {
    bool loaded = false;
    try {
      loaded = set && step.load(*set, step.path, with);
    } catch (const std::bad_alloc&) {
      // Out of memory counts as a failed step; the tables stay searchable.
      set->SealAll();
    }
    if (!loaded) {
      LogOutput(kLogDataError, "^2failed to load %s", step.path);
      all = false;
    }
  }
  if (set) set->CompactAll();
  m_set = set;
  m_textsCleared = false;
  m_loaded = all;
  return all;
}

CGameRefData* CGameRefData::GetInstance() {
  if (g_sharedInstance) return g_sharedInstance;
  std::unique_ptr<CGameRefData> data(new (std::nothrow) CGameRefData);
  if (data) {
    data->m_set = g_offered.lock();
    data->m_loaded = data->m_set != nullptr;
  }
  if (!data || !(data->m_loaded || data->Load())) {
    LogOutput(kLogDataError, "%s", "failed to initialize reference data !!!");
    return nullptr;
  }
  g_sharedInstance = data.release();
  return g_sharedInstance;
}

void CGameRefData::DestroyInstance() {
  delete g_sharedInstance;
  g_sharedInstance = nullptr;
}

const char* CGameRefData::GetText(const char* key) const {
  const char* text = key && m_set && !m_textsCleared ? m_set->texts.Find(key) : nullptr;
  return text ? text : "";
}

void CGameRefData::GetSiegeFortressList(std::vector<const RefSiegeFortress*>& list) const {
  list.clear();
  if (!m_set) return;
  for (const RefSiegeFortress& fortress : m_set->fortresses.Records()) {
    if (fortress.enabled != 0) list.push_back(&fortress);
  }
}

void CGameRefData::GetServerEventList(std::vector<const RefServerEventID*>& list) const {
  list.clear();
  if (!m_set) return;
  for (const RefServerEventID& event : m_set->serverEvents.Records()) list.push_back(&event);
}

namespace {
template <class T>
CGameRefData::RefDataMemory MemoryOf(const char* kind, const CRefTable<T>& table) {
  return {kind, table.Size(), table.Bytes(), table.ContentBytes()};
}
}  // namespace

std::vector<CGameRefData::RefDataMemory> CGameRefData::MemoryByKind() const {
  static const RefDataSet kNone;
  const RefDataSet& set = m_set ? *m_set : kNone;
  // Cleared texts are still held for the set's other holders, but none of them here.
  const CTextTable& texts = m_textsCleared ? kNone.texts : set.texts;
  return {
      MemoryOf("items", set.items),
      MemoryOf("characters", set.chars),
      MemoryOf("skills", set.skills),
      MemoryOf("masteries", set.masteries),
      MemoryOf("quests", set.quests),
      MemoryOf("magic options", set.magicOptions),
      MemoryOf("magic option assignments", set.magicOptAssigns),
      MemoryOf("levels", set.levels),
      MemoryOf("fortresses", set.fortresses),
      MemoryOf("server events", set.serverEvents),
      {"texts", texts.Size(), texts.Bytes(), texts.ContentBytes()},
  };
}
