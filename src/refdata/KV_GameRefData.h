#pragma once
// The game's reference data: items, characters, skills, masteries, quests, magic
// options, levels, siege fortresses and server events by identifier, and the display
// texts by key, loaded from the thirteen UTF-16 files in "KV_GameRefData" under the
// current directory.
//
// An instance holds a loaded set of those tables (RefDataSet) that never changes; the
// game log page's instance and the shared one hold the same set, and clearing the texts
// only changes what the cleared instance sees.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "refdata/ObjTypeWord.h"
#include "refdata/RefDataSet.h"

class CGameRefData {
 public:
  CGameRefData() = default;
  CGameRefData(const CGameRefData&) = delete;
  CGameRefData& operator=(const CGameRefData&) = delete;

  // Runs the thirteen load steps in order, each whatever the others gave, and reports
  // every failed step. True only when all succeeded; what loaded stays either way.
  // Call once per instance: a second load reads a new set, and records found in the
  // first go with it unless another instance holds it.
  bool Load();

  // The shared instance, loaded on first use; null when loading failed, and the next
  // call tries again with a new instance.
  static CGameRefData* GetInstance();
  // Lets the shared instance, when first needed, hold this instance's set instead of
  // reading the files again: the game log page loads the same files just before. Only
  // a set whose Load succeeded is taken, and only while an instance still holds it.
  // A successful load writes no message, so the console sees the same lines either way.
  void OfferToInstance() const;
  // Destroys the shared instance (module unload).
  static void DestroyInstance();

  // The text for the key, or the empty text; never null. Valid while the table is
  // unchanged.
  const char* GetText(const char* key) const;

  const RefObjItem* FindItem(uint32_t id) const { return m_set ? m_set->items.Find(id) : nullptr; }
  const RefObjChar* FindChar(uint32_t id) const { return m_set ? m_set->chars.Find(id) : nullptr; }
  const RefSkill* FindSkill(uint32_t id) const { return m_set ? m_set->skills.Find(id) : nullptr; }
  const RefSkillMastery* FindSkillMastery(uint32_t id) const { return m_set ? m_set->masteries.Find(id) : nullptr; }
  const RefQuest* FindQuest(uint32_t id) const { return m_set ? m_set->quests.Find(id) : nullptr; }
  const RefSiegeFortress* FindSiegeFortress(uint32_t id) const {
    return m_set ? m_set->fortresses.Find(id) : nullptr;
  }

  // Empties the list, then adds every enabled fortress in ascending identifier order.
  void GetSiegeFortressList(std::vector<const RefSiegeFortress*>& list) const;
  // Empties the list, then adds every server event in ascending identifier order.
  void GetServerEventList(std::vector<const RefServerEventID*>& list) const;

  // From now on every text of this instance is the empty text; records stay. Other
  // instances holding the same set still see its texts.
  void ClearTexts() { m_textsCleared = true; }

  struct RefDataMemory {
    const char* kind;
    size_t records;
    size_t bytes;  // heap held for the kind: records, texts, container overhead
    size_t kept;   // content kept: number fields, and texts with their terminators
  };
  std::vector<RefDataMemory> MemoryByKind() const;

 private:
  std::shared_ptr<const RefDataSet> m_set;  // null until loaded
  bool m_textsCleared = false;
  bool m_loaded = false;  // the last Load succeeded
};
