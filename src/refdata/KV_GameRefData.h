#pragma once
// The game's reference data: items, characters, skills, masteries, quests, magic
// options, levels, siege fortresses and server events by identifier, and the display
// texts by key, loaded from the thirteen UTF-16 files in "KV_GameRefData" under the
// current directory.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "refdata/ObjTypeWord.h"
#include "refdata/RefLevelExpOffset.h"
#include "refdata/RefMagicOption.h"
#include "refdata/RefObj.h"
#include "refdata/RefQuest.h"
#include "refdata/RefServerEventID.h"
#include "refdata/RefSiegeFortress.h"
#include "refdata/RefSkill.h"
#include "refdata/RefTable.h"
#include "refdata/TextTable.h"

class CGameRefData {
 public:
  CGameRefData() = default;
  ~CGameRefData();
  CGameRefData(const CGameRefData&) = delete;
  CGameRefData& operator=(const CGameRefData&) = delete;

  // Runs the thirteen load steps in order, each whatever the others gave, and reports
  // every failed step. True only when all succeeded; what loaded stays either way.
  // Call once per instance: records found earlier may move when more are loaded.
  bool Load();

  // The shared instance, loaded on first use; null when loading failed, and the next
  // call tries again with a new instance.
  static CGameRefData* GetInstance();
  // Lets the shared instance, when first needed, be a deep copy of this set instead of
  // reading the files again: the game log page loads the same files just before. Only
  // a set whose Load succeeded is taken, and it is withdrawn when it is destroyed or
  // its texts are cleared. A successful load writes no message, so the console sees
  // the same lines either way.
  void OfferToInstance() const;
  // Destroys the shared instance (module unload).
  static void DestroyInstance();

  // The text for the key, or the empty text; never null. Valid while the table is
  // unchanged.
  const char* GetText(const char* key) const;

  const RefObjItem* FindItem(uint32_t id) const { return m_items.Find(id); }
  const RefObjChar* FindChar(uint32_t id) const { return m_chars.Find(id); }
  const RefSkill* FindSkill(uint32_t id) const { return m_skills.Find(id); }
  const RefSkillMastery* FindSkillMastery(uint32_t id) const { return m_masteries.Find(id); }
  const RefQuest* FindQuest(uint32_t id) const { return m_quests.Find(id); }
  const RefSiegeFortress* FindSiegeFortress(uint32_t id) const { return m_fortresses.Find(id); }

  // Empties the list, then adds every enabled fortress in ascending identifier order.
  void GetSiegeFortressList(std::vector<const RefSiegeFortress*>& list) const;
  // Empties the list, then adds every server event in ascending identifier order.
  void GetServerEventList(std::vector<const RefServerEventID*>& list) const;

  // Empties the text table for good; records stay.
  void ClearTexts();

  struct RefDataMemory {
    const char* kind;
    size_t records;
    size_t bytes;  // heap held for the kind: records, texts, container overhead
    size_t kept;   // content kept: number fields, and texts with their terminators
  };
  std::vector<RefDataMemory> MemoryByKind() const;

 private:
  void SealAll();
  void CompactAll();
  // A copy of every table; false (with this set in any state) when memory runs out.
  bool CopyFrom(const CGameRefData& other);

  bool m_loaded = false;  // the last Load succeeded

  CRefTable<RefObjItem> m_items;
  CRefTable<RefObjChar> m_chars;
  CRefTable<RefSkill> m_skills;
  CRefTable<RefSkillMastery> m_masteries;
  CRefTable<RefQuest> m_quests;
  CRefTable<RefMagicOption> m_magicOptions;
  CRefTable<RefMagicOptAssign> m_magicOptAssigns;
  CRefTable<RefLevelExpOffset> m_levels;
  CRefTable<RefSiegeFortress> m_fortresses;
  CRefTable<RefServerEventID> m_serverEvents;
  CTextTable m_texts;
};
