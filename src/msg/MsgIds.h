#pragma once
// Every message identifier the module sends or handles. An answer's identifier is its
// request's identifier plus 0x4000.
#include <cstdint>

enum MsgId : uint16_t {
  kMsgKDLogQuery = 0x7404,      // console log service query (single record)
  kMsgRelay = 0x7203,           // relay to a shard's manager service
  kMsgGameLogQuery = 0x4001,    // inner: game log and item serial history
  kMsgSiegeLogQuery = 0x400E,   // inner: siege log
  kMsgServerEventQuery = 0x4018,// inner: server event log

  kMsgKDLogAnswer = 0xB404,     // multi-part
  kMsgGameLogAnswer = 0x8001,   // multi-part
  kMsgRelayAnswer = 0xB203,     // single record
  kMsgSiegeLogAnswer = 0x800E,  // multi-part
  kMsgServerEventAnswer = 0x8018,  // multi-part
};

constexpr uint16_t AnswerIdOf(uint16_t requestId) { return static_cast<uint16_t>(requestId + 0x4000); }

static_assert(AnswerIdOf(kMsgKDLogQuery) == kMsgKDLogAnswer, "answer id");
static_assert(AnswerIdOf(kMsgRelay) == kMsgRelayAnswer, "answer id");
static_assert(AnswerIdOf(kMsgGameLogQuery) == kMsgGameLogAnswer, "answer id");
static_assert(AnswerIdOf(kMsgSiegeLogQuery) == kMsgSiegeLogAnswer, "answer id");
static_assert(AnswerIdOf(kMsgServerEventQuery) == kMsgServerEventAnswer, "answer id");
