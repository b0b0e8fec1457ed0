#include "opslog/KDLogSession.h"

#include "base/LogOutput.h"

void KDLogSession::Query(const KDLogQueryInput& input) {
  KDLogQueryOutcome outcome = BuildKDLogRequest(input, Waiting());
  if (outcome.refusal) {
    LogOutput(kLogRefusal, "%s", outcome.refusal);
    return;
  }
  if (!SendKDLogRequest(outcome.request)) {
    // Without a console to carry it no answer can come; staying idle keeps Query usable.
    LogOutput(kLogDataError, "^2query KDLog not sent: no console messenger");
    return;
  }
  m_waiting = 1;
}

void KDLogSession::OnAnswer(CMassiveMsg* massive) {
  m_waiting = 0;
  KDLogAnswer answer = ReadKDLogAnswer(massive);
  ReportKDLogAnswer(answer);
  m_records = std::move(answer.records);
}

bool KDLogSession::CopyText(std::string* text) const {
  if (m_records.empty()) {
    LogOutput(kLogRefusal, "there is no data to copy to clipboard");
    return false;
  }
  *text = KDLogCopyText(m_records);
  return true;
}

std::string KDLogSession::RowsCopyText(const std::vector<int>& rows) const {
  std::string text;
  for (int row : rows)
    if (row >= 0 && static_cast<size_t>(row) < m_records.size()) text += KDLogCopyLine(m_records[static_cast<size_t>(row)]);
  return text;
}
