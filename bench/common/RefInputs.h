#pragma once
// The reference files CGameRefData::Load reads, and the work any loader of them pays:
// the whole-file read and the conversion from UTF-16, exactly as the loader does them
// (the Windows build reads and converts with the system's calls).
#include <cstdint>
#include <string>
#include <vector>

// The thirteen top files in the loader's order, each list followed by the record files
// it names (read with the module's own parser). False when a list cannot be read.
bool CollectRefInputs(std::vector<std::string>& paths);

// Reads every file whole, without converting; false when one cannot be read.
bool ReadRefInputs(const std::vector<std::string>& paths, uint64_t& rawBytes);

// Reads and converts every file as the loader does before it parses; false when one
// cannot be read or converted.
bool ReadAndConvertRefInputs(const std::vector<std::string>& paths, uint64_t& convertedBytes);
