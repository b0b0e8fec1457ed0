#include "GameLogRows.h"

std::vector<GameLogItemRecord> BenchItemRows(size_t count) {
  struct Row {
    uint8_t operation;
    uint32_t refItemId;
    uint32_t data;
    uint8_t storage, from, to;
    const char* text;
    int64_t amount;
  } const rows[] = {
      {10, 100001, 1, 0, 20, 6, "", 0},
      {10, 100041, 7, 3, 20, 21, "", 0},
      {20, 100002, 0x00640050, 0, 25, 40, "", 0},
      {21, 100003, 12, 0, 41, 30, "", 0},
      {22, 0, 0, 0, 0, 0, "1520000,88000", 5000},
      {30, 100004, 3, 0, 0, 30, "5512348,Kaonwind,Var:3", 0},
      {31, 100005, 1, 0, 22, 0, "5512348,Var:1", 0},
      {32, 100006, 0x00120001, 0, 0, 33, "1523000", 0},
      {33, 100007, 0x00120002, 0, 34, 0, "1529000", 0},
      {35, 100008, 2, 0, 0, 35, "1200/800", 0},
      {40, 100009, 0x00010000, 0, 0, 36, "", 0},
      {41, 100010, 0x00020004, 0, 37, 0, "", 0},
      {53, 0, 1, 0, 0, 0, "", 0},
      {54, 100011, 88, 0, 38, 1, "Var:1", 0},
      {57, 100012, 90, 0, 39, 40, "dur 90", 0},
      {72, 100013, 1, 0, 41, 2, "Var:2", 150000},
      {75, 100014, 0, 0, 42, 3, "2500000,Selene", 150000},
      {77, 100015, 0, 0, 4, 43, "900000,Selene,3", 120000},
      {80, 7, 0, 0, 0, 0, "1200000", -500},
      {90, 100016, 0x00050004, 0, 44, 0, "opt#1#2", 0},
      {91, 100017, 6, 0, 45, 0, "", 0},
      {100, 0, 1600000000, 0, 30, 0, "", 0},
      {111, 300005, 3600, 0, 0, 0, "", 0},
      {125, 100018, 0x55494C31, 0, 0, 0, "3", 0},
      {130, 100019, 0x00040304, 0, 46, 0, "opt", 0},
      {133, 100020, 0, 0, 47, 4, "opt#65546#131075", 0},
  };
  std::vector<GameLogItemRecord> records;
  for (int i = 0; records.size() < count; ++i) {
    const Row& row = rows[i % (sizeof rows / sizeof rows[0])];
    GameLogItemRecord r;
    r.serial = 4400000000LL + i;
    r.time = {2008, 3, 5, 7, 4, static_cast<uint16_t>(i % 60), 0};
    // Rows without an item keep none.
    r.refItemId = row.refItemId ? row.refItemId + static_cast<uint32_t>(i * 97 % 300) : 0;
    r.data = row.data;
    r.storage = row.storage;
    r.operation = row.operation;
    r.slotFrom = row.from;
    r.slotTo = row.to;
    r.position = "Region 25000 (6235, 114, 1021)";
    r.text = row.text;
    r.amount = row.amount;
    records.push_back(r);
  }
  return records;
}

// Logins, teleports, levels, skills, masteries, pets, quests, guild and console edits.
std::vector<GameLogCharRecord> BenchCharRows(size_t count) {
  struct Row {
    uint8_t eventId;
    uint32_t data1, data2;
    const char* position;
    const char* text;
  } const rows[] = {
      {4, 0, 0x0100007F, "", ""},
      {9, 0, 0, "Region 25000", "1523000"},
      {11, 1, 0, "Region 25000", "1520000"},
      {22, 41, 42, "Region 25000", ""},
      {23, 51234, 52345, "Region 25000", ""},
      {26, 257, 30, "Region 25000", "1200,300"},
      {27, 300010, 300011, "Region 25000", "400,100"},
      {27, 0, 300020, "Region 25000", "400,100"},
      {68, 0, 0, "Region 25000", "Windriders"},
      {100, 200100, 0, "Region 25000", ""},
      {199, 0, 0, "MCP", "Kaon,25000,6235,114,1021"},
      {200, 1010, 0, "Region 25000", ""},
      {201, 1011, 3, "Region 25000", ""},
      {210, 200120, 0, "Region 25000", ""},
      {214, 1000, 1400, "Region 25000", ""},
      {232, 0, 0, "Region 25000", "250000"},
  };
  std::vector<GameLogCharRecord> records;
  for (int i = 0; records.size() < count; ++i) {
    const Row& row = rows[i % (sizeof rows / sizeof rows[0])];
    GameLogCharRecord r;
    r.time = {2008, 3, 5, 7, 4, static_cast<uint16_t>(i % 60), 0};
    r.eventId = row.eventId;
    r.data1 = row.data1;
    r.data2 = row.data2;
    r.position = row.position;
    r.text = row.text;
    records.push_back(r);
  }
  return records;
}
