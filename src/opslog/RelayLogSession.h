#pragma once
// What a relay log page keeps between a query and its answers: the wait, the shard,
// target, category and End text of the last "Query", and the paging cursor of the last
// answer with rows. The page moves values between its controls and this object; the
// kind says how long a wait blocks, whether the manager service is checked and what the
// request carries. Times for the wait are the tick count (base/TickCount).
#include <cstddef>
#include <cstdint>
#include <string>

#include "msg/MassiveMsg.h"
#include "msg/RelayRequest.h"
#include "opslog/RelayLogAnswer.h"
#include "opslog/RelayLogKind.h"

// Milliseconds of a wait of waitMs left at `now` for a query sent at `sentTick`; 0 once
// waitMs or more have passed. The difference is unsigned, so it stays right when the
// tick count wraps between the two.
uint32_t RelayLogWaitLeft(uint32_t sentTick, uint32_t now, uint32_t waitMs);

// What "Query" reads from the page's controls.
struct RelayLogQueryInput {
  uint32_t shardData = 0;     // item data of the selected shard, 0 when none is selected
  uint32_t targetData = 0;    // item data of the selected fortress or server event
  uint32_t categoryData = 0;  // item data of the selected category
  std::string beginText;      // "%d-%d-%d %02d:%02d:%02d" from the pickers
  std::string endText;
};

class RelayLogSession {
 public:
  explicit RelayLogSession(const RelayLogKind& kind) : m_kind(kind) {}

  // Keeps the End text and the category; refuses while a query is awaited; keeps the
  // shard and the target and refuses without either; then sends the query from the
  // pickers' Begin (and from log 0).
  void Query(const RelayLogQueryInput& input);
  // The same wait test; then the next page of the last query from the cursor of the
  // last answer, for the category and End text "Query" kept, and the shard and target
  // selected now or those "Query" kept, as the kind says.
  RequestOutcome QueryMore(uint32_t shardData, uint32_t targetData);

  const RelayLogKind& Kind() const { return m_kind; }
  bool Waiting() const { return m_waiting != 0; }
  uint16_t ShardId() const { return m_shardId; }
  uint8_t Category() const { return m_category; }
  const std::string& EndText() const { return m_endText; }
  uint32_t NextLogId() const { return m_nextLogId; }
  const std::string& NextBegin() const { return m_nextBegin; }

 protected:
  // Ends the wait, keeps the cursor of an answer that has one (nextLogId: the last
  // row's) and reports the answer to the operator.
  void TakeAnswer(const RelayLogHead& head, size_t rowsKept, uint32_t nextLogId);

 private:
  // True when the page must refuse: a wait that has not run out. Clears one that has.
  bool RefuseWhileWaiting();
  void KeepTarget(uint32_t shardData, uint32_t targetData);
  // True with the shard's manager service when the request can go to it; else reports
  // why not.
  bool FindManagerService(uint16_t* serviceId) const;
  RequestOutcome Send(uint32_t startLog, const std::string& begin, const std::string& end);

  const RelayLogKind& m_kind;
  uint32_t m_waiting = 0;
  uint32_t m_sentTick = 0;
  uint16_t m_shardId = 0;
  uint32_t m_targetId = 0;
  uint8_t m_category = 0;
  std::string m_endText;
  uint32_t m_nextLogId = 0;
  std::string m_nextBegin;
};

// The session of a page whose answers hold rows of Row.
template <class Row>
class RelayLogSessionOf : public RelayLogSession {
 public:
  using RelayLogSession::RelayLogSession;

  // Ends the wait, reads the answer, keeps its cursor and reports it to the operator.
  // The page lists the rows.
  RelayLogAnswer<Row> OnAnswer(CMassiveMsg* massive) {
    RelayLogAnswer<Row> answer = ReadRelayLogAnswer<Row>(massive, Kind());
    TakeAnswer(answer, answer.rows.size(), answer.hasCursor ? answer.rows.back().PagingId() : 0);
    return answer;
  }
};
