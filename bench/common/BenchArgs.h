#pragma once
// The command line every benchmark takes, and the volumes folder the native ones use.
//   <name> [--dir <folder holding KV_GameRefData>] [--runs N]
#include <string>

struct BenchArgs {
  std::string dir;
  int runs = 0;
};

// Reads the switches over the defaults; false (after printing the usage line) when one
// is unknown or lacks its value.
bool ParseBenchArgs(int argc, char** argv, const char* name, BenchArgs* args);

// Generates the benchmark volumes into dir/KV_GameRefData when they are not there yet,
// then makes dir the current directory. False (after printing why) when either fails.
bool EnterBenchVolumes(const std::string& dir, const char* name);

// Makes dir, the native build's volumes, the current directory of a Wine benchmark,
// which cannot generate them; false after saying how to get them.
bool EnterGeneratedVolumes(const std::string& dir, const char* name);
