#pragma once
// What the tests of the shard managers' log services share: a farm of two shards, a
// service over a test log, and its answers read back with the module's own reader.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "SimConfig.h"
#include "msg/MassiveMsgBuilder.h"

// Shard 1 behind manager service 101, shard 2 behind 102; no shard behind any other.
inline const char kTwoShardFarm[] =
    "world Velmora\n"
    "shard 1 101 Velmora-Ember\n"
    "shard 2 102 Velmora-Tide\n";

// A service of Service over the entries that parse reads from log, on the two-shard farm.
template <class Entry, class Service>
struct ServedShardLog {
  using Parse = bool (*)(const std::string&, std::vector<Entry>*, std::string*);

  ServedShardLog(Parse parse, const std::string& log) {
    std::string error;
    EXPECT_TRUE(ParseSimConfig(kTwoShardFarm, &config, &error)) << error;
    EXPECT_TRUE(parse(log, &entries, &error)) << error;
    service = std::make_unique<Service>(entries, config);
  }

  // The answer to query from the shard behind serviceId, sent in parts of partBytes and
  // read by read.
  template <class Request, class Read>
  auto Answered(uint16_t serviceId, const Request& query, uint16_t answerId, size_t partBytes, Read read) const {
    MassiveMsgBuilder out(answerId);
    service->Answer(serviceId, query, &out);
    return read(out.Build(partBytes));
  }

  SimConfig config;
  std::vector<Entry> entries;
  std::unique_ptr<Service> service;
};

// A failed answer where rows is -1, else one that declares that many rows.
template <class Answer>
void ExpectRowsOrFailed(const Answer& answer, int rows) {
  EXPECT_EQ(answer.failed, rows < 0);
  if (rows >= 0) {
    EXPECT_EQ(answer.rowCount, rows);
  }
}
