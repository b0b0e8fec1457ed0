#pragma once
// The console's messaging and directory interfaces as the module reaches them (i686,
// console built by another compiler). Interfaces are classes with only virtual
// functions; unused slots are placeholders so that used ones sit at their slot numbers.
// Member calls use __thiscall, g++'s default for member functions on i686 MinGW.
// Portable: native tests supply their own console behind the same interfaces.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/LogChoice.h"
#include "msg/Msg.h"

class IKDMessenger {
 public:
  virtual void Reserved0() = 0;
  virtual void Reserved1() = 0;
  virtual CMsg* AllocMsg(uint32_t id) = 0;  // slot 2: header carries id, positions at 6
  virtual void Reserved3() = 0;
  virtual void SendMsg(CMsg* msg) = 0;      // slot 4: the console takes the record over
  virtual void Reserved5() = 0;
  virtual void Reserved6() = 0;
  virtual void Reserved7() = 0;
  virtual void Reserved8() = 0;
  virtual void Reserved9() = 0;
  virtual void Reserved10() = 0;
  virtual void* GetNetwork() = 0;           // slot 11: asked for once at start, never used

 protected:
  ~IKDMessenger() = default;
};

// Directory records, at the offsets the module reads (the rest is the console's).
struct KDShardRecord {
  uint16_t id;
  uint16_t reserved0;
  char name[64];
  uint8_t reserved1[550 - 68];
  uint16_t managerServiceId;
};

struct KDServiceRecord {
  uint16_t id;
  uint8_t reserved[14];
  uint32_t state;  // 4 and 5 count as running
};

struct KDWorldEntry {
  uint8_t reserved;
  char name[1];  // zero-terminated, runs on beyond this declaration
};

struct KDListNode {
  KDListNode* next;
  KDListNode* prev;
  void* element;
};

struct KDList {
  void* reserved;
  KDListNode* sentinel;
};

class IKDDirectory {
 public:
  virtual void Reserved0() = 0;
  virtual void Reserved1() = 0;
  virtual void Reserved2() = 0;
  virtual KDServiceRecord* FindService(uint32_t id) = 0;  // slot 3
  virtual void Reserved4() = 0;
  virtual void Reserved5() = 0;
  virtual void Reserved6() = 0;
  virtual void Reserved7() = 0;
  virtual void Reserved8() = 0;
  virtual KDShardRecord* FindShard(uint32_t id) = 0;      // slot 9
  virtual void Reserved10() = 0;
  virtual void Reserved11() = 0;
  virtual void Reserved12() = 0;
  virtual KDList* GetWorldList() = 0;                     // slot 13
  virtual void Reserved14() = 0;
  virtual void Reserved15() = 0;
  virtual KDList* GetShardList() = 0;                     // slot 16

 protected:
  ~IKDDirectory() = default;
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(KDShardRecord, name) == 4, "shard record layout");
static_assert(offsetof(KDShardRecord, managerServiceId) == 550, "shard record layout");
static_assert(offsetof(KDServiceRecord, state) == 16, "service record layout");
static_assert(offsetof(KDWorldEntry, name) == 1, "world entry layout");
static_assert(sizeof(KDListNode) == 12 && sizeof(KDList) == 8, "list layout");
#endif

// Process-wide console pointers, written once by the plug-in entry on the console's
// thread before any window exists, read by every page. The network object and the
// third interface are never used, so they are not kept.
struct ConsoleLinks {
  IKDDirectory* directory = nullptr;
  IKDMessenger* messenger = nullptr;
};

ConsoleLinks& Console();

// Allocates record id from the console's messenger, has write fill it from request and
// sends it. False when there is no messenger or it hands out no record.
template <class Request>
bool SendConsoleMsg(uint32_t id, void (*write)(CMsg*, const Request&), const Request& request) {
  IKDMessenger* messenger = Console().messenger;
  if (!messenger) return false;
  CMsg* msg = messenger->AllocMsg(id);
  if (!msg) return false;
  write(msg, request);
  messenger->SendMsg(msg);
  return true;
}

// The shard record by identifier, or null (no directory, or no such shard).
KDShardRecord* FindShardRecord(uint16_t shardId);
// "Shard" entries: every shard of the shard list by name, with its identifier, in the
// console's order (a sorted box shows them by name).
std::vector<ChoiceEntry> ShardEntries();
// The name of the first entry of the world list, or null when the list is empty.
const char* FirstWorldName();
