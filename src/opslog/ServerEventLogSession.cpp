#include "opslog/ServerEventLogSession.h"

#include "base/LogOutput.h"
#include "base/TickCount.h"
#include "msg/Console.h"

namespace {
const char kNoShardOrEvent[] = "please type Server Event Name or select shard";
// Service states that count as running.
const uint32_t kServiceRunning = 4, kServiceRunningToo = 5;
}  // namespace

uint32_t ServerEventWaitLeft(uint32_t sentTick, uint32_t now) {
  uint32_t elapsed = now - sentTick;
  return elapsed < kServerEventWaitMs ? kServerEventWaitMs - elapsed : 0;
}

bool ServerEventLogSession::RefuseWhileWaiting() {
  if (!Waiting()) return false;
  uint32_t left = ServerEventWaitLeft(m_sentTick, TickCount());
  if (left > 0) {
    LogOutput(kLogRefusal, "blocked. wait for response or timeout[%d]", static_cast<int>(left));
    return true;
  }
  m_waiting = 0;
  return false;
}

void ServerEventLogSession::Query(const ServerEventQueryInput& input) {
  m_endText = input.endText;
  m_category = static_cast<uint8_t>(input.categoryData);
  if (RefuseWhileWaiting()) return;
  m_shardId = static_cast<uint16_t>(input.shardData);
  m_eventId = static_cast<uint16_t>(input.eventData);
  if (m_shardId == 0 || m_eventId == 0) {
    LogOutput(kLogRefusal, "%s", kNoShardOrEvent);
    return;
  }
  Send(0, input.beginText, input.endText);
}

RequestOutcome ServerEventLogSession::QueryMore() {
  if (RefuseWhileWaiting()) return RequestOutcome::kRefused;
  if (m_shardId == 0 || m_eventId == 0) {
    LogOutput(kLogRefusal, "%s", kNoShardOrEvent);
    return RequestOutcome::kRefused;
  }
  return Send(m_nextLogId, m_nextBegin, m_endText);
}

bool ServerEventLogSession::CheckManagerService(uint16_t* serviceId) const {
  const KDShardRecord* shard = FindShardRecord(m_shardId);
  const KDServiceRecord* service = shard ? Console().directory->FindService(shard->managerServiceId) : nullptr;
  if (!service) {
    LogOutput(kLogMissingEntry, "Not found Shard[%d]", m_shardId);
    return false;
  }
  if (service->state != kServiceRunning && service->state != kServiceRunningToo) {
    LogOutput(kLogRefusal, "plz launch Realmwarden[%d]", service->id);
    return false;
  }
  *serviceId = shard->managerServiceId;
  return true;
}

RequestOutcome ServerEventLogSession::Send(uint32_t startLog, const std::string& begin, const std::string& end) {
  uint16_t serviceId = 0;
  if (!CheckManagerService(&serviceId)) return RequestOutcome::kRefused;
  ServerEventLogRequest request;
  request.serviceId = serviceId;
  request.startLog = startLog;
  request.eventId = m_eventId;
  request.category = m_category;
  request.begin = begin;
  request.end = end;
  if (!ServerEventLogRequestFits(request)) {
    LogOutput(kLogDataError, "^2query ServerEventLog not sent: too long for one request");
    return RequestOutcome::kTooLong;
  }
  if (!SendServerEventLogRequest(request)) {
    LogOutput(kLogDataError, "^2query ServerEventLog not sent: no console messenger");
    return RequestOutcome::kRefused;
  }
  m_waiting = 1;
  m_sentTick = TickCount();
  return RequestOutcome::kSent;
}

ServerEventLogAnswer ServerEventLogSession::OnAnswer(CMassiveMsg* massive) {
  m_waiting = 0;
  ServerEventLogAnswer answer = ReadServerEventLogAnswer(massive);
  if (answer.hasCursor) {
    m_nextLogId = answer.nextLogId;
    m_nextBegin = answer.nextBegin;
  }
  ReportServerEventLogAnswer(answer);
  return answer;
}
