#include "gamelog/GameLogSession.h"

#include "base/LogOutput.h"
#include "gamelog/CharEventText.h"

bool GameLogSession::NewQuery(const GameLogQueryInput& input) {
  GameLogQueryOutcome outcome = BuildGameLogRequest(input);
  if (!outcome.refusal.empty()) {
    LogOutput(kLogRefusal, "%s", outcome.refusal.c_str());
    return false;
  }
  if (!SendGameLogQuery(outcome.request)) return false;
  m_saved = outcome.request;
  m_hasSaved = true;
  m_rowSerials.clear();
  return true;
}

bool GameLogSession::QueryMore(int listRows) {
  // Only a query this page sent names a shard the directory returned.
  if (listRows <= 0 || !m_hasSaved) return false;
  GameLogRequest more = m_saved;
  more.beginTime = m_nextBegin;
  more.itemCodeName.clear();
  more.hasMaxRows = false;
  more.maxRows = 0;
  return SendGameLogQuery(more);
}

GameLogAnswerSteps GameLogSession::OnAnswer(CMassiveMsg* massive) {
  GameLogAnswer answer = ReadGameLogAnswer(massive);
  ReportGameLogFailure(answer);

  GameLogAnswerSteps steps;
  steps.queryKind = answer.queryKind;
  steps.rowCount = answer.rowCount;
  steps.whole = !answer.failed && !answer.cutShort;
  if (answer.queryKind == kGameLogKindSerial) {
    steps.history = HistoryOf(answer);
    if (!answer.itemRows.empty()) steps.lastSerial = answer.itemRows.back().serial;
  } else {
    steps.rows = RowsOf(answer);
  }
  if (answer.hasCursor) m_nextBegin = answer.nextBegin;

  if (!m_historyPending)
    steps.queryMore = !steps.whole || answer.rowCount >= kGameLogPageRows ? ButtonChange::kEnable
                                                                          : ButtonChange::kDisable;
  // A failed or broken answer may be the one a history request waits for: it opens no
  // box, so it must not leave the row menu refusing for good.
  if (!steps.whole) m_historyPending = false;
  return steps;
}

std::vector<ListRow> GameLogSession::RowsOf(const GameLogAnswer& answer) {
  std::vector<ListRow> rows;
  for (const GameLogCharRecord& record : answer.charRows) {
    CharEventCells cells = FormatCharEvent(record, m_refData);
    rows.push_back(ListRow{0, std::vector<std::string>(cells.begin(), cells.end())});
  }
  for (const GameLogItemRecord& record : answer.itemRows) {
    m_rowSerials.push_back(record.serial);
    // An abandoned line comes back with nine empty texts: its row stays empty.
    ItemEventCells cells = FormatItemEvent(record, m_refData);
    rows.push_back(ListRow{static_cast<uint32_t>(m_rowSerials.size()),
                           std::vector<std::string>(cells.begin(), cells.end())});
  }
  return rows;
}

std::vector<SerialHistoryEntry> GameLogSession::HistoryOf(const GameLogAnswer& answer) const {
  // A fresh entry for every row, so that an abandoned line (no texts) shows as an empty
  // line of its serial rather than as the line before it once more.
  std::vector<SerialHistoryEntry> history;
  for (const GameLogItemRecord& record : answer.itemRows)
    history.push_back(MakeSerialHistoryEntry(FormatItemEvent(record, m_refData), record.serial));
  return history;
}

GameLogColumnSteps GameLogSession::SetupColumns(uint8_t kind) {
  GameLogColumnSteps steps;
  if (kind == kGameLogKindSerial) return steps;
  steps.deleteRows = true;
  if (m_columnKind == kind) return steps;
  steps.replaceColumns = true;
  steps.columns = GameLogColumnsOf(kind);
  m_columnKind = kind;
  m_columns = steps.columns;
  return steps;
}

bool GameLogSession::SerialOfRow(uint32_t itemData, int64_t* serial) const {
  if (itemData == 0 || itemData > m_rowSerials.size()) return false;
  *serial = m_rowSerials[itemData - 1];
  return true;
}

bool GameLogSession::RequestHistory(int64_t serial, const KDShardRecord* shard, const std::string& beginText,
                                    const std::string& endText) {
  if (serial == 0) {
    LogOutput(kLogRefusal, "Serial Number is ZERO");
    return false;
  }
  if (m_historyPending) {
    LogOutput(kLogResult, "KDC already request serial history.");
    return false;
  }
  if (!shard) return false;
  if (!SendGameLogQuery(SerialHistoryRequest(shard->managerServiceId, serial, beginText, endText, kSerialRowsMenu)))
    return false;
  m_historyPending = true;
  return true;
}

bool GameLogSession::OpensHistory(const GameLogAnswerSteps& steps) {
  if (steps.rowCount > 0) return true;
  LogOutput(kLogResult, "There are no Item History");
  m_historyPending = false;
  return false;
}

void GameLogSession::ClearGameLog() {
  m_rowSerials.clear();
  m_refData.ClearTexts();
}
