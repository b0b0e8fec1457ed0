#pragma once
// What the server event log page keeps between a query and its answers: the wait with
// its send time, the shard, event, category and End text of the last "Query", and the
// paging cursor of the last answer with rows. A query that got no answer stops blocking
// the next one 5 seconds after it was sent; the time is the tick count (base/TickCount).
// The page moves values between its controls and this object.
#include <cstdint>
#include <string>

#include "msg/MassiveMsg.h"
#include "msg/RelayRequest.h"
#include "opslog/ServerEventLogAnswer.h"
#include "opslog/ServerEventLogQuery.h"

enum : uint32_t { kServerEventWaitMs = 5000 };

// Milliseconds of the wait left at `now` for a query sent at `sentTick`; 0 once 5000 ms
// or more have passed. The difference is unsigned, so it stays right when the tick
// count wraps between the two.
uint32_t ServerEventWaitLeft(uint32_t sentTick, uint32_t now);

// What "Query" reads from the page's controls.
struct ServerEventQueryInput {
  uint32_t shardData = 0;     // item data of the selected shard, 0 when none is selected
  uint32_t eventData = 0;     // item data of the selected server event
  uint32_t categoryData = 0;  // item data of the selected category
  std::string beginText;      // "%d-%d-%d %02d:%02d:%02d" from the pickers
  std::string endText;
};

class ServerEventLogSession {
 public:
  // Keeps the End text and the category; refuses while a query sent less than 5 s ago
  // is unanswered; keeps the shard and the event and refuses without either; then
  // checks the shard's manager service and sends the query from log 0.
  void Query(const ServerEventQueryInput& input);
  // The same wait test; then the next page of the last query from the cursor of the
  // last answer, for the shard, event, category and End text "Query" kept.
  RequestOutcome QueryMore();
  // Ends the wait, reads the answer, keeps its cursor and reports it to the operator.
  // The page lists the rows.
  ServerEventLogAnswer OnAnswer(CMassiveMsg* massive);

  bool Waiting() const { return m_waiting != 0; }
  uint16_t ShardId() const { return m_shardId; }
  uint32_t EventId() const { return m_eventId; }
  uint8_t Category() const { return m_category; }
  const std::string& EndText() const { return m_endText; }
  uint32_t NextLogId() const { return m_nextLogId; }
  const std::string& NextBegin() const { return m_nextBegin; }

 private:
  // True when the page must refuse: a wait that has not run out. Clears one that has.
  bool RefuseWhileWaiting();
  // True with the shard's manager service when it runs; else reports why not.
  bool CheckManagerService(uint16_t* serviceId) const;
  RequestOutcome Send(uint32_t startLog, const std::string& begin, const std::string& end);

  uint32_t m_waiting = 0;
  uint32_t m_sentTick = 0;
  uint16_t m_shardId = 0;
  uint32_t m_eventId = 0;
  uint8_t m_category = 0;
  std::string m_endText;
  uint32_t m_nextLogId = 0;
  std::string m_nextBegin;
};
