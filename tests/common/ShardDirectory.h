#pragma once
// A console directory for tests: shard records with their manager services, service
// records with their states, and the shard list in the order the shards were added.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "msg/Console.h"

class ShardDirectory : public IKDDirectory {
 public:
  ShardDirectory() {
    m_sentinel.next = m_sentinel.prev = &m_sentinel;
    m_list.sentinel = &m_sentinel;
  }
  virtual ~ShardDirectory() = default;

  void AddShard(uint16_t id, uint16_t managerServiceId, const char* name) {
    m_shards.push_back(std::make_unique<KDShardRecord>());
    KDShardRecord* shard = m_shards.back().get();
    memset(shard, 0, sizeof *shard);
    shard->id = id;
    // A name of 64 bytes fills the field without a zero.
    memcpy(shard->name, name, std::min(strlen(name), sizeof shard->name));
    shard->managerServiceId = managerServiceId;
    m_nodes.push_back(std::make_unique<KDListNode>());
    KDListNode* node = m_nodes.back().get();
    node->element = shard;
    node->next = &m_sentinel;
    node->prev = m_sentinel.prev;
    m_sentinel.prev->next = node;
    m_sentinel.prev = node;
  }
  void AddService(uint16_t id, uint32_t state) {
    m_services.push_back(std::make_unique<KDServiceRecord>());
    memset(m_services.back().get(), 0, sizeof(KDServiceRecord));
    m_services.back()->id = id;
    m_services.back()->state = state;
  }
  KDServiceRecord* Service(uint16_t id) {
    for (auto& s : m_services)
      if (s->id == id) return s.get();
    return nullptr;
  }

  void Reserved0() override {}
  void Reserved1() override {}
  void Reserved2() override {}
  KDServiceRecord* FindService(uint32_t id) override { return Service(static_cast<uint16_t>(id)); }
  void Reserved4() override {}
  void Reserved5() override {}
  void Reserved6() override {}
  void Reserved7() override {}
  void Reserved8() override {}
  KDShardRecord* FindShard(uint32_t id) override {
    for (auto& s : m_shards)
      if (s->id == id) return s.get();
    return nullptr;
  }
  void Reserved10() override {}
  void Reserved11() override {}
  void Reserved12() override {}
  KDList* GetWorldList() override { return &m_worlds; }
  void Reserved14() override {}
  void Reserved15() override {}
  KDList* GetShardList() override { return &m_list; }

 private:
  KDList m_list{}, m_worlds{};
  KDListNode m_sentinel{};
  std::vector<std::unique_ptr<KDShardRecord>> m_shards;
  std::vector<std::unique_ptr<KDServiceRecord>> m_services;
  std::vector<std::unique_ptr<KDListNode>> m_nodes;
};
