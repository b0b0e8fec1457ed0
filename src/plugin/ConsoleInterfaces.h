#pragma once
// The Kaldera console's side of the binary interface, as the module uses it (i686,
// console built by another compiler). Interfaces are classes with only virtual
// functions; unused slots are placeholders so that used ones sit at their slot numbers.
// Member calls use __thiscall, g++'s default for member functions on i686 MinGW.
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/LogOutput.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"

struct sPluginCreateInfo;

// Ours, handed to the console. Slot 4 is the console compiler's deleting destructor:
// one flags argument, bit 0 = free the memory. g++'s own virtual destructor would take
// two slots, so there is none before it.
class IKDPlugin {
 public:
  virtual bool Initialize(sPluginCreateInfo* info) = 0;     // slot 0
  virtual void ClearGameLog() = 0;                         // slot 1
  virtual HWND GetWindow() = 0;                            // slot 2
  virtual bool OnMessage(CMsg* msg, CMassiveMsg* massive) = 0;  // slot 3
  virtual void* DeletingDestructor(uint32_t flags) = 0;    // slot 4

 protected:
  ~IKDPlugin() = default;
};

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
  virtual void* GetNetwork() = 0;           // slot 11: kept, never used

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

struct sPluginCreateInfo {
  HWND hParent;                // 0
  IKDMessenger* pMessenger;    // 4
  IKDDirectory* pDirectory;    // 8
  void* pThird;                // 12: kept, never used
  uint32_t startMode;          // 16: 1 = refuse to start
  uint32_t reserved;           // 20
  HINSTANCE hInstance;         // 24
  IKDPlugin* pPlugin;          // 28: out
  char* pName;                 // 32: 260 characters, out
  LogOutputFunc pLogOutput;    // 36: may be null
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(sPluginCreateInfo) == 40, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, hInstance) == 24, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pPlugin) == 28, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pName) == 32, "sPluginCreateInfo layout");
static_assert(offsetof(sPluginCreateInfo, pLogOutput) == 36, "sPluginCreateInfo layout");
static_assert(offsetof(KDShardRecord, name) == 4, "shard record layout");
static_assert(offsetof(KDShardRecord, managerServiceId) == 550, "shard record layout");
static_assert(offsetof(KDServiceRecord, state) == 16, "service record layout");
static_assert(offsetof(KDWorldEntry, name) == 1, "world entry layout");
static_assert(sizeof(KDListNode) == 12 && sizeof(KDList) == 8, "list layout");
#endif

// The decorated name under which the console looks the entry up.
#define KV_CREATEPLUGIN_EXPORT "?CreatePlugin@@YA_NPAUsPluginCreateInfo@@@Z"
typedef bool(KV_CDECL* CreatePluginFunc)(sPluginCreateInfo* info);
