#include "SimMessenger.h"

CSimMessenger::CSimMessenger(CSimLog* log, std::function<void()> onSend)
    : m_log(log), m_onSend(std::move(onSend)) {}

CMsg* CSimMessenger::AllocMsg(uint32_t id) {
  if (id > 0xFFFF && m_log) m_log->Note("^2plug-in asked for a record with identifier 0x%08X", id);
  auto msg = std::make_unique<CMsg>();
  msg->Init(static_cast<uint16_t>(id));
  m_allocated.push_back(std::move(msg));
  return m_allocated.back().get();
}

void CSimMessenger::SendMsg(CMsg* msg) {
  for (auto it = m_allocated.begin(); it != m_allocated.end(); ++it) {
    if (it->get() == msg) {
      m_sent.push_back(std::move(*it));
      m_allocated.erase(it);
      if (m_onSend) m_onSend();
      return;
    }
  }
  // Not handed out here, or sent twice: nothing the console can deliver; note and drop.
  if (m_log) m_log->Note("^2plug-in sent a record the console did not hand out");
}

std::unique_ptr<CMsg> CSimMessenger::TakeSent() {
  if (m_sent.empty()) return nullptr;
  std::unique_ptr<CMsg> msg = std::move(m_sent.front());
  m_sent.pop_front();
  return msg;
}

void CSimMessenger::Unexpected(int slot) {
  if (m_log) m_log->Note("^2plug-in called messenger slot %d, which it must not use", slot);
}
