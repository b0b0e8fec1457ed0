#pragma once
// Number conversion of tokens, as the C runtime's atoi and atof read them.
#include <cstdint>

// Leading blanks, an optional sign, decimal digits up to the first other character;
// no digits gives 0. Out-of-range values saturate at INT32_MIN / INT32_MAX, as the
// console's runtime does, instead of being undefined.
int32_t RefAtoi(const char* text);

// atof narrowed to a 32-bit float.
float RefAtof(const char* text);
