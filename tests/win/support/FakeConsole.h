#pragma once
// A small console for the Wine tests: a directory with a world list and shards, a
// messenger that hands out records, and a log sink that keeps every line.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Platform.h"
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
  void AddShard(uint16_t id, const char* name, uint16_t managerServiceId);

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
  KDList* GetWorldList() override { return &m_worlds.list; }
  void Reserved14() override {}
  void Reserved15() override {}
  KDList* GetShardList() override { return &m_shards.list; }

 private:
  struct OwnedList {
    KDList list{};
    KDListNode sentinel{};
    std::vector<std::unique_ptr<KDListNode>> nodes;
    void Init();
    void Append(void* element);
  };
  OwnedList m_worlds, m_shards;
  std::vector<std::unique_ptr<uint8_t[]>> m_worldEntries;
  std::vector<std::unique_ptr<KDShardRecord>> m_shardRecords;
};

class FakeMessenger : public IKDMessenger {
 public:
  virtual ~FakeMessenger() = default;

  void Reserved0() override {}
  void Reserved1() override {}
  CMsg* AllocMsg(uint32_t id) override;
  void Reserved3() override {}
  void SendMsg(CMsg* msg) override { sent.push_back(msg); }
  void Reserved5() override {}
  void Reserved6() override {}
  void Reserved7() override {}
  void Reserved8() override {}
  void Reserved9() override {}
  void Reserved10() override {}
  void* GetNetwork() override {
    ++networkCalls;
    return &networkCalls;
  }

  int networkCalls = 0;
  std::vector<CMsg*> sent;

 private:
  std::vector<std::unique_ptr<CMsg>> m_records;
};
