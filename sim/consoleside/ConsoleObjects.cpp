#include "ConsoleObjects.h"

namespace {

// The side lives in storage KalderaSim hands over; no allocator of this compiler's
// runtime is linked.
struct Place {};

const char kMessenger[] = "messenger";
const char kDirectory[] = "directory";
const char kThird[] = "third interface";
const char kNetwork[] = "network object";

template <int slot>
void __cdecl NetworkPlaceholder(KDNetwork* self) {
  KvSimUnexpected(self->sim, kNetwork, slot);
}

const NetworkOp kNetworkOps[] = {&NetworkPlaceholder<0>, &NetworkPlaceholder<1>, &NetworkPlaceholder<2>,
                                 &NetworkPlaceholder<3>};

}  // namespace

inline void* operator new(size_t, void* at, Place) noexcept { return at; }

void CConsoleMessenger::Reserved0() { KvSimUnexpected(m_sim, kMessenger, 0); }
void CConsoleMessenger::Reserved1() { KvSimUnexpected(m_sim, kMessenger, 1); }
CMsg* CConsoleMessenger::AllocMsg(uint32_t id) { return static_cast<CMsg*>(KvSimAllocMsg(m_sim, id)); }
void CConsoleMessenger::Reserved3() { KvSimUnexpected(m_sim, kMessenger, 3); }
void CConsoleMessenger::SendMsg(CMsg* msg) { KvSimSendMsg(m_sim, msg); }
void CConsoleMessenger::Reserved5() { KvSimUnexpected(m_sim, kMessenger, 5); }
void CConsoleMessenger::Reserved6() { KvSimUnexpected(m_sim, kMessenger, 6); }
void CConsoleMessenger::Reserved7() { KvSimUnexpected(m_sim, kMessenger, 7); }
void CConsoleMessenger::Reserved8() { KvSimUnexpected(m_sim, kMessenger, 8); }
void CConsoleMessenger::Reserved9() { KvSimUnexpected(m_sim, kMessenger, 9); }
void CConsoleMessenger::Reserved10() { KvSimUnexpected(m_sim, kMessenger, 10); }
void* CConsoleMessenger::GetNetwork() { return m_network; }

void CConsoleDirectory::Reserved0() { KvSimUnexpected(m_sim, kDirectory, 0); }
void CConsoleDirectory::Reserved1() { KvSimUnexpected(m_sim, kDirectory, 1); }
void CConsoleDirectory::Reserved2() { KvSimUnexpected(m_sim, kDirectory, 2); }
KDServiceRecord* CConsoleDirectory::FindService(uint32_t id) {
  return static_cast<KDServiceRecord*>(KvSimFindService(m_sim, id));
}
void CConsoleDirectory::Reserved4() { KvSimUnexpected(m_sim, kDirectory, 4); }
void CConsoleDirectory::Reserved5() { KvSimUnexpected(m_sim, kDirectory, 5); }
void CConsoleDirectory::Reserved6() { KvSimUnexpected(m_sim, kDirectory, 6); }
void CConsoleDirectory::Reserved7() { KvSimUnexpected(m_sim, kDirectory, 7); }
void CConsoleDirectory::Reserved8() { KvSimUnexpected(m_sim, kDirectory, 8); }
KDShardRecord* CConsoleDirectory::FindShard(uint32_t id) {
  return static_cast<KDShardRecord*>(KvSimFindShard(m_sim, id));
}
void CConsoleDirectory::Reserved10() { KvSimUnexpected(m_sim, kDirectory, 10); }
void CConsoleDirectory::Reserved11() { KvSimUnexpected(m_sim, kDirectory, 11); }
void CConsoleDirectory::Reserved12() { KvSimUnexpected(m_sim, kDirectory, 12); }
KDList* CConsoleDirectory::GetWorldList() { return static_cast<KDList*>(KvSimWorldList(m_sim)); }
void CConsoleDirectory::Reserved14() { KvSimUnexpected(m_sim, kDirectory, 14); }
void CConsoleDirectory::Reserved15() { KvSimUnexpected(m_sim, kDirectory, 15); }
KDList* CConsoleDirectory::GetShardList() { return static_cast<KDList*>(KvSimShardList(m_sim)); }

void CConsoleThird::Reserved0() { KvSimUnexpected(m_sim, kThird, 0); }
void CConsoleThird::Reserved1() { KvSimUnexpected(m_sim, kThird, 1); }
void CConsoleThird::Reserved2() { KvSimUnexpected(m_sim, kThird, 2); }
void CConsoleThird::Reserved3() { KvSimUnexpected(m_sim, kThird, 3); }

KvConsoleSide::KvConsoleSide(KvSimSide* simSide)
    : sim(simSide), network{kNetworkOps, simSide}, messenger(simSide, &network), directory(simSide), third(simSide) {}

extern "C" size_t __cdecl KvConsoleSideSize(void) { return sizeof(KvConsoleSide); }

extern "C" KvConsoleSide* __cdecl KvConsoleSideOpen(void* storage, KvSimSide* sim) {
  return new (storage, Place()) KvConsoleSide(sim);
}
