#pragma once
// The farm the tests of the shard managers' log services run on.

// Shard 1 behind manager service 101, shard 2 behind 102; no shard behind any other.
inline const char kTwoShardFarm[] =
    "world Velmora\n"
    "shard 1 101 Velmora-Ember\n"
    "shard 2 102 Velmora-Tide\n";
