#pragma once
// Operator messages towards the console's log view. Texts carry colour marks; the
// console shows them. A null log function silences every message.
#include <cstdint>

#include "base/Platform.h"

enum LogClass : uint32_t {
  kLogResult = 0,                  // results and confirmations
  kLogRefusal = 0x01000000,        // operator errors and refusals
  kLogDataError = 0x02000000,      // data errors
  kLogMissingEntry = 0x02000001,   // missing directory entries
};

typedef void(KV_CDECL* LogOutputFunc)(uint32_t classWord, const char* text);

// The process-wide log function, set once by the plug-in entry (or by a test).
void SetLogOutputFunc(LogOutputFunc func);

// Formats the message in 1024 characters (longer ones are cut) and hands it on.
void LogOutput(uint32_t classWord, const char* format, ...) KV_PRINTF(2, 3);
