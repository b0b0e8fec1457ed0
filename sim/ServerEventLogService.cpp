#include "ServerEventLogService.h"

#include <vector>

#include "KDLogRecords.h"
#include "LogCursor.h"
#include "SimTextFile.h"
#include "base/ByteOrder.h"
#include "base/Format.h"
#include "opslog/ServerEventLogAnswer.h"

namespace {

const uint8_t kResultOk = 0;
const uint8_t kCategoryAll = 255;

// The category (0-2) of a log type, or -1 for a type in none.
int LogTypeCategory(uint8_t logType) {
  switch (logType) {
    case 1:
    case 2:
      return 0;
    case 3:
      return 1;
    case 4:
      return 2;
    default:
      return -1;
  }
}

bool ServerEventLogEntries(const std::vector<SampleLogLine>& lines, std::vector<ServerEventLogEntry>* entries,
                           std::string* error) {
  entries->clear();
  uint32_t lastId = 0;
  int64_t lastTime = INT64_MIN;
  for (const SampleLogLine& line : lines) {
    const char* why = nullptr;
    int64_t key = KDLogTimeKey(line.time);
    if (line.first <= lastId) why = "log ids do not rise";
    else if (key < lastTime) why = "times do not rise with the log ids";
    else if (line.second > 255) why = "server event id is not a number from 0 to 255";
    else if (line.third > 255) why = "log type is not a number from 0 to 255";
    if (why) {
      *error = FormatString(kLineChars, "line %d: %s", line.number, why);
      return false;
    }
    lastId = line.first;
    lastTime = key;
    ServerEventLogEntry e;
    e.shardId = line.shardId;
    e.row.logId = line.first;
    e.row.time = line.time;
    e.row.serverEventId = static_cast<uint8_t>(line.second);
    e.row.logType = static_cast<uint8_t>(line.third);
    e.row.description = line.text;
    entries->push_back(e);
  }
  return true;
}

}  // namespace

bool ParseServerEventLog(const std::string& text, std::vector<ServerEventLogEntry>* entries, std::string* error) {
  std::vector<SampleLogLine> lines;
  return ParseSampleLogLines(text, &lines, error) && ServerEventLogEntries(lines, entries, error);
}

bool LoadServerEventLog(const char* path, std::vector<ServerEventLogEntry>* entries, std::string* error) {
  return LoadSimTextFile(path, entries, error, ParseServerEventLog);
}

CServerEventLogService::CServerEventLogService(std::vector<ServerEventLogEntry> entries, const SimConfig& config)
    : m_entries(std::move(entries)) {
  for (const SimShard& s : config.shards) m_shards[s.managerServiceId] = s.id;
}

int CServerEventLogService::Answer(uint16_t serviceId, const ServerEventLogRequest& q,
                                   MassiveMsgBuilder* out) const {
  std::vector<uint8_t> bytes;
  ByteWriter w(&bytes);
  int64_t from = 0, to = 0;
  auto shard = m_shards.find(serviceId);
  if (shard == m_shards.end() || !ReadLogBound(q.begin, INT64_MIN, &from, nullptr) ||
      !ReadLogBound(q.end, INT64_MAX, &to, nullptr)) {
    WriteServerEventLogAnswer(w, kServerEventResultFailed, {}, "");
    out->Append(bytes.data(), bytes.size());
    return -1;
  }
  std::vector<ServerEventLogRow> rows;
  for (const ServerEventLogEntry& e : m_entries) {
    int64_t key = KDLogTimeKey(e.row.time);
    if (e.shardId != shard->second || e.row.serverEventId != q.eventId || key < from || key > to) continue;
    if (q.startLog != 0 && e.row.logId <= q.startLog) continue;
    if (q.category != kCategoryAll && LogTypeCategory(e.row.logType) != q.category) continue;
    rows.push_back(e.row);
    if (rows.size() == kServerEventPageRows) break;
  }
  std::string cursor;
  if (!rows.empty()) {
    const LogTime& t = rows.back().time;
    cursor = FormatString(kCaptionChars, "%d-%d-%d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                          t.second);
  }
  WriteServerEventLogAnswer(w, kResultOk, rows, cursor);
  out->Append(bytes.data(), bytes.size());
  return static_cast<int>(rows.size());
}

bool CServerEventLogService::Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out,
                                   CSimLog* log) const {
  ServerEventLogRequest q;
  if (!ReadServerEventLogRequest(request, &q)) {
    log->Note("^2server event log request of manager service %u is malformed; answering failure", head.serviceId);
    std::vector<uint8_t> bytes;
    ByteWriter w(&bytes);
    WriteServerEventLogAnswer(w, kServerEventResultFailed, {}, "");
    out->Append(bytes.data(), bytes.size());
    return true;
  }
  int rows = Answer(head.serviceId, q, out);
  if (rows < 0)
    log->Note("^2server event log service %u: event %u from log %u, category %u, %s .. %s: failed", head.serviceId,
              static_cast<unsigned>(q.eventId), static_cast<unsigned>(q.startLog), q.category, q.begin.c_str(),
              q.end.c_str());
  else
    log->Note("server event log service %u: event %u from log %u, category %u, %s .. %s: %d rows", head.serviceId,
              static_cast<unsigned>(q.eventId), static_cast<unsigned>(q.startLog), q.category, q.begin.c_str(),
              q.end.c_str(), rows);
  return true;
}
