#pragma once
// The shards' manager services behind relay request 0x7203. The request opens with the
// relay head: the manager service it is for and the inner request's identifier. A service
// that the console's directory does not list as running (states 4 and 5) gets nothing
// through: no answer, a note in the console's log pane. A running one is acknowledged
// with the console's relay answer 0xB203 (carrying the relay head back), and then the
// inner request goes to the simulated server registered for its identifier, whose
// answer has the inner identifier plus 0x4000.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "SimLog.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"
#include "msg/Msg.h"
#include "msg/RelayRequest.h"

// What goes back to the plug-in for one relay request, in this order.
struct ShardReply {
  std::unique_ptr<CMsg> relayAnswer;            // 0xB203, a single record
  std::unique_ptr<MassiveMsgBuilder> answer;    // the inner request's multi-part answer, or null
};

class CShardManager {
 public:
  // Reads the inner request's fields (the read position is past the relay head) and
  // appends its answer's payload. False when it sends no answer; it notes why itself.
  typedef std::function<bool(CMsg* request, const RelayHead& head, MassiveMsgBuilder* answer)> InnerHandler;

  CShardManager(IKDDirectory* directory, CSimLog* log) : m_directory(directory), m_log(log) {}

  // One entry of the {inner identifier, handler} table; a later entry for the same
  // identifier replaces the earlier one.
  void Register(uint16_t innerId, InnerHandler handler);

  // False when nothing goes back (stopped or unknown service, malformed head).
  bool Serve(CMsg* request, ShardReply* reply) const;

 private:
  struct Entry {
    uint16_t innerId;
    InnerHandler handler;
  };
  const Entry* Find(uint16_t innerId) const;

  IKDDirectory* m_directory;
  CSimLog* m_log;
  std::vector<Entry> m_table;
};
