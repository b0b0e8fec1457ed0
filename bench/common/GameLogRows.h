#pragma once
// Game log rows as a live game's answers hold them, for the benchmarks: the item
// operations and character events an operator meets most, with the item identifiers,
// texts and amounts of the benchmark volumes. The rows of one answer lie in one minute,
// a second apart.
#include <cstddef>
#include <vector>

#include "gamelog/GameLogRecord.h"

std::vector<GameLogItemRecord> BenchItemRows(size_t count);
std::vector<GameLogCharRecord> BenchCharRows(size_t count);
