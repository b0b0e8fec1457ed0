// Time to read and format one game log answer row at live-game reference volume: a
// 50-row item answer and a 50-row character answer, each read from a multi-part 0x8001
// answer and turned into its cell texts. Best of several runs.
//
// The share spent in text lookups: the link routes the formatters' calls of
// CGameRefData::GetText through a wrapper that records their keys in one untimed pass;
// the same lookups are then timed alone, in the same order, and set against the time of
// reading and formatting.
//   bench_gamelog_format [--dir <folder holding KV_GameRefData>] [--runs N]
// The volumes are generated into the folder first when it has none.
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "BenchArgs.h"
#include "base/ByteOrder.h"
#include "base/LogOutput.h"
#include "gamelog/CharEventText.h"
#include "gamelog/GameLogAnswer.h"
#include "gamelog/GameLogRecord.h"
#include "gamelog/ItemEventText.h"
#include "msg/MassiveMsgBuilder.h"
#include "refdata/KV_GameRefData.h"

// The wrapped lookup and the real one, as the linker's symbol wrapping names them.
extern "C" const char* __real__ZNK12CGameRefData7GetTextEPKc(const CGameRefData* self, const char* key);
extern "C" const char* __wrap__ZNK12CGameRefData7GetTextEPKc(const CGameRefData* self, const char* key);

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string>* g_recordedKeys = nullptr;

void KV_CDECL DropMessage(uint32_t, const char*) {}

enum : int { kRows = 50, kRepeats = 200 };

// Rows of an item answer: the operations an operator meets most, with the item
// identifiers, texts and amounts of a live game.
std::vector<GameLogItemRecord> ItemRows() {
  struct Row {
    uint8_t operation;
    uint32_t refItemId;
    uint32_t data;
    uint8_t storage, from, to;
    const char* text;
    int64_t amount;
  } const rows[] = {
      {10, 100001, 1, 0, 20, 6, "", 0},
      {10, 100041, 7, 3, 20, 21, "", 0},
      {20, 100002, 0x00640050, 0, 25, 40, "", 0},
      {21, 100003, 12, 0, 41, 30, "", 0},
      {22, 0, 0, 0, 0, 0, "1520000,88000", 5000},
      {30, 100004, 3, 0, 0, 30, "5512348,Kaonwind,Var:3", 0},
      {31, 100005, 1, 0, 22, 0, "5512348,Var:1", 0},
      {32, 100006, 0x00120001, 0, 0, 33, "1523000", 0},
      {33, 100007, 0x00120002, 0, 34, 0, "1529000", 0},
      {35, 100008, 2, 0, 0, 35, "1200/800", 0},
      {40, 100009, 0x00010000, 0, 0, 36, "", 0},
      {41, 100010, 0x00020004, 0, 37, 0, "", 0},
      {53, 0, 1, 0, 0, 0, "", 0},
      {54, 100011, 88, 0, 38, 1, "Var:1", 0},
      {57, 100012, 90, 0, 39, 40, "dur 90", 0},
      {72, 100013, 1, 0, 41, 2, "Var:2", 150000},
      {75, 100014, 0, 0, 42, 3, "2500000,Selene", 150000},
      {77, 100015, 0, 0, 4, 43, "900000,Selene,3", 120000},
      {80, 7, 0, 0, 0, 0, "1200000", -500},
      {90, 100016, 0x00050004, 0, 44, 0, "opt#1#2", 0},
      {91, 100017, 6, 0, 45, 0, "", 0},
      {100, 0, 1600000000, 0, 30, 0, "", 0},
      {111, 300005, 3600, 0, 0, 0, "", 0},
      {125, 100018, 0x55494C31, 0, 0, 0, "3", 0},
      {130, 100019, 0x00040304, 0, 46, 0, "opt", 0},
      {133, 100020, 0, 0, 47, 4, "opt#65546#131075", 0},
  };
  std::vector<GameLogItemRecord> records;
  for (int i = 0; records.size() < kRows; ++i) {
    const Row& row = rows[i % (sizeof rows / sizeof rows[0])];
    GameLogItemRecord r;
    r.serial = 4400000000LL + i;
    r.time = {2008, 3, 5, 7, 4, static_cast<uint16_t>(i % 60), 0};
    r.refItemId = row.refItemId + static_cast<uint32_t>(i * 97 % 300);
    r.data = row.data;
    r.storage = row.storage;
    r.operation = row.operation;
    r.slotFrom = row.from;
    r.slotTo = row.to;
    r.position = "Region 25000 (6235, 114, 1021)";
    r.text = row.text;
    r.amount = row.amount;
    records.push_back(r);
  }
  return records;
}

// Rows of a character answer: logins, teleports, levels, skills, masteries, pets,
// quests, guild and console edits.
std::vector<GameLogCharRecord> CharRows() {
  struct Row {
    uint8_t eventId;
    uint32_t data1, data2;
    const char* position;
    const char* text;
  } const rows[] = {
      {4, 0, 0x0100007F, "", ""},
      {9, 0, 0, "Region 25000", "1523000"},
      {11, 1, 0, "Region 25000", "1520000"},
      {22, 41, 42, "Region 25000", ""},
      {23, 51234, 52345, "Region 25000", ""},
      {26, 257, 30, "Region 25000", "1200,300"},
      {27, 300010, 300011, "Region 25000", "400,100"},
      {27, 0, 300020, "Region 25000", "400,100"},
      {68, 0, 0, "Region 25000", "Windriders"},
      {100, 200100, 0, "Region 25000", ""},
      {199, 0, 0, "MCP", "Kaon,25000,6235,114,1021"},
      {200, 1010, 0, "Region 25000", ""},
      {201, 1011, 3, "Region 25000", ""},
      {210, 200120, 0, "Region 25000", ""},
      {214, 1000, 1400, "Region 25000", ""},
      {232, 0, 0, "Region 25000", "250000"},
  };
  std::vector<GameLogCharRecord> records;
  for (int i = 0; records.size() < kRows; ++i) {
    const Row& row = rows[i % (sizeof rows / sizeof rows[0])];
    GameLogCharRecord r;
    r.time = {2008, 3, 5, 7, 4, static_cast<uint16_t>(i % 60), 0};
    r.eventId = row.eventId;
    r.data1 = row.data1;
    r.data2 = row.data2;
    r.position = row.position;
    r.text = row.text;
    records.push_back(r);
  }
  return records;
}

