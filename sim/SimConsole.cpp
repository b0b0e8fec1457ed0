#include "SimConsole.h"

#include <psapi.h>

#include <algorithm>

#include "ShownPath.h"
#include "msg/MsgIds.h"
#include "opslog/KDLogAnswer.h"

namespace {

const char kClassName[] = "KalderaSimConsole";
enum : UINT { WM_SIM_DELIVER = WM_APP + 1 };
const int kLogPaneId = 100;
const int kLogPaneMinHeight = 120;

// The commit charge: what Windows counts as private bytes, and what Wine fills in
// (it leaves PrivateUsage 0).
uint64_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return counters.PagefileUsage;
}

double SecondsSince(const LARGE_INTEGER& before) {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart - before.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool RegisterConsoleClass(WNDPROC proc) {
  WNDCLASSA wc{};
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoA(instance, kClassName, &wc)) return true;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  return RegisterClassA(&wc) != 0;
}

}  // namespace

CSimConsole::CSimConsole() {
  m_splitter = [this](size_t size) { return m_splits.Next(size); };
}

CSimConsole::~CSimConsole() { Stop(); }

bool CSimConsole::Start(const SimConsoleArgs& args, std::string* error) {
  Stop();
  m_config = args.config;
  m_quitOnClose = args.quitOnClose;
  m_messenger = std::make_unique<CSimMessenger>(&m_log, [this] {
    if (m_hwnd) PostMessageA(m_hwnd, WM_SIM_DELIVER, 0, 0);
  });
  m_directory = std::make_unique<CSimDirectory>(m_config, &m_log);
  m_kdlog = std::make_unique<CKDLogService>(args.kdlog);
  m_shards = std::make_unique<CShardManager>(m_directory.get(), &m_log);
  m_gamelog = std::make_unique<CGameLogService>(args.gamelog, m_config);
  // The simulated servers behind the shard managers, by inner request.
  m_shards->Register(kMsgGameLogQuery, [this](CMsg* request, const RelayHead& head, MassiveMsgBuilder* answer) {
    return m_gamelog->Serve(request, head, answer, &m_log);
  });
  m_siegelog = std::make_unique<CPagedLogService<SiegeLogRow>>(kSiegeLogServing, args.siegelog, m_config);
  m_shards->Register(kMsgSiegeLogQuery, [this](CMsg* request, const RelayHead& head, MassiveMsgBuilder* answer) {
    return m_siegelog->Serve(request, head, answer, &m_log);
  });
  m_serverevent =
      std::make_unique<CPagedLogService<ServerEventLogRow>>(kServerEventLogServing, args.serverevent, m_config);
  m_shards->Register(kMsgServerEventQuery, [this](CMsg* request, const RelayHead& head, MassiveMsgBuilder* answer) {
    return m_serverevent->Serve(request, head, answer, &m_log);
  });

  if (!RegisterConsoleClass(WndProc)) {
    *error = "cannot register the console window class";
    return false;
  }
  m_hwnd = CreateWindowExA(0, kClassName, "KalderaSim", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, args.width,
                           args.height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (!m_hwnd || !m_pane.Create(m_hwnd, kLogPaneId, &m_log)) {
    *error = "cannot create the console window";
    Stop();
    return false;
  }
  m_log.SetListener([this] {
    LARGE_INTEGER before;
    QueryPerformanceCounter(&before);
    m_pane.Refresh();
    if (m_delivery.begin) m_delivery.logPaneSeconds += SecondsSince(before);
  });

  m_figures = SimStartFigures();
  m_figures.privateBeforeModule = PrivateBytes();
  if (!m_module.Load(args.dllPath.c_str(), error)) {
    Stop();
    return false;
  }
  sPluginCreateInfo info{};
  info.hParent = m_hwnd;
  info.pMessenger = m_messenger.get();
  info.pDirectory = m_directory.get();
  info.pThird = &m_third;
  info.startMode = 0;
  // The record's instance is the one the plug-in registers its classes and loads its
  // dialog templates with, so it is the plug-in module's own handle.
  info.hInstance = m_module.Instance();
  info.pName = m_name;
  info.pLogOutput = &CSimLog::Output;
  LARGE_INTEGER frequency, before, after;
  QueryPerformanceFrequency(&frequency);
  m_figures.privateBeforeEntry = PrivateBytes();
  if (args.consoleCompilerCalls)
    m_consoleCalls = std::make_unique<CConsoleSideCalls>(m_messenger.get(), m_directory.get(), &m_log);
  QueryPerformanceCounter(&before);
  const bool started = m_consoleCalls ? m_consoleCalls->CreatePlugin(m_module.Entry(), info.hParent, info.hInstance,
                                                                     info.pName, &info.pPlugin)
                                      : m_module.Entry()(&info);
  QueryPerformanceCounter(&after);
  m_figures.privateAfterEntry = PrivateBytes();
  m_figures.entryBegin = before.QuadPart;
  m_figures.entryEnd = after.QuadPart;
  m_figures.ticksPerSecond = frequency.QuadPart;
  if (!started || !info.pPlugin) {
    *error = "CreatePlugin refused to start";
    Stop();
    return false;
  }
  m_plugin = info.pPlugin;
  m_log.Note("loaded %s as \"%s\"", PathFromWorkingFolder(args.dllPath).c_str(), m_name);
  Layout();
  if (args.show) {
    ShowWindow(m_hwnd, SW_SHOW);
    UpdateWindow(m_hwnd);
  }
  return true;
}

void CSimConsole::Stop() {
  // Order matters: the plug-in's windows live in the DLL's code, so they go first
  // (with the console window that parents them); then the DLL; then our records.
  m_log.SetListener(nullptr);
  if (m_hwnd) DestroyWindow(m_hwnd);
  m_hwnd = nullptr;
  m_plugin = nullptr;
  m_module.Unload();
  m_consoleCalls.reset();
  m_messenger.reset();
  m_directory.reset();
  m_kdlog.reset();
  m_shards.reset();
  m_gamelog.reset();
  m_siegelog.reset();
  m_serverevent.reset();
}

HWND CSimConsole::PluginWindow() const {
  if (!m_plugin) return nullptr;
  return m_consoleCalls ? m_consoleCalls->GetWindow(m_plugin) : m_plugin->GetWindow();
}

LRESULT CALLBACK CSimConsole::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    reinterpret_cast<CSimConsole*>(cs->lpCreateParams)->m_hwnd = hwnd;
  }
  auto* self = reinterpret_cast<CSimConsole*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  return self->Handle(msg, wp, lp);
}

