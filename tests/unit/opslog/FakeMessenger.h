#pragma once
// A console messenger for tests: hands out records and keeps every record sent, and a
// log sink that keeps every operator line.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/LogOutput.h"
#include "msg/Console.h"

class FakeMessenger : public IKDMessenger {
 public:
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
  void* GetNetwork() override { return nullptr; }

  // The payload bytes of a sent record.
  static std::vector<uint8_t> Payload(const CMsg* msg) {
    return std::vector<uint8_t>(msg->m_Storage + kMsgHeaderSize, msg->m_Storage + msg->m_WritePos);
  }

  std::vector<CMsg*> sent;

 private:
  std::vector<std::unique_ptr<CMsg>> m_records;
};

struct LogLine {
  uint32_t classWord;
  std::string text;
  bool operator==(const LogLine& o) const { return classWord == o.classWord && text == o.text; }
};

inline std::vector<LogLine>& CapturedLog() {
  static std::vector<LogLine> lines;
  return lines;
}

inline void KV_CDECL CaptureLogLine(uint32_t classWord, const char* text) { CapturedLog().push_back({classWord, text}); }

// Installs the messenger and the log sink for one test and removes them afterwards.
class ConsoleFixture {
 public:
  ConsoleFixture() {
    Console().messenger = &messenger;
    CapturedLog().clear();
    SetLogOutputFunc(CaptureLogLine);
  }
  ~ConsoleFixture() {
    Console().messenger = nullptr;
    SetLogOutputFunc(nullptr);
  }
  FakeMessenger messenger;
};
