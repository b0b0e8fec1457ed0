#pragma once
// The console's messenger: hands out fresh records, takes sent ones into a queue that
// the console works off later (never inside the plug-in's send call).
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "SimLog.h"
#include "msg/Console.h"
#include "msg/Msg.h"

class CSimMessenger final : public IKDMessenger {
 public:
  // onSend runs after a record joins the queue (the console posts itself a wake-up).
  CSimMessenger(CSimLog* log, std::function<void()> onSend);

  CMsg* AllocMsg(uint32_t id) override;
  void SendMsg(CMsg* msg) override;
  void* GetNetwork() override { return &m_network; }

  // The oldest sent record not yet taken, or null.
  std::unique_ptr<CMsg> TakeSent();
  size_t SentWaiting() const { return m_sent.size(); }
  // Records handed out and not sent back (the plug-in must send every one it asks for).
  size_t Unsent() const { return m_allocated.size(); }

  void Reserved0() override { Unexpected(0); }
  void Reserved1() override { Unexpected(1); }
  void Reserved3() override { Unexpected(3); }
  void Reserved5() override { Unexpected(5); }
  void Reserved6() override { Unexpected(6); }
  void Reserved7() override { Unexpected(7); }
  void Reserved8() override { Unexpected(8); }
  void Reserved9() override { Unexpected(9); }
  void Reserved10() override { Unexpected(10); }

 private:
  void Unexpected(int slot);

  CSimLog* m_log;
  std::function<void()> m_onSend;
  std::vector<std::unique_ptr<CMsg>> m_allocated;
  std::deque<std::unique_ptr<CMsg>> m_sent;
  uint32_t m_network = 0x4E455457;  // only its address is handed out
};
