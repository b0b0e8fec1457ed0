#pragma once
// The console's own log service: answers a console log query (0x7404) with the records
// that match, as the multi-part answer 0xB404.
#include <cstdint>
#include <string>
#include <vector>

#include "KDLogRecords.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/Msg.h"

struct KDLogQuery {
  std::string user;      // empty: any user
  uint8_t category = 0;  // 0: any category
  std::string begin;
  std::string end;
};

enum : uint8_t { kKDLogResultOk = 0, kKDLogResultFailed = 2 };
enum : size_t { kKDLogAnswerLimit = 100 };

// Reads the request fields (user string, category u8, begin and end strings); false
// when the record is cut short or carries bytes after them.
bool ReadKDLogQuery(CMsg* request, KDLogQuery* query);

class CKDLogService {
 public:
  explicit CKDLogService(std::vector<KDLogEntry> entries) : m_entries(std::move(entries)) {}

  // Selects by user name when one is given, else by category when it is not 0, and by
  // the time span. Appends the answer payload: the result byte, then for each match (in stored order,
  // at most kKDLogAnswerLimit) a nonzero "more" byte and the 401-byte record, then a
  // zero "more" byte. A time that cannot be read fails the query (result 2, no records).
  // Returns the number of records sent.
  size_t Answer(const KDLogQuery& query, MassiveMsgBuilder* out) const;

 private:
  std::vector<KDLogEntry> m_entries;
};
