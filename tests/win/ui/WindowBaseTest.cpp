// Dispatch through the one window procedure: tables, defaults, unknown windows, hooks,
// exceptions, and the window map's bookkeeping.
#include <gtest/gtest.h>

#include <string>

#include "common/LogCapture.h"
#include "opslog/KDLogWindow_win.h"
#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/LanguageFont_win.h"
#include "ui/WindowMap_win.h"

namespace {

const UINT kProbeMessage = WM_APP + 1;
const UINT kThrowingMessage = WM_APP + 2;
const UINT kHookedMessage = WM_APP + 3;

class CProbeWindow : public CWindowBase {
 public:
  bool Create(HWND parent) {
    if (!RegisterWindowClass(ModuleInstance(), "KvProbe", nullptr)) return false;
    CreateArgs args;
    args.className = "KvProbe";
    args.title = "probe";
    args.style = WS_CHILD | WS_VISIBLE;
    args.width = 50;
    args.height = 50;
    args.parent = parent;
    args.instance = ModuleInstance();
    if (!CreateWindowObject(args)) return false;
    AddCommandHandler(1000, BN_CLICKED, &CProbeWindow::OnClicked);
    AddCommandHandler(1000, EN_CHANGE, &CProbeWindow::OnChanged);
    AddMessageHandler(kProbeMessage, &CProbeWindow::OnProbe);
    AddMessageHandler(kThrowingMessage, &CProbeWindow::OnThrowing);
    return true;
  }
  LRESULT OnClicked(WPARAM, LPARAM) { return 11; }
  LRESULT OnChanged(WPARAM, LPARAM lParam) { return 20 + lParam; }
  LRESULT OnProbe(WPARAM wParam, LPARAM) { return 100 + wParam; }
  LRESULT OnThrowing(WPARAM, LPARAM) {
    CMsg empty;
    empty.Init(0x1234);
    uint8_t byte;
    ReadBytes(&empty, &byte, 1);
    return 5;
  }
  LRESULT OnHook(WPARAM wParam, LPARAM) { return wParam == 0 ? -1 : 77; }
};

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = CreateHostWindow(200, 200);
    ASSERT_TRUE(probe.Create(host));
  }
  void TearDown() override {
    ReleaseHostWindow(host);
    TakeQuitMessage();
  }
  CLogCapture log;
  HWND host = nullptr;
  CProbeWindow probe;
};

TEST_F(DispatchTest, tables_key_commands_by_code_and_id_and_messages_by_number) {
  HWND hwnd = probe.GetHwnd();
  EXPECT_EQ(11, SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(1000, BN_CLICKED), 0));
  EXPECT_EQ(23, SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(1000, EN_CHANGE), 3));
  EXPECT_EQ(0, SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0));
  EXPECT_EQ(0, SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(1000, EN_KILLFOCUS), 0));
  EXPECT_EQ(107, SendMessageA(hwnd, kProbeMessage, 7, 0));
}

