// Game log answers as a shard might garble them: any bytes, split into parts at points
// the input chooses, read and turned into list rows and history lines over the sample
// reference data. Reading must never throw or read outside the parts, no answer may
// yield more rows than it announced, a whole answer yields all of them, and every cell
// stays within a line buffer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "FuzzSplits.h"
#include "base/Format.h"
#include "gamelog/GameLogSession.h"
#include "msg/MassiveMsgBuilder.h"
#include "refdatagen/SampleWriter.h"

namespace {

CGameRefData* g_refData = nullptr;

void Check(bool ok, const char* what) {
  if (ok) return;
  fprintf(stderr, "game log answer fuzzer: %s\n", what);
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  namespace fs = std::filesystem;
  // The reference files are read from the current directory, so the run moves into a
  // scratch folder that holds the sample set.
  fs::path dir = fs::temp_directory_path() / ("kv_fuzz_gamelog_" + std::to_string(getpid()));
  std::string error;
  if (!WriteSample(KV_SAMPLE_REFDATA, (dir / "KV_GameRefData").string(), error)) {
    fprintf(stderr, "cannot write the sample reference data: %s\n", error.c_str());
    exit(1);
  }
  fs::path previous = fs::current_path();
  fs::current_path(dir);
  g_refData = new CGameRefData;
  bool loaded = g_refData->Load();
  fs::current_path(previous);
  fs::remove_all(dir);
  if (!loaded) {
    fprintf(stderr, "the sample reference data did not load\n");
    exit(1);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const SplitAnswer input(data, size, 6);
  MassiveMsgBuilder builder(0x8001);
  GameLogAnswer answer = ReadGameLogAnswer(input.Build(builder));
  size_t rows = answer.charRows.size() + answer.itemRows.size();
  Check(rows <= answer.rowCount, "more rows than announced");
  bool known = answer.queryKind >= 1 && answer.queryKind <= 4;
  if (!answer.cutShort && !answer.failed && known) Check(rows == answer.rowCount, "a whole answer lost rows");

  // The same bytes through the page's session: list rows or history lines, all bounded.
  MassiveMsgBuilder again(0x8001);
  GameLogSession session(*g_refData);
  GameLogAnswerSteps steps = session.OnAnswer(input.Build(again));
  Check(steps.rows.size() + steps.history.size() == rows, "rows and history lines differ from the records");
  for (const ListRow& row : steps.rows) {
    for (const std::string& cell : row.cells) Check(cell.size() < kLineChars, "a cell past its line buffer");
    int64_t serial = 0;
    if (row.itemData) Check(session.SerialOfRow(row.itemData, &serial), "an item row names no serial");
  }
  for (const SerialHistoryEntry& entry : steps.history) {
    for (const std::string& text : entry.texts) Check(text.size() < kLineChars, "a history text past its buffer");
  }
  return 0;
}
