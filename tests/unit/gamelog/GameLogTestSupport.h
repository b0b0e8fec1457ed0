#pragma once
// Test doubles of the game log: shard records, requests decoded back into fields, and
// 0x8001 answers built with the records' own encoders.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/ByteOrder.h"
#include "common/TestConsole.h"
#include "common/TestTime.h"
#include "gamelog/GameLogQuery.h"
#include "gamelog/GameLogRecord.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"

inline KDShardRecord ShardRecord(uint16_t id, uint16_t service) {
  KDShardRecord r;
  memset(&r, 0, sizeof r);
  r.id = id;
  r.managerServiceId = service;
  return r;
}

// The span the query tests ask for.
inline const char kBegin[] = "2026-11-1 00:00:00";
inline const char kEnd[] = "2026-11-30 23:59:59";

// The page's input for a query of shard 7, with its record, over that span.
inline GameLogQueryInput QueryInput(const KDShardRecord* shard, uint8_t kind, uint8_t option, std::string name,
                                    std::string code = "") {
  GameLogQueryInput in;
  in.shardId = 7;
  in.kind = kind;
  in.option = option;
  in.charName = std::move(name);
  in.beginText = kBegin;
  in.endText = kEnd;
  in.codeName = std::move(code);
  in.shard = shard;
  return in;
}

// The inner request bytes as the page must send them, relay head first.
inline std::string RequestBytes(uint16_t service, uint8_t kind, uint8_t option, const std::string& charName,
                                const std::string& begin, const std::string& end, const std::string& codeName,
                                int64_t maxRows = -1) {
  std::vector<uint8_t> b;
  ByteWriter w(&b);
  w.U16(service);
  w.U16(0x4001);
  w.U8(kind);
  w.U8(option);
  for (const std::string* s : {&charName, &begin, &end, &codeName}) w.String(*s);
  if (maxRows >= 0) w.U32(static_cast<uint32_t>(maxRows));
  return std::string(b.begin(), b.end());
}

inline GameLogCharRecord CharRecord(uint8_t eventId, uint32_t data1, uint32_t data2, std::string position,
                                    std::string text) {
  GameLogCharRecord r;
  r.time = TestTime(2026, 11, 2, 7, 5, 9, 250);
  r.eventId = eventId;
  r.data1 = data1;
  r.data2 = data2;
  r.position = std::move(position);
  r.text = std::move(text);
  return r;
}

inline GameLogItemRecord ItemRecord(int64_t serial, uint32_t refItemId, uint8_t operation, std::string text,
                                    int64_t amount = 0) {
  GameLogItemRecord r;
  r.serial = serial;
  r.time = TestTime(2026, 11, 3, 23, 59, 58, 3000000000u);
  r.refItemId = refItemId;
  r.data = 0x00020001;
  r.storage = 1;
  r.operation = operation;
  r.slotFrom = 13;
  r.slotTo = 255;
  r.position = "Velmora (12, -40)";
  r.text = std::move(text);
  r.amount = amount;
  return r;
}

inline void Write(ByteWriter& w, const GameLogCharRecord& r) { WriteLogRow(w, r); }
inline void Write(ByteWriter& w, const GameLogItemRecord& r) { WriteLogRow(w, r); }

// A whole answer of the kind: result 1, kind, the unused byte, the count, the records
// and, with rows, the cursor.
template <class Record>
std::vector<uint8_t> AnswerBytes(uint8_t kind, const std::vector<Record>& records, const std::string& next) {
  std::vector<uint8_t> b;
  ByteWriter w(&b);
  w.U8(1);
  w.U8(kind);
  w.U8(0xEE);
  w.U16(static_cast<uint16_t>(records.size()));
  for (const Record& r : records) Write(w, r);
  if (!records.empty()) w.String(next);
  return b;
}

inline std::vector<uint8_t> FailedAnswerBytes(uint8_t errorCode) { return {2, errorCode}; }

inline CMassiveMsg* AnswerMsg(MassiveMsgBuilder& b, const std::vector<uint8_t>& bytes, size_t partBytes = 4090) {
  b.Append(bytes.data(), bytes.size());
  return b.Build(partBytes);
}
