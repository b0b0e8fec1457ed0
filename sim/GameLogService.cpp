#include "GameLogService.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "LogCursor.h"
#include "LogTimeKey.h"
#include "base/ByteOrder.h"
#include "base/Format.h"
#include "gamelog/GameLogAnswer.h"
#include "gamelog/GameLogKinds.h"

namespace {

const char kConsoleName[] = "KDC";
enum : uint8_t { kOptionAll = 255 };

// Which events (kind 1) or operations (kind 2) a query option takes.
struct Family {
  uint8_t kind;
  uint8_t option;
  uint8_t first, last;
};
const Family kFamilies[] = {
    {1, 0, 1, 3},      {1, 0, 7, 7},       {1, 1, 4, 6},       {1, 1, 9, 9},       {1, 2, 19, 21},
    {1, 3, 22, 25},    {1, 3, 114, 115},   {1, 4, 11, 11},     {1, 4, 100, 101},   {1, 4, 210, 219},
    {1, 6, 90, 98},    {1, 7, 60, 85},     {1, 7, 230, 230},   {1, 8, 26, 29},     {1, 13, 102, 113},
    {1, 14, 231, 237}, {1, 9, 199, 199},   {1, 18, 240, 240},
    {2, 0, 10, 16},    {2, 23, 146, 147},  {2, 1, 30, 31},     {2, 1, 34, 34},     {2, 2, 32, 33},
    {2, 2, 35, 41},    {2, 3, 70, 78},     {2, 13, 141, 144},  {2, 4, 50, 60},     {2, 5, 22, 23},
    {2, 5, 80, 80},    {2, 6, 20, 21},     {2, 7, 114, 116},   {2, 8, 90, 91},     {2, 8, 130, 139},
    {2, 8, 160, 160},  {2, 9, 100, 104},   {2, 9, 111, 111},   {2, 9, 145, 145},   {2, 17, 99, 99},
    {2, 12, 117, 120}, {2, 18, 112, 113},  {2, 19, 110, 110},  {2, 19, 121, 123},  {2, 20, 42, 42},
    {2, 24, 125, 127}, {2, 25, 148, 148},  {2, 25, 151, 153},  {2, 26, 159, 159},
};

bool InFamily(uint8_t kind, uint8_t option, uint8_t code) {
  for (const Family& f : kFamilies) {
    if (f.kind == kind && f.option == option && code >= f.first && code <= f.last) return true;
  }
  return false;
}

bool IsQuestEvent(uint8_t event) { return event >= 200 && event <= 204; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool ReadSerial(const std::string& text, int64_t* serial) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  char* end = nullptr;
  long long v = strtoll(text.c_str(), &end, 10);
  if (errno || *end) return false;
  *serial = v;
  return true;
}

}  // namespace

CGameLogService::CGameLogService(std::vector<GameLogEntry> entries, const SimConfig& config)
    : m_entries(std::move(entries)) {
  for (const SimShard& s : config.shards) m_shards[s.managerServiceId] = s.id;
}

