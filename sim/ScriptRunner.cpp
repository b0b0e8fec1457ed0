#include "ScriptRunner.h"

#include "PluginWindows.h"
#include "Screenshot.h"
#include "base/Format.h"
#include "plugin/TabCaptions.h"

namespace {

CScriptRunner* g_runner = nullptr;  // a window-less timer carries no context

// Pauses that let the windows repaint and posted answers arrive between steps.
const UINT kSettleMs = 300;
const UINT kPollMs = 50;
const DWORD kAnswerTimeoutMs = 10000;

// The query button of each page, in tab order.
const int kQueryButtons[4] = {1000, 1010, 1034, 1041};
// The list view of the game log page, the one with a row menu.
const int kRowMenuList = 1007;

}  // namespace

CScriptRunner::CScriptRunner(CSimConsole* console, std::vector<SimStep> steps,
                             std::function<void(const std::string&)> say)
    : m_console(console), m_steps(std::move(steps)), m_say(std::move(say)) {
  g_runner = this;
}

CScriptRunner::~CScriptRunner() {
  if (m_timer) KillTimer(nullptr, m_timer);
  if (g_runner == this) g_runner = nullptr;
}

void CScriptRunner::Start() { Schedule(kSettleMs); }

void CALLBACK CScriptRunner::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (g_runner && g_runner->m_timer == id) {
    g_runner->m_timer = 0;
    g_runner->Tick();
  }
}

void CScriptRunner::Schedule(UINT ms) { m_timer = SetTimer(nullptr, 0, ms ? ms : 1, OnTimer); }

void CScriptRunner::Tick() {
  if (m_waitingForAnswers) {
    bool answered = m_console->Messenger().SentWaiting() == 0;
    if (!answered && GetTickCount() - m_waitStart < kAnswerTimeoutMs) {
      Schedule(kPollMs);
      return;
    }
    m_waitingForAnswers = false;
    if (!answered) Fail("no answer within 10 seconds");
    Schedule(kSettleMs);
    return;
  }
  if (m_next >= m_steps.size()) return;
  UINT pause = Run(m_steps[m_next++]);
  if (m_console->Window() && (m_next < m_steps.size() || m_waitingForAnswers)) Schedule(pause);
}

HWND CScriptRunner::Strip() const { return FindTabStrip(m_console->PluginWindow()); }

UINT CScriptRunner::Run(const SimStep& step) {
  const char* world = m_console->Config().worlds.empty() ? "" : m_console->Config().worlds[0].c_str();
  switch (step.kind) {
    case SimStepKind::Tab:
      if (!ClickTab(Strip(), TabCaptions(world), static_cast<size_t>(step.number))) {
        Fail(FormatString(kLineChars, "cannot click tab %d: no tab strip", step.number));
      } else {
        m_tab = step.number;
        m_say(FormatString(kLineChars, "clicked tab %d (%s)", step.number, TabCaptions(world)[step.number].c_str()));
      }
      return kSettleMs;
    case SimStepKind::Set: {
      HWND page = VisiblePage(Strip());
      if (!page || !SetPageControl(page, step.number, step.text.c_str()))
        Fail(FormatString(kLineChars, "cannot set control %d to \"%s\"", step.number, step.text.c_str()));
      else
        m_say(FormatString(kLineChars, "set control %d to \"%s\"", step.number, step.text.c_str()));
      return kPollMs;
    }
    case SimStepKind::Query:
    case SimStepKind::Click: {
      HWND page = VisiblePage(Strip());
      int id = step.kind == SimStepKind::Click ? step.number : m_tab >= 0 ? kQueryButtons[m_tab] : 0;
      HWND button = page && id ? GetDlgItem(page, id) : nullptr;
      if (!button) {
        Fail(FormatString(kLineChars, "no page on show with button %d (click a tab first)", id));
        return kPollMs;
      }
      SendMessageA(button, BM_CLICK, 0, 0);
      m_say(FormatString(kLineChars, "pressed button %d", id));
      m_waitingForAnswers = true;
      m_waitStart = GetTickCount();
      return kPollMs;
    }
    case SimStepKind::Row: {
      HWND page = VisiblePage(Strip());
      if (!page || !SelectListRow(page, kRowMenuList, step.number))
        Fail(FormatString(kLineChars, "no row %d in the list of the page on show", step.number));
      else
        m_say(FormatString(kLineChars, "selected row %d", step.number));
      return kPollMs;
    }
    case SimStepKind::Menu:
    case SimStepKind::BoxClick: {
      bool done = false;
      if (step.kind == SimStepKind::Menu) {
        HWND page = VisiblePage(Strip());
        done = page && ChooseListMenuCommand(page, kRowMenuList, static_cast<WORD>(step.number));
      } else if (HWND box = FindModalBox()) {
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(step.number, BN_CLICKED), 0);
        done = true;
      }
      if (!done) {
        Fail(FormatString(kLineChars, "no %s for command %d", step.kind == SimStepKind::Menu ? "list" : "modal box",
                          step.number));
        return kPollMs;
      }
      m_say(FormatString(kLineChars, "chose command %d of the %s", step.number,
                         step.kind == SimStepKind::Menu ? "row menu" : "modal box"));
      m_waitingForAnswers = true;
      m_waitStart = GetTickCount();
      return kSettleMs;
    }
    case SimStepKind::WaitMs:
      return static_cast<UINT>(step.number);
    case SimStepKind::Screenshot: {
      RedrawWindow(m_console->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      std::string error;
      if (!SaveWindowBmp(m_console->Window(), step.text.c_str(), &error))
        Fail(error);
      else
        m_say("screenshot " + step.text);
      return kPollMs;
    }
    case SimStepKind::Quit:
      m_say(m_failures ? FormatString(kLineChars, "quit (%d steps failed)", m_failures) : std::string("quit"));
      DestroyWindow(m_console->Window());
      return 0;
  }
  return kPollMs;
}

void CScriptRunner::Fail(const std::string& what) {
  ++m_failures;
  m_say("FAILED: " + what);
  m_console->Log().Note("^2script: %s", what.c_str());
}
