#pragma once
// The console's own log service: answers a console log query (0x7404) with the records
// that match, as the multi-part answer 0xB404.
#include <cstdint>
#include <string>
#include <vector>

#include "SampleLogs.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/KDLogQuery.h"

class CKDLogService {
 public:
  explicit CKDLogService(std::vector<KDLogRecord> records) : m_records(std::move(records)) {}

  // Selects by user name when one is given, else by category when it is not 0, and by
  // the time span. Appends the answer payload with the matches in stored order, at most
  // kKDLogRecordLimit. A time that cannot be read fails the query (result 2, no
  // records). Returns the number of records sent.
  size_t Answer(const KDLogRequest& query, MassiveMsgBuilder* out) const;

 private:
  std::vector<KDLogRecord> m_records;
};
