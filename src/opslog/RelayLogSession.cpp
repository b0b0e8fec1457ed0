#include "opslog/RelayLogSession.h"

#include "base/LogOutput.h"
#include "base/TickCount.h"
#include "msg/Console.h"
#include "opslog/RelayLogRequest.h"

namespace {
// Service states that count as running.
const uint32_t kServiceRunning = 4, kServiceRunningToo = 5;
}  // namespace

uint32_t RelayLogWaitLeft(uint32_t sentTick, uint32_t now, uint32_t waitMs) {
  uint32_t elapsed = now - sentTick;
  return elapsed < waitMs ? waitMs - elapsed : 0;
}

bool RelayLogSession::RefuseWhileWaiting() {
  if (!Waiting()) return false;
  if (m_kind.waitMs == 0) {
    LogOutput(kLogRefusal, "blocked. wait for response");
    return true;
  }
  uint32_t left = RelayLogWaitLeft(m_sentTick, TickCount(), m_kind.waitMs);
  if (left > 0) {
    LogOutput(kLogRefusal, "blocked. wait for response or timeout[%d]", static_cast<int>(left));
    return true;
  }
  m_waiting = 0;
  return false;
}

void RelayLogSession::KeepTarget(uint32_t shardData, uint32_t targetData) {
  // Only the low 16 bits of the item data name the shard and the target.
  m_shardId = static_cast<uint16_t>(shardData);
  m_targetId = static_cast<uint16_t>(targetData);
}

void RelayLogSession::Query(const RelayLogQueryInput& input) {
  m_endText = input.endText;
  m_category = static_cast<uint8_t>(input.categoryData);
  if (RefuseWhileWaiting()) return;
  KeepTarget(input.shardData, input.targetData);
  Send(0, input.beginText, input.endText);
}

RequestOutcome RelayLogSession::QueryMore(uint32_t shardData, uint32_t targetData) {
  if (RefuseWhileWaiting()) return RequestOutcome::kRefused;
  if (m_kind.queryMoreReselects) KeepTarget(shardData, targetData);
  return Send(m_nextLogId, m_nextBegin, m_endText);
}

bool RelayLogSession::FindManagerService(uint16_t* serviceId) const {
  // A request the directory cannot address would never be answered, and the page
  // would wait for good.
  const KDShardRecord* shard = FindShardRecord(m_shardId);
  const KDServiceRecord* service = nullptr;
  if (shard && m_kind.checksService) service = Console().directory->FindService(shard->managerServiceId);
  if (!shard || (m_kind.checksService && !service)) {
    LogOutput(kLogMissingEntry, "Not found Shard[%d]", m_shardId);
    return false;
  }
  if (service && service->state != kServiceRunning && service->state != kServiceRunningToo) {
    LogOutput(kLogRefusal, "plz launch Realmwarden[%d]", service->id);
    return false;
  }
  *serviceId = shard->managerServiceId;
  return true;
}

RequestOutcome RelayLogSession::Send(uint32_t startLog, const std::string& begin, const std::string& end) {
  if (m_shardId == 0 || m_targetId == 0) {
    LogOutput(kLogRefusal, "%s", m_kind.noTarget);
    return RequestOutcome::kRefused;
  }
  RelayLogRequest request;
  if (!FindManagerService(&request.serviceId)) return RequestOutcome::kRefused;
  request.kind = &m_kind;
  request.startLog = startLog;
  request.target = m_targetId;
  request.category = m_category;
  request.begin = begin;
  request.end = end;
  if (!RelayLogRequestFits(request)) {
    LogOutput(kLogDataError, "%s", m_kind.tooLong);
    return RequestOutcome::kTooLong;
  }
  if (!SendRelayLogRequest(request)) {
    LogOutput(kLogDataError, "%s", m_kind.noMessenger);
    return RequestOutcome::kRefused;
  }
  m_waiting = 1;
  m_sentTick = TickCount();
  return RequestOutcome::kSent;
}

void RelayLogSession::TakeAnswer(const RelayLogHead& head, size_t rowsKept, uint32_t nextLogId) {
  m_waiting = 0;
  if (head.hasCursor) {
    m_nextLogId = nextLogId;
    m_nextBegin = head.nextBegin;
  }
  ReportRelayLogAnswer(m_kind, head, rowsKept);
}
