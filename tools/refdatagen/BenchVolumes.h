#pragma once
// Reference data at the volume of a live game, for load benchmarks: the same thirteen
// files as the sample, with tens of thousands of records spread over several listed
// files and a text table of some hundred thousand lines. Fixed seed: the same scale
// gives the same bytes on every run.
#include <cstdint>
#include <string>

struct BenchScale {
  int items = 40000;
  int itemFiles = 8;
  int chars = 20000;
  int charFiles = 4;
  int skills = 30000;
  int skillFiles = 6;
  int quests = 5000;
  int textLines = 250000;  // at least one name per item, character, skill and quest
};

struct BenchTotals {
  int files = 0;
  uint64_t lines = 0;
  uint64_t bytes = 0;
};

bool WriteBenchVolumes(const std::string& outDir, const BenchScale& scale, BenchTotals& totals,
                       std::string& error);