int CGameLogService::Answer(uint16_t serviceId, const GameLogRequest& q, MassiveMsgBuilder* out,
                            uint8_t* errorCode) const {
  auto fail = [&](uint8_t code) {
    out->AppendU8(kLogAnswerFailed);
    out->AppendU8(code);
    *errorCode = code;
    return -1;
  };
  auto shard = m_shards.find(serviceId);
  if (shard == m_shards.end()) return fail(kGameLogErrorNoTarget);
  if (q.kind < kGameLogKindChar || q.kind > kGameLogKindSerial) return fail(kGameLogErrorInvalidOperation);

  int64_t from = 0, to = 0, serial = 0;
  size_t place = 0;
  if (!ReadLogBound(q.beginTime, INT64_MIN, &from, &place) || !ReadLogBound(q.endTime, INT64_MAX, &to, nullptr))
    return fail(kGameLogErrorInvalidRequest);
  const bool bySerial = q.kind == kGameLogKindSerial;
  const bool byCodeName = q.kind == kGameLogKindItem && q.option == kItemOptionByCodeName;
  if (bySerial && !ReadSerial(q.itemCodeName, &serial)) return fail(kGameLogErrorInvalidRequest);
  if (byCodeName && q.itemCodeName.empty()) return fail(kGameLogErrorInvalidRequest);
  const bool everyone = bySerial || q.charName == kConsoleName;
  if (!everyone) {
    bool known = false;
    for (const GameLogEntry& e : m_entries)
      known = known || (e.shardId == shard->second && SameName(e.character, q.charName));
    if (!known) return fail(kGameLogErrorNoCharacter);
  }

  size_t limit = kGameLogPageRows;
  if (bySerial && q.hasMaxRows) limit = q.maxRows == 0 ? m_entries.size() : q.maxRows;
  if (limit > 0xFFFF) limit = 0xFFFF;  // the row count is 16 bits
  std::vector<size_t> rows;
  size_t next = m_entries.size();
  for (size_t i = place; i < m_entries.size(); ++i) {
    const GameLogEntry& e = m_entries[i];
    int64_t key = LogTimeKey(TimeOf(e));
    if (e.shardId != shard->second || key < from || key > to) continue;
    if (!everyone && !SameName(e.character, q.charName)) continue;
    bool wanted = false;
    if (bySerial) {
      wanted = e.isItem && e.itemRecord.serial == serial;
    } else if (q.kind == kGameLogKindItem) {
      wanted = e.isItem && (byCodeName ? SameName(e.codeName, q.itemCodeName)
                                       : q.option == kOptionAll || InFamily(2, q.option, e.itemRecord.operation));
    } else {
      uint8_t event = e.charRecord.eventId;
      bool quest = IsQuestEvent(event);
      wanted = !e.isItem && (q.kind == kGameLogKindQuest
                                 ? quest
                                 : !quest && (q.option == kOptionAll || InFamily(1, q.option, event)));
    }
    if (!wanted) continue;
    if (rows.size() == limit) {
      next = i;
      break;
    }
    rows.push_back(i);
  }

  out->AppendU8(1);
  out->AppendU8(q.kind);
  out->AppendU8(0);
  out->AppendU16(static_cast<uint16_t>(rows.size()));
  std::vector<uint8_t> bytes;
  ByteWriter w(&bytes);
  for (size_t i : rows) {
    if (m_entries[i].isItem)
      WriteLogRow(w, m_entries[i].itemRecord);
    else
      WriteLogRow(w, m_entries[i].charRecord);
  }
  if (!rows.empty()) {
    // The cursor of the last page names the end of the log: "Query More" finds nothing.
    const LogTime& t = next < m_entries.size() ? TimeOf(m_entries[next]) : TimeOf(m_entries[rows.back()]);
    w.String(LogCursorText(t, next));
  }
  out->Append(bytes.data(), bytes.size());
  return static_cast<int>(rows.size());
}

bool CGameLogService::Serve(CMsg* request, const RelayHead& head, MassiveMsgBuilder* out, CSimLog* log) const {
  GameLogRequest q;
  if (!ReadGameLogRequest(request, &q)) {
    log->Note("^2game log request of manager service %u is malformed; answering error %u", head.serviceId,
              kGameLogErrorInvalidRequest);
    out->AppendU8(kLogAnswerFailed);
    out->AppendU8(kGameLogErrorInvalidRequest);
    return true;
  }
  uint8_t error = 0;
  int rows = Answer(head.serviceId, q, out, &error);
  char limit[32] = "";
  if (q.hasMaxRows) FormatBounded(limit, sizeof limit, ", max %u", static_cast<unsigned>(q.maxRows));
  if (rows < 0)
    log->Note("game log service %u: kind %u option %u \"%s\" code \"%s\" %s .. %s%s: error %u", head.serviceId,
              q.kind, q.option, q.charName.c_str(), q.itemCodeName.c_str(), q.beginTime.c_str(), q.endTime.c_str(),
              limit, error);
  else
    log->Note("game log service %u: kind %u option %u \"%s\" code \"%s\" %s .. %s%s: %d rows", head.serviceId,
              q.kind, q.option, q.charName.c_str(), q.itemCodeName.c_str(), q.beginTime.c_str(), q.endTime.c_str(),
              limit, rows);
  return true;
}
