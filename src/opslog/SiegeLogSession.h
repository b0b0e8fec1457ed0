#pragma once
// What the siege log page keeps between a query and its answers: the waiting flag, the
// category and End text of the last "Query" and the paging cursor of the last answer
// with rows. The page moves values between its controls and this object. A wait has no
// time-out: without an answer the page stays waiting.
#include <cstdint>
#include <string>

#include "msg/MassiveMsg.h"
#include "msg/RelayRequest.h"
#include "opslog/SiegeLogAnswer.h"
#include "opslog/SiegeLogQuery.h"

// What "Query" reads from the page's controls.
struct SiegeLogQueryInput {
  uint32_t shardData = 0;     // item data of the selected shard, 0 when none is selected
  uint32_t fortressData = 0;  // item data of the selected fortress
  uint32_t categoryData = 0;  // item data of the selected category
  std::string beginText;      // "%d-%d-%d %02d:%02d:%02d" from the pickers
  std::string endText;
};

class SiegeLogSession {
 public:
  // Keeps the End text and the category, then refuses while an answer is awaited or
  // without a shard and a fortress; else sends the query and waits for its answer.
  void Query(const SiegeLogQueryInput& input);
  // Refuses while an answer is awaited; else sends the next page of the last query for
  // the shard and fortress selected now, from the cursor of the last answer.
  RequestOutcome QueryMore(uint32_t shardData, uint32_t fortressData);
  // Ends the wait, reads the answer, keeps its cursor and reports it to the operator.
  // The page lists the rows.
  SiegeLogAnswer OnAnswer(CMassiveMsg* massive);

  bool Waiting() const { return m_waiting != 0; }
  uint8_t Category() const { return m_category; }
  const std::string& EndText() const { return m_endText; }
  const std::string& NextBegin() const { return m_nextBegin; }

 private:
  RequestOutcome Send(uint32_t shardData, uint32_t fortressData, const std::string& begin, const std::string& end);

  uint32_t m_waiting = 0;
  uint8_t m_category = 0;
  std::string m_endText;
  std::string m_nextBegin;
};