LRESULT CSimConsole::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_MEASUREITEM:
      if (wp == kLogPaneId) {
        m_pane.Measure(reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_DRAWITEM:
      if (wp == kLogPaneId) {
        m_pane.Draw(reinterpret_cast<DRAWITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_SIM_DELIVER:
      DeliverOne();
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
      m_hwnd = nullptr;
      if (m_quitOnClose) PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(m_hwnd, msg, wp, lp);
}

void CSimConsole::Layout() {
  RECT rc;
  GetClientRect(m_hwnd, &rc);
  int paneHeight = rc.bottom / 5 > kLogPaneMinHeight ? rc.bottom / 5 : kLogPaneMinHeight;
  int top = rc.bottom - paneHeight;
  if (top < 0) top = 0;
  if (HWND plugin = PluginWindow()) MoveWindow(plugin, 0, 0, rc.right, top, TRUE);
  if (m_pane.Window()) MoveWindow(m_pane.Window(), 0, top, rc.right, rc.bottom - top, TRUE);
}

void CSimConsole::DeliverOne() {
  std::unique_ptr<CMsg> request = m_messenger ? m_messenger->TakeSent() : nullptr;
  if (!request) return;
  SimRequest seen;
  seen.id = GetID(request.get());
  // Read within the record whatever the plug-in left in its write position.
  size_t end = std::min<size_t>(std::max<size_t>(request->m_WritePos, kMsgHeaderSize), kMsgCapacity);
  seen.payload.assign(request->m_Storage + kMsgHeaderSize, request->m_Storage + end);
  m_requests.push_back(seen);
  m_delivery.begin = 0;
  m_delivery.onMessageSeconds = 0;
  m_delivery.logPaneSeconds = 0;
  Serve(request.get());
  ++m_delivery.count;
}

void CSimConsole::Serve(CMsg* request) {
  // The simulated servers, by the request they answer.
  static const struct {
    uint16_t id;
    void (CSimConsole::*serve)(CMsg* request);
  } kServices[] = {
      {kMsgKDLogQuery, &CSimConsole::ServeKDLog},
      {kMsgRelay, &CSimConsole::ServeRelay},
  };
  for (const auto& service : kServices) {
    if (service.id == GetID(request)) {
      (this->*service.serve)(request);
      return;
    }
  }
  m_log.Note("^3no simulated server answers request 0x%04X (%u payload bytes)", GetID(request),
             static_cast<unsigned>(PayloadSize(request)));
}

void CSimConsole::ServeKDLog(CMsg* request) {
  KDLogRequest query;
  MassiveMsgBuilder answer(kMsgKDLogAnswer);
  if (!ReadKDLogRequest(request, &query)) {
    m_log.Note("^2console log request 0x%04X is malformed; answering failure", kMsgKDLogQuery);
    ByteWriter writer = answer.Writer();
    WriteKDLogAnswer(writer, kLogAnswerFailed, {});
  } else {
    size_t n = m_kdlog->Answer(query, &answer);
    m_log.Note("console log service: user \"%s\", category %u, %s .. %s: %u records", query.userName.c_str(),
               query.category, query.beginTime.c_str(), query.endTime.c_str(), static_cast<unsigned>(n));
  }
  HandOver(&answer);
}

void CSimConsole::ServeRelay(CMsg* request) {
  ShardReply reply;
  if (!m_shards->Serve(request, &reply)) return;
  HandOver(reply.relayAnswer.get());
  if (reply.answer) HandOver(reply.answer.get());
}

bool CSimConsole::Offer(CMsg* msg, CMassiveMsg* massive, bool* taken) {
  LARGE_INTEGER before;
  QueryPerformanceCounter(&before);
  if (!m_delivery.begin) m_delivery.begin = before.QuadPart;
  bool thrown = false;
  try {
    *taken = m_consoleCalls ? m_consoleCalls->OnMessage(m_plugin, msg, massive) : m_plugin->OnMessage(msg, massive);
  } catch (...) {
    thrown = true;
  }
  m_delivery.onMessageSeconds += SecondsSince(before);
  return !thrown;
}

void CSimConsole::HandOver(CMsg* answer) {
  if (!m_plugin) return;
  bool taken = false;
  if (!Offer(answer, nullptr, &taken)) {
    m_log.Note("^2an exception left the plug-in's OnMessage (answer 0x%04X)", GetID(answer));
    return;
  }
  if (!taken) m_log.Note("^3the plug-in did not take answer 0x%04X", GetID(answer));
}

void CSimConsole::HandOver(MassiveMsgBuilder* answer) {
  if (!m_plugin) return;
  CMassiveMsg* massive = answer->BuildAt(m_splitter(answer->Size()));
  bool taken = false;
  if (!Offer(nullptr, massive, &taken)) {
    m_log.Note("^2an exception left the plug-in's OnMessage (answer 0x%04X)", GetID(massive));
    return;
  }
  if (!taken) m_log.Note("^3the plug-in did not take answer 0x%04X", GetID(massive));
}
