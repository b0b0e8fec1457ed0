#pragma once
// Test doubles for the siege and server event logs: the test console with the stand-in
// console's directory of a farm of shards and manager services, a clock the test sets,
// and answers built with the answers' own writer.
#include <string>
#include <vector>

#include "SimDirectory.h"
#include "base/ByteOrder.h"
#include "base/TickCount.h"
#include "common/TestConsole.h"
#include "common/TestTime.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"
#include "opslog/RelayLogAnswer.h"

inline uint32_t& TestNow() {
  static uint32_t now = 0;
  return now;
}
inline uint32_t TestTicks() { return TestNow(); }

// The farm: shard 1 (service 101, running), 2 (102, running in state 5), 7 (107,
// stopped in state 3), 8 (108, not in the directory). Shard names sort 2, 8, 1, 7.
struct RelayLogConsole : TestConsole {
  RelayLogConsole() : TestConsole(&directory) {
    TestNow() = 1000;
    SetTickCountFunc(TestTicks);
  }
  ~RelayLogConsole() { SetTickCountFunc(nullptr); }
  CSimDirectory directory{SimConfig{{},
                                    {{1, 101, "Velmora-Ember"},
                                     {2, 102, "Aschfeld-Tide"},
                                     {7, 107, "Velmora-Gale"},
                                     {8, 108, "Korrin-Deep"}},
                                    {{101, 4}, {102, 5}, {107, 3}}},
                          nullptr};
};

// Wire strings and fields, for expected request bytes.
inline std::string WireU16(uint16_t v) { return std::string{static_cast<char>(v), static_cast<char>(v >> 8)}; }
inline std::string WireU32(uint32_t v) { return WireU16(static_cast<uint16_t>(v)) + WireU16(static_cast<uint16_t>(v >> 16)); }
inline std::string WireString(const std::string& s) { return WireU16(static_cast<uint16_t>(s.size())) + s; }

// The siege and server event records carry a fraction the Time column leaves out.
enum : uint32_t { kRelayFraction = 123456789 };

// An answer of kind, written as the server writes it.
template <class Row>
std::vector<uint8_t> AnswerBytes(const RelayLogKind& kind, uint8_t result, const std::vector<Row>& rows,
                                 const std::string& nextBegin) {
  std::vector<uint8_t> bytes;
  ByteWriter out(&bytes);
  WriteRelayLogAnswer(out, kind, result, rows, nextBegin);
  return bytes;
}

// A row's bytes on the wire, to compare rows whole.
template <class Row>
std::vector<uint8_t> RowBytes(const Row& row) {
  std::vector<uint8_t> bytes;
  ByteWriter out(&bytes);
  WriteLogRow(out, row);
  return bytes;
}

inline CMassiveMsg* AnswerMsg(MassiveMsgBuilder& b, const std::vector<uint8_t>& bytes, size_t partBytes = 4090) {
  b.Append(bytes.data(), bytes.size());
  return b.Build(partBytes);
}
