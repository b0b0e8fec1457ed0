#pragma once
// The reference files CGameRefData::Load reads, and the work any loader of them pays:
// each file read whole and converted from UTF-16 in one piece, with the module's own
// read and conversion (the Windows build reads and converts with the system's calls).
// The loader itself reads and converts a slice at a time into the window it parses; the
// floor stays the plain whole-file way, and the loader's way is timed beside it.
#include <cstdint>
#include <string>
#include <vector>

// The thirteen top files in the loader's order, each list followed by the record files
// it names (read with the module's own parser). False when a list cannot be read.
bool CollectRefInputs(std::vector<std::string>& paths);

// Reads every file whole, without converting; false when one cannot be read.
bool ReadRefInputs(const std::vector<std::string>& paths, uint64_t& rawBytes);

// Reads every file whole and converts it in one piece (the floor); false when one
// cannot be read or converted.
bool ReadAndConvertRefInputs(const std::vector<std::string>& paths, uint64_t& convertedBytes);

// Reads and converts every file the way the loader does as it parses, a slice at a time
// into the window it scans, keeping nothing; false when one cannot be read or converted.
bool ReadAndConvertAsLoaderRefInputs(const std::vector<std::string>& paths, uint64_t& convertedBytes);
