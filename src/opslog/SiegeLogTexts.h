#pragma once
// The texts of a siege log row: the Event and Description columns chosen by the row's
// event code, and the Time column. Each text is cut to 1023 characters; server texts
// (guild, structure, item and object names, reward texts) are arguments, never formats.
#include <array>
#include <string>

#include "opslog/SiegeLogRecord.h"

// Event, Description, Time.
typedef std::array<std::string, 3> SiegeLogCells;
SiegeLogCells SiegeLogRowCells(const SiegeLogRow& row);
