#include "opslog/SiegeLogSession.h"

#include "base/LogOutput.h"
#include "msg/Console.h"

namespace {
const char kBlocked[] = "blocked. wait for response";
}

void SiegeLogSession::Query(const SiegeLogQueryInput& input) {
  m_endText = input.endText;
  m_category = static_cast<uint8_t>(input.categoryData);
  if (Waiting()) {
    LogOutput(kLogRefusal, "%s", kBlocked);
    return;
  }
  Send(input.shardData, input.fortressData, input.beginText, input.endText);
}

RequestOutcome SiegeLogSession::QueryMore(uint32_t shardData, uint32_t fortressData) {
  if (Waiting()) {
    LogOutput(kLogRefusal, "%s", kBlocked);
    return RequestOutcome::kRefused;
  }
  return Send(shardData, fortressData, m_nextBegin, m_endText);
}

RequestOutcome SiegeLogSession::Send(uint32_t shardData, uint32_t fortressData, const std::string& begin,
                                     const std::string& end) {
  uint16_t shardId = static_cast<uint16_t>(shardData);
  uint16_t fortress = static_cast<uint16_t>(fortressData);
  if (shardId == 0 || fortress == 0) {
    LogOutput(kLogRefusal, "please type siege fortress name or select shard");
    return RequestOutcome::kRefused;
  }
  // A request the directory cannot address would never be answered, and the page
  // would wait for good.
  const KDShardRecord* shard = FindShardRecord(shardId);
  if (!shard) {
    LogOutput(kLogMissingEntry, "Not found Shard[%d]", shardId);
    return RequestOutcome::kRefused;
  }
  SiegeLogRequest request;
  request.serviceId = shard->managerServiceId;
  request.fortress = fortress;
  request.category = m_category;
  request.begin = begin;
  request.end = end;
  if (!SiegeLogRequestFits(request)) {
    LogOutput(kLogDataError, "^2query SiegeLog not sent: too long for one request");
    return RequestOutcome::kTooLong;
  }
  if (!SendSiegeLogRequest(request)) {
    LogOutput(kLogDataError, "^2query SiegeLog not sent: no console messenger");
    return RequestOutcome::kRefused;
  }
  m_waiting = 1;
  return RequestOutcome::kSent;
}

SiegeLogAnswer SiegeLogSession::OnAnswer(CMassiveMsg* massive) {
  m_waiting = 0;
  SiegeLogAnswer answer = ReadSiegeLogAnswer(massive);
  if (answer.hasCursor) m_nextBegin = answer.nextBegin;
  ReportSiegeLogAnswer(answer);
  return answer;
}
