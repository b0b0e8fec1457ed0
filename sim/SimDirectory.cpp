#include "SimDirectory.h"

#include <cstring>

#include "base/Format.h"

void SimList::Assign(const std::vector<void*>& elements) {
  m_nodes.clear();
  m_sentinel.next = m_sentinel.prev = &m_sentinel;
  m_sentinel.element = nullptr;
  for (void* element : elements) {
    auto node = std::make_unique<KDListNode>();
    node->element = element;
    node->prev = m_sentinel.prev;
    node->next = &m_sentinel;
    m_sentinel.prev->next = node.get();
    m_sentinel.prev = node.get();
    m_nodes.push_back(std::move(node));
  }
  m_list.reserved = nullptr;
  m_list.sentinel = &m_sentinel;
}

CSimDirectory::CSimDirectory(const SimConfig& config, CSimLog* log) : m_log(log) {
  std::vector<void*> elements;
  for (const SimShard& s : config.shards) {
    auto record = std::make_unique<KDShardRecord>();
    memset(record.get(), 0, sizeof(KDShardRecord));
    record->id = s.id;
    CopyBounded(record->name, sizeof record->name, s.name.c_str());
    record->managerServiceId = s.managerServiceId;
    elements.push_back(record.get());
    m_shards.push_back(std::move(record));
  }
  m_shardList.Assign(elements);

  for (const SimService& s : config.services) {
    auto record = std::make_unique<KDServiceRecord>();
    memset(record.get(), 0, sizeof(KDServiceRecord));
    record->id = s.id;
    record->state = s.state;
    m_services.push_back(std::move(record));
  }

  elements.clear();
  for (const std::string& name : config.worlds) {
    std::vector<char> entry(name.size() + 2, '\0');
    memcpy(entry.data() + 1, name.data(), name.size());
    m_worlds.push_back(std::move(entry));
  }
  for (auto& w : m_worlds) elements.push_back(w.data());
  m_worldList.Assign(elements);
}

KDServiceRecord* CSimDirectory::FindService(uint32_t id) {
  for (auto& s : m_services) {
    if (s->id == id) return s.get();
  }
  return nullptr;
}

KDShardRecord* CSimDirectory::FindShard(uint32_t id) {
  for (auto& s : m_shards) {
    if (s->id == id) return s.get();
  }
  return nullptr;
}

void CSimDirectory::Unexpected(int slot) {
  if (m_log) m_log->Note("^2plug-in called directory slot %d, which it must not use", slot);
}
