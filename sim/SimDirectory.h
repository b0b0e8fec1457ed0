#pragma once
// The console's directory as the plug-in reads it: shard and service records at their
// offsets, the world and shard lists as circular lists behind a sentinel node.
#include <cstdint>
#include <memory>
#include <vector>

#include "SimConfig.h"
#include "SimLog.h"
#include "msg/Console.h"

// A console list: word 1 points to the sentinel; nodes {next, prev, element}.
class SimList {
 public:
  void Assign(const std::vector<void*>& elements);
  KDList* Get() { return &m_list; }

 private:
  KDList m_list{};
  KDListNode m_sentinel{};
  std::vector<std::unique_ptr<KDListNode>> m_nodes;
};

class CSimDirectory final : public IKDDirectory {
 public:
  CSimDirectory(const SimConfig& config, CSimLog* log);

  KDServiceRecord* FindService(uint32_t id) override;
  KDShardRecord* FindShard(uint32_t id) override;
  KDList* GetWorldList() override { return m_worldList.Get(); }
  KDList* GetShardList() override { return m_shardList.Get(); }

  // Slots the plug-in has no business calling: each leaves a note in the log.
  void Reserved0() override { Unexpected(0); }
  void Reserved1() override { Unexpected(1); }
  void Reserved2() override { Unexpected(2); }
  void Reserved4() override { Unexpected(4); }
  void Reserved5() override { Unexpected(5); }
  void Reserved6() override { Unexpected(6); }
  void Reserved7() override { Unexpected(7); }
  void Reserved8() override { Unexpected(8); }
  void Reserved10() override { Unexpected(10); }
  void Reserved11() override { Unexpected(11); }
  void Reserved12() override { Unexpected(12); }
  void Reserved14() override { Unexpected(14); }
  void Reserved15() override { Unexpected(15); }

 private:
  void Unexpected(int slot);

  CSimLog* m_log;
  std::vector<std::unique_ptr<KDShardRecord>> m_shards;
  std::vector<std::unique_ptr<KDServiceRecord>> m_services;
  std::vector<std::vector<char>> m_worlds;  // each: one leading byte, then the name
  SimList m_worldList;
  SimList m_shardList;
};
