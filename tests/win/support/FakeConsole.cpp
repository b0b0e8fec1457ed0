#include "support/FakeConsole.h"

#include <cstring>

std::vector<LoggedLine>& LoggedLines() {
  static std::vector<LoggedLine> lines;
  return lines;
}

void KV_CDECL CaptureLogLine(uint32_t classWord, const char* text) { LoggedLines().push_back({classWord, text}); }

FakeDirectory::FakeDirectory() {
  m_worldSentinel.next = m_worldSentinel.prev = &m_worldSentinel;
  m_shardSentinel.next = m_shardSentinel.prev = &m_shardSentinel;
  m_worlds.sentinel = &m_worldSentinel;
  m_shards.sentinel = &m_shardSentinel;
}

void FakeDirectory::AddWorld(const char* name) {
  // A world entry's name starts at its second byte.
  size_t n = strlen(name);
  m_entries.push_back(std::make_unique<char[]>(n + 2));
  char* entry = m_entries.back().get();
  entry[0] = 0;
  memcpy(entry + 1, name, n + 1);
  Append(&m_worldSentinel, entry);
}

void FakeDirectory::AddShard(uint16_t id, uint16_t managerServiceId, const char* name) {
  m_shardRecords.push_back(std::make_unique<KDShardRecord>());
  KDShardRecord* record = m_shardRecords.back().get();
  memset(record, 0, sizeof *record);
  record->id = id;
  record->managerServiceId = managerServiceId;
  strncpy(record->name, name, sizeof record->name - 1);
  Append(&m_shardSentinel, record);
}

KDShardRecord* FakeDirectory::FindShard(uint32_t id) {
  for (auto& record : m_shardRecords) {
    if (record->id == id) return record.get();
  }
  return nullptr;
}

void FakeDirectory::Append(KDListNode* sentinel, void* element) {
  m_nodes.push_back(std::make_unique<KDListNode>());
  KDListNode* node = m_nodes.back().get();
  node->element = element;
  node->next = sentinel;
  node->prev = sentinel->prev;
  sentinel->prev->next = node;
  sentinel->prev = node;
}
