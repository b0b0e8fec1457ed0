#include "SiegeLogService.h"

#include <vector>

#include "KDLogRecords.h"
#include "LogCursor.h"
#include "SimTextFile.h"
#include "base/ByteOrder.h"
#include "base/Format.h"
#include "opslog/SiegeLogAnswer.h"

namespace {

const uint8_t kResultOk = 0;

struct CategoryRange {
  uint8_t first, last;
  int category;
};
// Which event codes each category holds.
const CategoryRange kCategories[] = {
    {1, 2, 0},   {3, 3, 1},   {4, 4, 2},   {5, 8, 3},   {9, 9, 4},
    {16, 16, 4}, {17, 19, 5}, {20, 22, 6}, {23, 24, 7},
};

bool SiegeLogEntries(const std::vector<SampleLogLine>& lines, std::vector<SiegeLogEntry>* entries,
                     std::string* error) {
  entries->clear();
  int64_t last = INT64_MIN;
  for (const SampleLogLine& line : lines) {
    const char* why = nullptr;
    int64_t key = KDLogTimeKey(line.time);
    if (line.first == 0 || line.first > 0xFFFF) why = "fortress is not a number from 1 to 65535";
    else if (line.second > 255) why = "event code is not a number from 0 to 255";
    else if (key < last) why = "records are not in the order of their times";
    if (why) {
      *error = FormatString(kLineChars, "line %d: %s", line.number, why);
      return false;
    }
    last = key;
    SiegeLogEntry e;
    e.shardId = line.shardId;
    e.row.head = static_cast<uint32_t>(entries->size());
    e.row.time = line.time;
    e.row.eventCode = static_cast<uint8_t>(line.second);
    e.row.data1 = line.first;
    e.row.data2 = line.third;
    e.row.text = line.text;
    entries->push_back(e);
  }
  return true;
}

}  // namespace

int SiegeEventCategory(uint8_t eventCode) {
  for (const CategoryRange& c : kCategories)
    if (eventCode >= c.first && eventCode <= c.last) return c.category;
  return -1;
}

bool ParseSiegeLog(const std::string& text, std::vector<SiegeLogEntry>* entries, std::string* error) {
  std::vector<SampleLogLine> lines;
  return ParseSampleLogLines(text, &lines, error) && SiegeLogEntries(lines, entries, error);
}

bool LoadSiegeLog(const char* path, std::vector<SiegeLogEntry>* entries, std::string* error) {
  return LoadSimTextFile(path, entries, error, ParseSiegeLog);
}

CSiegeLogService::CSiegeLogService(std::vector<SiegeLogEntry> entries, const SimConfig& config)
    : m_entries(std::move(entries)) {
  for (const SimShard& s : config.shards) m_shards[s.managerServiceId] = s.id;
}

int CSiegeLogService::Answer(uint16_t serviceId, const SiegeLogRequest& q, MassiveMsgBuilder* out) const {
  std::vector<uint8_t> bytes;
  ByteWriter w(&bytes);
  int64_t from = 0, to = 0;
  size_t place = 0;
  auto shard = m_shards.find(serviceId);
  if (shard == m_shards.end() || !ReadLogBound(q.begin, INT64_MIN, &from, &place) ||
      !ReadLogBound(q.end, INT64_MAX, &to, nullptr)) {
    WriteSiegeLogAnswer(w, kSiegeLogResultFailed, {}, "");
    out->Append(bytes.data(), bytes.size());
    return -1;
  }
  std::vector<SiegeLogRow> rows;
  size_t next = m_entries.size();
  for (size_t i = place; i < m_entries.size(); ++i) {
    const SiegeLogEntry& e = m_entries[i];
    int64_t key = KDLogTimeKey(e.row.time);
    if (e.shardId != shard->second || e.row.data1 != q.fortress || key < from || key > to) continue;
    if (q.category != kSiegeLogCategoryAll && SiegeEventCategory(e.row.eventCode) != q.category) continue;
    if (rows.size() == kSiegeLogPageRows) {
      next = i;
      break;
    }
    rows.push_back(e.row);
  }
  std::string cursor;
  if (!rows.empty())
    cursor = LogCursorText(next < m_entries.size() ? m_entries[next].row.time : rows.back().time, next);
  WriteSiegeLogAnswer(w, kResultOk, rows, cursor);
  out->Append(bytes.data(), bytes.size());
  return static_cast<int>(rows.size());
}

bool CSiegeLogService::Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const {
  SiegeLogRequest q;
  if (!ReadSiegeLogRequest(request, &q)) {
    log->Note("^2siege log request of manager service %u is malformed; answering failure", head.serviceId);
    std::vector<uint8_t> bytes;
    ByteWriter w(&bytes);
    WriteSiegeLogAnswer(w, kSiegeLogResultFailed, {}, "");
    out->Append(bytes.data(), bytes.size());
    return true;
  }
  int rows = Answer(head.serviceId, q, out);
  if (rows < 0)
    log->Note("^2siege log service %u: fortress %u, category %u, %s .. %s: failed", head.serviceId,
              static_cast<unsigned>(q.fortress), q.category, q.begin.c_str(), q.end.c_str());
  else
    log->Note("siege log service %u: fortress %u, category %u, %s .. %s: %d rows", head.serviceId,
              static_cast<unsigned>(q.fortress), q.category, q.begin.c_str(), q.end.c_str(), rows);
  return true;
}
