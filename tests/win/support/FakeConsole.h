#pragma once
// A small console for the Wine tests: a directory with a world list and a log sink that
// keeps every line; the messenger is the common RecordingMessenger.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "common/RecordingMessenger.h"
#include "msg/Console.h"

struct LoggedLine {
  uint32_t classWord;
  std::string text;
};

std::vector<LoggedLine>& LoggedLines();
void KV_CDECL CaptureLogLine(uint32_t classWord, const char* text);

class FakeDirectory : public IKDDirectory {
 public:
  FakeDirectory();
  virtual ~FakeDirectory() = default;
  void AddWorld(const char* name);
  // Appends a shard record to the shard list; FindShard finds it by its identifier.
  void AddShard(uint16_t id, uint16_t managerServiceId, const char* name);

  void Reserved0() override {}
  void Reserved1() override {}
  void Reserved2() override {}
  KDServiceRecord* FindService(uint32_t) override { return nullptr; }
  void Reserved4() override {}
  void Reserved5() override {}
  void Reserved6() override {}
  void Reserved7() override {}
  void Reserved8() override {}
  KDShardRecord* FindShard(uint32_t id) override;
  void Reserved10() override {}
  void Reserved11() override {}
  void Reserved12() override {}
  KDList* GetWorldList() override { return &m_worlds; }
  void Reserved14() override {}
  void Reserved15() override {}
  KDList* GetShardList() override { return &m_shards; }

 private:
  void Append(KDListNode* sentinel, void* element);

  KDList m_worlds{}, m_shards{};
  KDListNode m_worldSentinel{}, m_shardSentinel{};
  std::vector<std::unique_ptr<KDListNode>> m_nodes;
  std::vector<std::unique_ptr<char[]>> m_entries;
  std::vector<std::unique_ptr<KDShardRecord>> m_shardRecords;
};
