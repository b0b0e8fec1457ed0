#pragma once
// The objects the console hands the plug-in, each with its full table: the slots the
// plug-in uses forward to KalderaSim, every other slot notes that it was called.
#include "ConsoleDeclarations.h"
#include "ConsoleSide.h"

class CConsoleMessenger {
 public:
  CConsoleMessenger(KvSimSide* sim, void* network) : m_sim(sim), m_network(network) {}
  virtual void Reserved0();
  virtual void Reserved1();
  virtual CMsg* AllocMsg(uint32_t id);  // 2
  virtual void Reserved3();
  virtual void SendMsg(CMsg* msg);  // 4
  virtual void Reserved5();
  virtual void Reserved6();
  virtual void Reserved7();
  virtual void Reserved8();
  virtual void Reserved9();
  virtual void Reserved10();
  virtual void* GetNetwork();  // 11

 private:
  KvSimSide* m_sim;
  void* m_network;
};

struct KDServiceRecord;
struct KDShardRecord;
struct KDList;

class CConsoleDirectory {
 public:
  explicit CConsoleDirectory(KvSimSide* sim) : m_sim(sim) {}
  virtual void Reserved0();
  virtual void Reserved1();
  virtual void Reserved2();
  virtual KDServiceRecord* FindService(uint32_t id);  // 3
  virtual void Reserved4();
  virtual void Reserved5();
  virtual void Reserved6();
  virtual void Reserved7();
  virtual void Reserved8();
  virtual KDShardRecord* FindShard(uint32_t id);  // 9
  virtual void Reserved10();
  virtual void Reserved11();
  virtual void Reserved12();
  virtual KDList* GetWorldList();  // 13
  virtual void Reserved14();
  virtual void Reserved15();
  virtual KDList* GetShardList();  // 16

 private:
  KvSimSide* m_sim;
};

// The third interface: kept by the plug-in, never called. Its table is the console's
// business; these slots only report a call.
class CConsoleThird {
 public:
  explicit CConsoleThird(KvSimSide* sim) : m_sim(sim) {}
  virtual void Reserved0();
  virtual void Reserved1();
  virtual void Reserved2();
  virtual void Reserved3();

 private:
  KvSimSide* m_sim;
};

// The network object: a table of free functions that take the object as their first
// argument. The plug-in only asks for it.
struct KDNetwork;
typedef void(__cdecl* NetworkOp)(KDNetwork* self);
struct KDNetwork {
  const NetworkOp* ops;
  KvSimSide* sim;
};

struct KvConsoleSide {
  explicit KvConsoleSide(KvSimSide* simSide);

  KvSimSide* sim;
  KDNetwork network;
  CConsoleMessenger messenger;
  CConsoleDirectory directory;
  CConsoleThird third;
};