// An 0x8001 answer of the kind, as the shard's manager sends it: result, kind, a spare
// byte, the row count, the rows and the paging cursor.
template <typename Record, typename Write>
void BuildAnswer(MassiveMsgBuilder& builder, uint8_t kind, const std::vector<Record>& rows, Write write) {
  std::vector<uint8_t> bytes;
  ByteWriter out(&bytes);
  out.U8(0);
  out.U8(kind);
  out.U8(0);
  out.U16(static_cast<uint16_t>(rows.size()));
  for (const Record& r : rows) write(out, r);
  out.String("2008-03-05 07:05:00");
  builder.Append(bytes.data(), bytes.size());
}

// Reads the answer with the page's own reader and formats every row; returns a checksum
// so nothing is left out.
size_t ReadAndFormatAnswer(CMassiveMsg* massive, const CGameRefData& ref) {
  const GameLogAnswer answer = ReadGameLogAnswer(massive);
  size_t sum = answer.nextBegin.size();
  for (const GameLogItemRecord& row : answer.itemRows) {
    for (const std::string& cell : FormatItemEvent(row, ref)) sum += cell.size();
  }
  for (const GameLogCharRecord& row : answer.charRows) {
    for (const std::string& cell : FormatCharEvent(row, ref)) sum += cell.size();
  }
  return sum;
}

struct Figures {
  double formatSeconds = 1e30;  // best run: kRepeats answers read and formatted
  double lookupSeconds = 1e30;  // best run: their text lookups alone
  size_t lookupsPerAnswer = 0;
};

Figures Measure(MassiveMsgBuilder& builder, const CGameRefData& ref, int runs, size_t& sink) {
  Figures f;
  std::vector<std::string> keys;
  g_recordedKeys = &keys;
  sink += ReadAndFormatAnswer(builder.Build(), ref);
  g_recordedKeys = nullptr;
  f.lookupsPerAnswer = keys.size();

  for (int run = 0; run < runs; ++run) {
    double total = 0;
    for (int rep = 0; rep < kRepeats; ++rep) {
      CMassiveMsg* answer = builder.Build();  // fresh read positions, untimed
      Clock::time_point t0 = Clock::now();
      sink += ReadAndFormatAnswer(answer, ref);
      total += std::chrono::duration<double>(Clock::now() - t0).count();
    }
    f.formatSeconds = std::min(f.formatSeconds, total);

    Clock::time_point t0 = Clock::now();
    for (int rep = 0; rep < kRepeats; ++rep) {
      for (const std::string& key : keys) sink += strlen(__real__ZNK12CGameRefData7GetTextEPKc(&ref, key.c_str()));
    }
    f.lookupSeconds = std::min(f.lookupSeconds, std::chrono::duration<double>(Clock::now() - t0).count());
  }
  return f;
}

void Print(const char* what, const Figures& f) {
  double perRow = f.formatSeconds / (kRepeats * kRows) * 1e6;
  printf("  %-16s %8.2f us/row   text lookups %5.1f%%  (%.1f per row, %.0f ns each)\n", what, perRow,
         100.0 * f.lookupSeconds / f.formatSeconds, static_cast<double>(f.lookupsPerAnswer) / kRows,
         f.lookupsPerAnswer ? f.lookupSeconds / (kRepeats * f.lookupsPerAnswer) * 1e9 : 0.0);
}

}  // namespace

extern "C" const char* __wrap__ZNK12CGameRefData7GetTextEPKc(const CGameRefData* self, const char* key) {
  if (g_recordedKeys) g_recordedKeys->push_back(key ? key : "");
  return __real__ZNK12CGameRefData7GetTextEPKc(self, key);
}

int main(int argc, char** argv) {
  BenchArgs args;
  args.dir = KV_BENCH_DEFAULT_DIR;
  args.runs = 7;
  if (!ParseBenchArgs(argc, argv, "bench_gamelog_format", &args)) return 2;
  if (!EnterBenchVolumes(args.dir, "bench_gamelog_format")) return 1;
  const int runs = args.runs;
  // Unregistered items would be logged; the console's log is not what is measured.
  SetLogOutputFunc(DropMessage);
  CGameRefData ref;
  if (!ref.Load()) {
    fprintf(stderr, "bench_gamelog_format: the reference data in %s did not load\n", args.dir.c_str());
    return 1;
  }

  MassiveMsgBuilder items(0x8001), chars(0x8001);
  BuildAnswer(items, 2, ItemRows(), WriteGameLogItemRecord);
  BuildAnswer(chars, 1, CharRows(), WriteGameLogCharRecord);

  size_t sink = 0;
  Figures item = Measure(items, ref, runs, sink);
  Figures character = Measure(chars, ref, runs, sink);
  printf("read and format a %d-row answer, best of %d runs of %d answers\n", kRows, runs, kRepeats);
  Print("item rows", item);
  Print("character rows", character);
  printf("(checksum %zu)\n", sink);
  return 0;
}
