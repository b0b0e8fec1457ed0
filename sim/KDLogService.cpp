#include "KDLogService.h"

#include <cctype>

#include "msg/MsgException.h"

namespace {

std::string ReadString(CMsg* msg) {
  uint8_t len[2];
  ReadBytes(msg, len, 2);
  std::string s(static_cast<size_t>(len[0] | (len[1] << 8)), '\0');
  if (!s.empty()) ReadBytes(msg, &s[0], static_cast<uint16_t>(s.size()));
  return s;
}

bool SameUser(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x < 0x80 && y < 0x80 && tolower(x) != tolower(y)) return false;
    if ((x >= 0x80 || y >= 0x80) && x != y) return false;
  }
  return true;
}

}  // namespace

bool ReadKDLogQuery(CMsg* request, KDLogQuery* query) {
  try {
    query->user = ReadString(request);
    ReadBytes(request, &query->category, 1);
    query->begin = ReadString(request);
    query->end = ReadString(request);
  } catch (const CMsgException&) {
    return false;
  }
  return Remaining(request) == 0;
}

size_t CKDLogService::Answer(const KDLogQuery& query, MassiveMsgBuilder* out) const {
  KDLogTime begin, end;
  if (!ParseKDLogTime(query.begin.c_str(), &begin) || !ParseKDLogTime(query.end.c_str(), &end)) {
    out->AppendU8(kKDLogResultFailed);
    out->AppendU8(0);
    return 0;
  }
  out->AppendU8(kKDLogResultOk);
  const int64_t from = KDLogTimeKey(begin), to = KDLogTimeKey(end);
  size_t sent = 0;
  uint8_t record[kKDLogRecordSize];
  for (const KDLogEntry& e : m_entries) {
    if (sent == kKDLogAnswerLimit) break;
    // The page sends its category choice with a user name too; the name decides then.
    if (!query.user.empty()) {
      if (!SameUser(query.user, e.user)) continue;
    } else if (query.category != 0 && query.category != e.category) {
      continue;
    }
    int64_t key = KDLogTimeKey(e.time);
    if (key < from || key > to) continue;
    EncodeKDLogRecord(e, record);
    out->AppendU8(1);
    out->Append(record, sizeof record);
    ++sent;
  }
  out->AppendU8(0);
  return sent;
}
