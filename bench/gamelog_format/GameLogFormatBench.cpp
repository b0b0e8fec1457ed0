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
#include "GameLogRows.h"
#include "base/LogOutput.h"
#include "common/GameLogAnswerBytes.h"
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

  // The 0x8001 answers of both kinds, as the shard's manager sends them.
  const std::vector<uint8_t> itemAnswer = AnswerBytes(2, BenchItemRows(kRows), "2008-03-05 07:05:00");
  const std::vector<uint8_t> charAnswer = AnswerBytes(1, BenchCharRows(kRows), "2008-03-05 07:05:00");
  MassiveMsgBuilder items(0x8001), chars(0x8001);
  items.Append(itemAnswer.data(), itemAnswer.size());
  chars.Append(charAnswer.data(), charAnswer.size());

  size_t sink = 0;
  Figures item = Measure(items, ref, runs, sink);
  Figures character = Measure(chars, ref, runs, sink);
  printf("read and format a %d-row answer, best of %d runs of %d answers\n", kRows, runs, kRepeats);
  Print("item rows", item);
  Print("character rows", character);
  printf("(checksum %zu)\n", sink);
  return 0;
}
