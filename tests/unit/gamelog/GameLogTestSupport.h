#pragma once
// Test doubles of the game log: shard records, requests decoded back into fields, records,
// and 0x8001 answers (common/GameLogAnswerBytes.h) built with the records' own encoders.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "base/ByteOrder.h"
#include "common/GameLogAnswerBytes.h"
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

// Records in the field order of GameLogRecord.h. A character event of 2026-11-02
// 07:05:09.250.
inline GameLogCharRecord CharRecord(uint8_t eventId, uint32_t data1, uint32_t data2, std::string position,
                                    std::string text) {
  return {TestTime(2026, 11, 2, 7, 5, 9, 250), eventId, data1, data2, std::move(position), std::move(text)};
}

// An item event of 2026-11-03 23:59:58 in storage 1, data 0x00020001, slots 13 and 255.
inline GameLogItemRecord ItemRecord(int64_t serial, uint32_t refItemId, uint8_t operation, std::string text,
                                    int64_t amount = 0) {
  return {serial, TestTime(2026, 11, 3, 23, 59, 58, 3000000000u), refItemId, 0x00020001, 1, operation, 13, 255,
          "Velmora (12, -40)", std::move(text), amount};
}

// For the item text tests: a record of the operation with the other fields (serial,
// time, storage, position and amount) at their defaults.
inline GameLogItemRecord ItemOpRecord(uint8_t operation, uint32_t refItemId = 0, uint32_t data = 0,
                                      uint8_t slotFrom = 0, uint8_t slotTo = 0, std::string text = "") {
  return {0, LogTime(), refItemId, data, 0, operation, slotFrom, slotTo, "", std::move(text), 0};
}

// A row of the item text tables: the record of the operation, item, data, slots, text
// and amount, and the operation name (not checked where null) and description it gives.
struct ItemTextRow {
  uint8_t op;
  uint32_t item, data;
  uint8_t from, to;
  std::string text;
  const char* name;
  std::string description;
  int64_t amount = 0;

  GameLogItemRecord Record() const {
    GameLogItemRecord r = ItemOpRecord(op, item, data, from, to, text);
    r.amount = amount;
    return r;
  }
};

// n equal character rows, and item rows of these serials.
inline std::vector<GameLogCharRecord> CharRecords(size_t n) {
  return std::vector<GameLogCharRecord>(n, CharRecord(10, 1, 2, "Velmora", "text"));
}
inline std::vector<GameLogItemRecord> ItemRecords(const std::vector<int64_t>& serials) {
  std::vector<GameLogItemRecord> items;
  for (int64_t s : serials) items.push_back(ItemRecord(s, 1001, 1, "moved"));
  return items;
}

inline std::vector<uint8_t> FailedAnswerBytes(uint8_t errorCode) { return {2, errorCode}; }

inline CMassiveMsg* AnswerMsg(MassiveMsgBuilder& b, const std::vector<uint8_t>& bytes, size_t partBytes = 4090) {
  b.Append(bytes.data(), bytes.size());
  return b.Build(partBytes);
}
