#include "KDLogService.h"

#include <cctype>

#include "LogTimeKey.h"
#include "opslog/KDLogAnswer.h"

namespace {

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

size_t CKDLogService::Answer(const KDLogRequest& query, MassiveMsgBuilder* out) const {
  ByteWriter writer = out->Writer();
  LogTime begin, end;
  if (!ParseLogTime(query.beginTime.c_str(), &begin) || !ParseLogTime(query.endTime.c_str(), &end)) {
    WriteKDLogAnswer(writer, kLogAnswerFailed, {});
    return 0;
  }
  const int64_t from = LogTimeKey(begin), to = LogTimeKey(end);
  std::vector<KDLogRecord> matches;
  for (const KDLogRecord& r : m_records) {
    if (matches.size() == kKDLogRecordLimit) break;
    // The page sends its category choice with a user name too; the name decides then.
    if (!query.userName.empty()) {
      if (!SameUser(query.userName, r.userName)) continue;
    } else if (query.category != 0 && query.category != r.category) {
      continue;
    }
    int64_t key = LogTimeKey(r.time);
    if (key < from || key > to) continue;
    matches.push_back(r);
  }
  WriteKDLogAnswer(writer, kKDLogResultOk, matches);
  return matches.size();
}
