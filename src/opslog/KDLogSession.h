#pragma once
// What the console log page keeps between a query and its answer: the waiting flag and
// the records of the last answer. The page moves values between its controls and this
// object.
#include <string>
#include <vector>

#include "msg/MassiveMsg.h"
#include "opslog/KDLogAnswer.h"
#include "opslog/KDLogQuery.h"
#include "opslog/KDLogRecord.h"

class KDLogSession {
 public:
  // Refuses while an answer is awaited, else sends 0x7404 and waits for its answer.
  void Query(const KDLogQueryInput& input);

  // Replaces the held records with the answer's and reports it to the operator.
  void OnAnswer(CMassiveMsg* massive);

  // Fills the text to copy, or reports that there is nothing and answers false.
  bool CopyText(std::string* text) const;
  // The lines of the records listed in these rows (row i lists record i), in that order
  // and in the form CopyText writes them; rows past the records add nothing.
  std::string RowsCopyText(const std::vector<int>& rows) const;

  bool Waiting() const { return m_waiting != 0; }
  const std::vector<KDLogRecord>& Records() const { return m_records; }

 private:
  std::vector<KDLogRecord> m_records;
  uint32_t m_waiting = 0;
};
