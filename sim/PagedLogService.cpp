#include "PagedLogService.h"

#include <iterator>
#include <string>

#include "LogCursor.h"
#include "LogTimeKey.h"
#include "base/Format.h"
#include "opslog/RelayLogAnswer.h"
#include "opslog/RelayLogChoices.h"

namespace {

const uint8_t kResultOk = 0;

const CodeRange kSiegeCategoryCodes[] = {
    {1, 2, 0},   {3, 3, 1},   {4, 4, 2},   {5, 8, 3},   {9, 9, 4},
    {16, 16, 4}, {17, 19, 5}, {20, 22, 6}, {23, 24, 7},
};
const CodeRange kServerEventCategoryCodes[] = {{1, 2, 0}, {3, 3, 1}, {4, 4, 2}};

// The category of a row, or -1 for a row in none.
template <class Row>
int CategoryOf(const PagedLogServing<Row>& serving, const Row& row) {
  uint8_t code = serving.code(row);
  for (size_t i = 0; i < serving.categoryCount; ++i) {
    const CodeRange& c = serving.categories[i];
    if (code >= c.first && code <= c.last) return c.category;
  }
  return -1;
}

}  // namespace

const PagedLogServing<SiegeLogRow> kSiegeLogServing = {
    &kSiegeLog, "siege log", "fortress",
    [](const SiegeLogRow& r) { return r.data1; },
    [](const SiegeLogRow& r) { return r.eventCode; },
    kSiegeCategoryCodes, std::size(kSiegeCategoryCodes), kSiegeLogCategoryAll, true,
};

const PagedLogServing<ServerEventLogRow> kServerEventLogServing = {
    &kServerEventLog, "server event log", "event",
    [](const ServerEventLogRow& r) { return static_cast<uint32_t>(r.serverEventId); },
    [](const ServerEventLogRow& r) { return r.logType; },
    kServerEventCategoryCodes, std::size(kServerEventCategoryCodes), 255, false,
};

template <class Row>
CPagedLogService<Row>::CPagedLogService(const PagedLogServing<Row>& serving, std::vector<PagedLogEntry<Row>> entries,
                                        const SimConfig& config)
    : m_serving(serving), m_entries(std::move(entries)) {
  for (const SimShard& s : config.shards) m_shards[s.managerServiceId] = s.id;
}

template <class Row>
int CPagedLogService<Row>::Answer(uint16_t serviceId, const RelayLogRequest& q, MassiveMsgBuilder* out) const {
  ByteWriter w = out->Writer();
  int64_t from = 0, to = 0;
  size_t place = 0;
  auto shard = m_shards.find(serviceId);
  if (shard == m_shards.end() || !ReadLogBound(q.begin, INT64_MIN, &from, m_serving.placeCursor ? &place : nullptr) ||
      !ReadLogBound(q.end, INT64_MAX, &to, nullptr)) {
    WriteRelayLogAnswer<Row>(w, *m_serving.kind, kLogAnswerFailed, {}, "");
    return -1;
  }
  std::vector<Row> rows;
  size_t next = m_entries.size();
  for (size_t i = place; i < m_entries.size(); ++i) {
    const PagedLogEntry<Row>& e = m_entries[i];
    int64_t key = LogTimeKey(e.row.time);
    if (e.shardId != shard->second || m_serving.target(e.row) != q.target || key < from || key > to) continue;
    if (q.startLog != 0 && e.row.PagingId() <= q.startLog) continue;
    if (q.category != m_serving.categoryAll && CategoryOf(m_serving, e.row) != q.category) continue;
    if (rows.size() == kRelayLogPageRows) {
      next = i;
      break;
    }
    rows.push_back(e.row);
  }
  std::string cursor;
  if (!rows.empty() && m_serving.placeCursor) {
    cursor = LogCursorText(next < m_entries.size() ? m_entries[next].row.time : rows.back().time, next);
  } else if (!rows.empty()) {
    const LogTime& t = rows.back().time;
    cursor = FormatString(kCaptionChars, "%d-%d-%d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                          t.second);
  }
  WriteRelayLogAnswer(w, *m_serving.kind, kResultOk, rows, cursor);
  return static_cast<int>(rows.size());
}

template <class Row>
bool CPagedLogService<Row>::Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const {
  RelayLogRequest q;
  if (!ReadRelayLogRequest(request, *m_serving.kind, &q)) {
    log->Note("^2%s request of manager service %u is malformed; answering failure", m_serving.name, head.serviceId);
    ByteWriter w = out->Writer();
    WriteRelayLogAnswer<Row>(w, *m_serving.kind, kLogAnswerFailed, {}, "");
    return true;
  }
  std::string asked = FormatString(kLineChars, "%s %u", m_serving.targetName, static_cast<unsigned>(q.target));
  if (m_serving.kind->startLogField)
    asked += FormatString(kLineChars, " from log %u", static_cast<unsigned>(q.startLog));
  int rows = Answer(head.serviceId, q, out);
  if (rows < 0)
    log->Note("^2%s service %u: %s, category %u, %s .. %s: failed", m_serving.name, head.serviceId, asked.c_str(),
              q.category, q.begin.c_str(), q.end.c_str());
  else
    log->Note("%s service %u: %s, category %u, %s .. %s: %d rows", m_serving.name, head.serviceId, asked.c_str(),
              q.category, q.begin.c_str(), q.end.c_str(), rows);
  return true;
}

template class CPagedLogService<SiegeLogRow>;
template class CPagedLogService<ServerEventLogRow>;