TEST_F(DispatchTest, unhandled_message_gets_window_default_but_dialog_zero) {
  // The window default answers WM_GETTEXTLENGTH with the title's length.
  EXPECT_EQ(5, probe.WindowProc(WM_GETTEXTLENGTH, 0, 0));

  CKDLogWindow page;
  ASSERT_TRUE(page.Create(ModuleInstance(), host));
  EXPECT_TRUE(page.IsDialog());
  EXPECT_FALSE(probe.IsDialog());
  EXPECT_EQ(0, page.WindowProc(WM_GETTEXTLENGTH, 0, 0));
  EXPECT_EQ(0, page.WindowProc(WM_COMMAND, MAKEWPARAM(4242, BN_CLICKED), 0));
  // A dialog is entered into the map on its first dialog message and posts no quit.
  EXPECT_EQ(&page, WindowMapFind(page.GetHwnd()));
  TakeQuitMessage();
  DestroyWindow(page.GetHwnd());
  EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(DispatchTest, window_outside_the_map_gets_the_system_default) {
  HWND stranger = CreateWindowExA(0, "STATIC", "stranger", WS_CHILD, 0, 0, 10, 10, host, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, stranger);
  EXPECT_EQ(nullptr, WindowMapFind(stranger));
  EXPECT_EQ(8, FrameworkWindowProc(stranger, WM_GETTEXTLENGTH, 0, 0));
  // Through the dialog door the dialog manager does the default work itself.
  EXPECT_EQ(0, FrameworkDialogProc(stranger, WM_GETTEXTLENGTH, 0, 0));
  EXPECT_EQ(0, FrameworkWindowProc(stranger, kProbeMessage, 7, 0));
}

TEST_F(DispatchTest, global_hook_comes_first_and_minus_one_passes_the_message_on) {
  AddGlobalHook(kProbeMessage, &probe, static_cast<WindowHandler>(&CProbeWindow::OnHook));
  EXPECT_EQ(77, SendMessageA(probe.GetHwnd(), kProbeMessage, 1, 0));
  EXPECT_EQ(100, SendMessageA(probe.GetHwnd(), kProbeMessage, 0, 0));
  RemoveGlobalHook(kProbeMessage);
  EXPECT_EQ(101, SendMessageA(probe.GetHwnd(), kProbeMessage, 1, 0));
}

TEST_F(DispatchTest, exception_in_a_handler_becomes_a_data_error_line) {
  EXPECT_EQ(0, SendMessageA(probe.GetHwnd(), kThrowingMessage, 0, 0));
  ASSERT_EQ(1u, CLogCapture::Lines().size());
  EXPECT_EQ(0x02000000u, CLogCapture::Lines()[0].first);
  EXPECT_EQ("^2window message 0x8002 cut short: CMsgException", CLogCapture::Lines()[0].second);
  // The window goes on working.
  EXPECT_EQ(102, SendMessageA(probe.GetHwnd(), kProbeMessage, 2, 0));
}

TEST_F(DispatchTest, destroyed_window_leaves_the_map_and_plain_window_posts_quit) {
  HWND hwnd = probe.GetHwnd();
  EXPECT_EQ(&probe, WindowMapFind(hwnd));
  TakeQuitMessage();
  DestroyWindow(hwnd);
  EXPECT_EQ(nullptr, WindowMapFind(hwnd));
  EXPECT_EQ(nullptr, probe.GetHwnd());
  EXPECT_TRUE(TakeQuitMessage());
}

TEST_F(DispatchTest, enter_escape_and_close_leave_a_page_open) {
  CKDLogWindow page;
  ASSERT_TRUE(page.Create(ModuleInstance(), host));
  HWND hwnd = page.GetHwnd();
  HWND edit = page.GetItem(1001);
  SetFocus(edit);
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    MSG msg = {edit, WM_KEYDOWN, key, 0, 0, {0, 0}};
    IsDialogMessageA(hwnd, &msg);
  }
  SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
  SendMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
  SendMessageA(hwnd, WM_CLOSE, 0, 0);
  TakeQuitMessage();
  EXPECT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(&page, WindowMapFind(hwnd));
}

// A modal box that presses one of its buttons as soon as it is up.
class CModalProbe : public CWin32Dialog {
 public:
  explicit CModalProbe(WORD press) : m_press(press) {}
  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override {
    CWin32Dialog::OnInitDialog(wParam, lParam);
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetItem(IDC_HISTORY_LIST), WM_GETFONT, 0, 0));
    LOGFONTA lf = {};
    if (font) GetObjectA(font, sizeof lf, &lf);
    listFace = lf.lfFaceName;
    PostMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(m_press, BN_CLICKED), 0);
    return 0;
  }
  std::string listFace;

 private:
  WORD m_press;
};

TEST_F(DispatchTest, modal_box_ends_with_ok_or_cancel_and_gets_the_language_font) {
  for (WORD press : {IDOK, IDCANCEL}) {
    SCOPED_TRACE(press);
    CModalProbe box(press);
    EXPECT_EQ(press, box.DoModal(IDD_SERIAL_HISTORY, host, ModuleInstance()));
    EXPECT_EQ(FontForLanguage(GetUserDefaultLangID()), box.listFace);
    EXPECT_EQ(nullptr, box.GetHwnd());
  }
}

}  // namespace
