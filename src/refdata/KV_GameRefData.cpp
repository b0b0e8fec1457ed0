#include "refdata/KV_GameRefData.h"

#include <memory>
#include <new>

#include "base/LogOutput.h"
#include "refdata/RefDataLoad.h"

namespace {
CGameRefData* g_sharedInstance = nullptr;
const CGameRefData* g_offered = nullptr;  // what the shared instance copies, if anything
}  // namespace

CGameRefData::~CGameRefData() {
  if (g_offered == this) g_offered = nullptr;
}

void CGameRefData::ClearTexts() {
  if (g_offered == this) g_offered = nullptr;
  m_loaded = false;  // no longer what a load gives
  m_texts.Clear();
}

void CGameRefData::OfferToInstance() const {
  if (m_loaded) g_offered = this;
}

bool CGameRefData::Load() {
  struct Parsers {
    CRefDataParser records;
    CRefDataParser2 lines;
  };
  typedef bool (*StepFn)(CGameRefData&, const char*, Parsers&);
  struct Step {
    const char* path;
    StepFn load;
  };
  static const Step kSteps[] = {
      {"KV_GameRefData\\QuestData.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_quests, w.records); }},
      {"KV_GameRefData\\ItemData.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataList(p, d.m_items, w.records); }},
      {"KV_GameRefData\\CharacterData.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataList(p, d.m_chars, w.records); }},
      {"KV_GameRefData\\SkillData.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataList(p, d.m_skills, w.records); }},
      {"KV_GameRefData\\SkillMasteryData.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_masteries, w.records); }},
      {"KV_GameRefData\\MagicOption.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_magicOptions, w.records); }},
      {"KV_GameRefData\\MagicOptionAssign.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_magicOptAssigns, w.records); }},
      {"KV_GameRefData\\LevelData.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_levels, w.records); }},
      {"KV_GameRefData\\SiegeFortress.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_fortresses, w.records); }},
      {"KV_GameRefData\\TextDataName.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadTextFile(p, d.m_texts, w.lines); }},
      {"KV_GameRefData\\TextUISystem.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadTextFile(p, d.m_texts, w.lines); }},
      {"KV_GameRefData\\TextQuest.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadTextFile(p, d.m_texts, w.lines); }},
      {"KV_GameRefData\\RefServerEventID.txt",
       [](CGameRefData& d, const char* p, Parsers& w) { return LoadRefDataFile(p, d.m_serverEvents, w.records); }},
  };
  Parsers with;
  bool all = true;
  for (const Step& step : kSteps) {
    bool loaded = false;
    try {
      loaded = step.load(*this, step.path, with);
    } catch (const std::bad_alloc&) {
      // Out of memory counts as a failed step; the tables stay searchable.
      SealAll();
    }
    if (!loaded) {
      LogOutput(kLogDataError, "^2failed to load %s", step.path);
      all = false;
    }
  }
  CompactAll();
  m_loaded = all;
  return all;
}

void CGameRefData::CompactAll() {
  m_items.Compact();
  m_chars.Compact();
  m_skills.Compact();
  m_masteries.Compact();
  m_quests.Compact();
  m_magicOptions.Compact();
  m_magicOptAssigns.Compact();
  m_levels.Compact();
  m_fortresses.Compact();
  m_serverEvents.Compact();
  m_texts.Compact();
}

void CGameRefData::SealAll() {
  m_items.Seal();
  m_chars.Seal();
  m_skills.Seal();
  m_masteries.Seal();
  m_quests.Seal();
  m_magicOptions.Seal();
  m_magicOptAssigns.Seal();
  m_levels.Seal();
  m_fortresses.Seal();
  m_serverEvents.Seal();
}

bool CGameRefData::CopyFrom(const CGameRefData& other) {
  m_loaded = other.m_loaded;
  return m_items.CopyFrom(other.m_items) && m_chars.CopyFrom(other.m_chars) && m_skills.CopyFrom(other.m_skills) &&
         m_masteries.CopyFrom(other.m_masteries) && m_quests.CopyFrom(other.m_quests) &&
         m_magicOptions.CopyFrom(other.m_magicOptions) && m_magicOptAssigns.CopyFrom(other.m_magicOptAssigns) &&
         m_levels.CopyFrom(other.m_levels) && m_fortresses.CopyFrom(other.m_fortresses) &&
         m_serverEvents.CopyFrom(other.m_serverEvents) && m_texts.CopyFrom(other.m_texts);
}

CGameRefData* CGameRefData::GetInstance() {
  if (g_sharedInstance) return g_sharedInstance;
  if (g_offered) {
    std::unique_ptr<CGameRefData> copy(new (std::nothrow) CGameRefData);
    if (copy && copy->CopyFrom(*g_offered)) {
      g_sharedInstance = copy.release();
      return g_sharedInstance;
    }
    // Out of memory for the copy: the files are read as if none were on offer.
  }
  std::unique_ptr<CGameRefData> data(new (std::nothrow) CGameRefData);
  if (!data || !data->Load()) {
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
  const char* text = key ? m_texts.Find(key) : nullptr;
  return text ? text : "";
}

void CGameRefData::GetSiegeFortressList(std::vector<const RefSiegeFortress*>& list) const {
  list.clear();
  for (const RefSiegeFortress& fortress : m_fortresses.Records()) {
    if (fortress.enabled != 0) list.push_back(&fortress);
  }
}

void CGameRefData::GetServerEventList(std::vector<const RefServerEventID*>& list) const {
  list.clear();
  for (const RefServerEventID& event : m_serverEvents.Records()) list.push_back(&event);
}

std::vector<CGameRefData::RefDataMemory> CGameRefData::MemoryByKind() const {
  return {
      {"items", m_items.Size(), m_items.Bytes(), m_items.ContentBytes()},
      {"characters", m_chars.Size(), m_chars.Bytes(), m_chars.ContentBytes()},
      {"skills", m_skills.Size(), m_skills.Bytes(), m_skills.ContentBytes()},
      {"masteries", m_masteries.Size(), m_masteries.Bytes(), m_masteries.ContentBytes()},
      {"quests", m_quests.Size(), m_quests.Bytes(), m_quests.ContentBytes()},
      {"magic options", m_magicOptions.Size(), m_magicOptions.Bytes(), m_magicOptions.ContentBytes()},
      {"magic option assignments", m_magicOptAssigns.Size(), m_magicOptAssigns.Bytes(),
       m_magicOptAssigns.ContentBytes()},
      {"levels", m_levels.Size(), m_levels.Bytes(), m_levels.ContentBytes()},
      {"fortresses", m_fortresses.Size(), m_fortresses.Bytes(), m_fortresses.ContentBytes()},
      {"server events", m_serverEvents.Size(), m_serverEvents.Bytes(), m_serverEvents.ContentBytes()},
      {"texts", m_texts.Size(), m_texts.Bytes(), m_texts.ContentBytes()},
  };
}
