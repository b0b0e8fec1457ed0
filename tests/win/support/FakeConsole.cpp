#include "support/FakeConsole.h"

#include <cstring>

std::vector<LoggedLine>& LoggedLines() {
  static std::vector<LoggedLine> lines;
  return lines;
}

void KV_CDECL CaptureLogLine(uint32_t classWord, const char* text) { LoggedLines().push_back({classWord, text}); }

void FakeDirectory::OwnedList::Init() {
  sentinel.next = &sentinel;
  sentinel.prev = &sentinel;
  list.sentinel = &sentinel;
}

void FakeDirectory::OwnedList::Append(void* element) {
  nodes.push_back(std::make_unique<KDListNode>());
  KDListNode* node = nodes.back().get();
  node->element = element;
  node->next = &sentinel;
  node->prev = sentinel.prev;
  sentinel.prev->next = node;
  sentinel.prev = node;
}

FakeDirectory::FakeDirectory() {
  m_worlds.Init();
  m_shards.Init();
}

void FakeDirectory::AddWorld(const char* name) {
  size_t n = strlen(name);
  m_worldEntries.push_back(std::make_unique<uint8_t[]>(n + 2));
  uint8_t* entry = m_worldEntries.back().get();
  entry[0] = 0;
  memcpy(entry + 1, name, n + 1);
  m_worlds.Append(entry);
}

void FakeDirectory::AddShard(uint16_t id, const char* name, uint16_t managerServiceId) {
  m_shardRecords.push_back(std::make_unique<KDShardRecord>());
  KDShardRecord* record = m_shardRecords.back().get();
  memset(record, 0, sizeof *record);
  record->id = id;
  strncpy(record->name, name, sizeof record->name - 1);
  record->managerServiceId = managerServiceId;
  m_shards.Append(record);
}

KDShardRecord* FakeDirectory::FindShard(uint32_t id) {
  for (auto& record : m_shardRecords)
    if (record->id == id) return record.get();
  return nullptr;
}

CMsg* FakeMessenger::AllocMsg(uint32_t id) {
  m_records.push_back(std::make_unique<CMsg>());
  m_records.back()->Init(static_cast<uint16_t>(id));
  return m_records.back().get();
}
