#pragma once
// A console messenger for tests: hands out real records, keeps what is sent, and counts
// the network look-ups.
#include <memory>
#include <string>
#include <vector>

#include "msg/Console.h"

class RecordingMessenger : public IKDMessenger {
 public:
  virtual ~RecordingMessenger() = default;
  void Reserved0() override {}
  void Reserved1() override {}
  CMsg* AllocMsg(uint32_t id) override {
    m_records.push_back(std::make_unique<CMsg>());
    m_records.back()->Init(static_cast<uint16_t>(id));
    return m_records.back().get();
  }
  void Reserved3() override {}
  void SendMsg(CMsg* msg) override { sent.push_back(msg); }
  void Reserved5() override {}
  void Reserved6() override {}
  void Reserved7() override {}
  void Reserved8() override {}
  void Reserved9() override {}
  void Reserved10() override {}
  void* GetNetwork() override { return ++networkCalls, &networkCalls; }

  // The payload of the i-th record sent.
  std::string Payload(size_t i) const {
    return std::string(reinterpret_cast<const char*>(sent[i]->m_Storage) + kMsgHeaderSize,
                       sent[i]->m_WritePos - kMsgHeaderSize);
  }

  std::vector<CMsg*> sent;
  int networkCalls = 0;

 private:
  std::vector<std::unique_ptr<CMsg>> m_records;
};
