// Siege log answers as a shard might garble them: any bytes, split into parts at points
// the input chooses. Reading must never throw; a whole answer must give back its own
// bytes when its rows are written again; every text must stay within its line.
#include <cstdint>

#include "OpsLogFuzzSupport.h"
#include "opslog/SiegeLogTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  CheckPagedAnswer(data, size, kSiegeLog, SiegeLogRowCells);
  return 0;
}
