#pragma once
// The texts of the server event log: the five cells of an answer row and the names of
// the server events the operator picks from. Each cell is cut to 1023 characters; the
// description is shown as the server sent it, never used as a format.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/LogChoice.h"
#include "opslog/ServerEventLogRecord.h"
#include "refdata/KV_GameRefData.h"

// ID, Time, ServerEventID, LogType, Description.
typedef std::array<std::string, 5> ServerEventCells;
ServerEventCells ServerEventRowCells(const ServerEventLogRow& row);

// The text key of a server event's name: "SN_SERVER_EVENT_MISSION_" and the decimal id.
// An id whose decimal text passes 9 characters cannot be keyed: the empty text.
std::string ServerEventNameKey(int32_t id);

// "ServerEventName" entries: every server event in ascending id order, named by the
// text of its key (the empty text when the table has none or the id cannot be keyed),
// with its id. None without reference data.
std::vector<ChoiceEntry> ServerEventEntries(const CGameRefData* data);
