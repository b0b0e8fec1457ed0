#include "ShardManager.h"

#include "msg/MsgIds.h"

namespace {
// Directory states in which a service takes requests.
bool IsRunning(uint32_t state) { return state == 4 || state == 5; }
}  // namespace

void CShardManager::Register(uint16_t innerId, InnerHandler handler) {
  for (Entry& e : m_table) {
    if (e.innerId == innerId) {
      e.handler = std::move(handler);
      return;
    }
  }
  m_table.push_back(Entry{innerId, std::move(handler)});
}

const CShardManager::Entry* CShardManager::Find(uint16_t innerId) const {
  for (const Entry& e : m_table) {
    if (e.innerId == innerId) return &e;
  }
  return nullptr;
}

bool CShardManager::Serve(CMsg* request, ShardReply* reply) const {
  RelayHead head;
  try {
    head = ReadRelayHead(request);
  } catch (const CMsgException&) {
    m_log->Note("^2relay request 0x%04X without its relay head (%u payload bytes); no answer", kMsgRelay,
                static_cast<unsigned>(PayloadSize(request)));
    return false;
  }
  const KDServiceRecord* service = m_directory ? m_directory->FindService(head.serviceId) : nullptr;
  if (!service) {
    m_log->Note("^2relay to manager service %u: the directory has no such service; no answer", head.serviceId);
    return false;
  }
  if (!IsRunning(service->state)) {
    m_log->Note("^2relay to manager service %u: service is not running (state %u); no answer", head.serviceId,
                static_cast<unsigned>(service->state));
    return false;
  }

  reply->relayAnswer = std::make_unique<CMsg>();
  reply->relayAnswer->Init(kMsgRelayAnswer);
  WriteRelayHead(reply->relayAnswer.get(), head);

  const Entry* entry = Find(head.innerId);
  if (!entry) {
    m_log->Note("^3manager service %u: no simulated server answers inner request 0x%04X", head.serviceId,
                head.innerId);
    return true;
  }
  auto answer = std::make_unique<MassiveMsgBuilder>(AnswerIdOf(head.innerId));
  if (entry->handler(request, head, answer.get())) reply->answer = std::move(answer);
  return true;
}
