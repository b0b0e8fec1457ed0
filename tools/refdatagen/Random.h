#pragma once
#include <cstdint>

// SplitMix64: small, fast and the same on every platform, unlike the standard
// distributions.
class CRandom {
 public:
  explicit CRandom(uint64_t seed) : m_State(seed) {}
  uint64_t Next() {
    uint64_t z = (m_State += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  uint64_t m_State;
};
