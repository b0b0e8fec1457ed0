// The main window's creation, captions and tab order, and the routing of answers to the
// pages, including an answer handler that reads past the end of its answer.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SimDirectory.h"
#include "common/LogCapture.h"
#include "common/SampleRefData.h"
#include "msg/AnswerTable.h"
#include "msg/Console.h"
#include "msg/MassiveMsgBuilder.h"
#include "plugin/MainWindow_win.h"
#include "plugin/PageRouter.h"
#include "support/WinTest.h"

namespace {

const auto* const g_refData = ::testing::AddGlobalTestEnvironment(new CSampleRefDataEnvironment);

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = CreateHostWindow(900, 600);
    UseWorlds({});
  }
  void TearDown() override {
    Console().directory = nullptr;
    ReleaseHostWindow(host);
    TakeQuitMessage();
  }
  // The console's directory with these worlds and nothing else.
  void UseWorlds(std::vector<std::string> worlds) {
    SimConfig config;
    config.worlds = std::move(worlds);
    directory = std::make_unique<CSimDirectory>(config, nullptr);
    Console().directory = directory.get();
  }
  std::vector<std::string> Captions(CMainWindow& main) {
    std::vector<std::string> captions;
    for (const auto& tab : main.Tabs().Tabs()) captions.push_back(tab.caption);
    return captions;
  }
  HWND host = nullptr;
  std::unique_ptr<CSimDirectory> directory;
};

TEST_F(MainWindowTest, creates_strip_and_four_pages_in_tab_order) {
  UseWorlds({"Aster", "Morrow"});
  CMainWindow main;
  ASSERT_TRUE(main.Create(ModuleInstance(), host));
  HWND hwnd = main.GetHwnd();
  char cls[64] = "", title[64] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  GetWindowTextA(hwnd, title, sizeof title);
  EXPECT_STREQ("KV_UserLog", cls);
  EXPECT_STREQ("KV_UserLog", title);
  EXPECT_EQ(host, GetParent(hwnd));
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  EXPECT_EQ((std::vector<std::string>{"Kaldera", "Korvath Online - Aster", "Siege Log", "ServerEvent Log"}),
            Captions(main));
  const auto& tabs = main.Tabs().Tabs();
  EXPECT_EQ(main.KDLog().GetHwnd(), tabs[0].page);
  EXPECT_EQ(main.GameLog().GetHwnd(), tabs[1].page);
  EXPECT_EQ(main.SiegeLog().GetHwnd(), tabs[2].page);
  EXPECT_EQ(main.ServerEventLog().GetHwnd(), tabs[3].page);
  for (const auto& tab : tabs) {
    EXPECT_EQ(main.Tabs().GetHwnd(), GetParent(tab.page));
    EXPECT_FALSE(IsWindowVisible(tab.page));
  }
  EXPECT_EQ(-1, main.Tabs().Selected());
  EXPECT_EQ(RGB(0, 255, 255), main.Tabs().SelectedColour());
  EXPECT_EQ(GetSysColor(COLOR_3DFACE), main.Tabs().OtherColour());

  // The strip fills the client area as the console resizes the window.
  MoveWindow(hwnd, 0, 0, 700, 500, FALSE);
  RECT client, strip;
  GetClientRect(hwnd, &client);
  GetClientRect(main.Tabs().GetHwnd(), &strip);
  EXPECT_EQ(client.right, strip.right);
  EXPECT_EQ(client.bottom, strip.bottom);
  EXPECT_EQ(1, SendMessageA(hwnd, WM_ERASEBKGND, 0, 0));
}

// The console's directory, noting the order in which the module asks for its lists.
class CListOrderDirectory final : public IKDDirectory {
 public:
  explicit CListOrderDirectory(IKDDirectory* inner) : m_inner(inner) {}
  KDServiceRecord* FindService(uint32_t id) override { return m_inner->FindService(id); }
  KDShardRecord* FindShard(uint32_t id) override { return m_inner->FindShard(id); }
  KDList* GetWorldList() override {
    calls.push_back("worlds");
    return m_inner->GetWorldList();
  }
  KDList* GetShardList() override {
    calls.push_back("shards");
    return m_inner->GetShardList();
  }
  void Reserved0() override {}
  void Reserved1() override {}
  void Reserved2() override {}
  void Reserved4() override {}
  void Reserved5() override {}
  void Reserved6() override {}
  void Reserved7() override {}
  void Reserved8() override {}
  void Reserved10() override {}
  void Reserved11() override {}
  void Reserved12() override {}
  void Reserved14() override {}
  void Reserved15() override {}

  std::vector<std::string> calls;

 private:
  IKDDirectory* m_inner;
};

// The world's name is read for the second caption, once the game log page stands.
TEST_F(MainWindowTest, world_list_is_read_after_the_game_log_page) {
  UseWorlds({"Aster"});
  CListOrderDirectory recorder(directory.get());
  Console().directory = &recorder;
  {
    CMainWindow main;
    ASSERT_TRUE(main.Create(ModuleInstance(), host));
  }
  EXPECT_EQ((std::vector<std::string>{"shards", "worlds", "shards", "shards"}), recorder.calls);
}

TEST_F(MainWindowTest, second_create_keeps_the_first_window) {
  CMainWindow main;
  ASSERT_TRUE(main.Create(ModuleInstance(), host));
  EXPECT_EQ("Korvath Online - ", Captions(main)[1]) << "an empty world list leaves the name out";
  HWND first = main.GetHwnd();
  EXPECT_FALSE(main.Create(ModuleInstance(), host));
  EXPECT_EQ(first, main.GetHwnd());
  EXPECT_EQ(4u, main.Tabs().Tabs().size());
}

TEST_F(MainWindowTest, create_after_the_windows_went_builds_the_same_four_tabs) {
  UseWorlds({"Aster"});
  CMainWindow main;
  ASSERT_TRUE(main.Create(ModuleInstance(), host));
  main.DestroyWindows();
  ASSERT_EQ(nullptr, main.GetHwnd());
  ASSERT_TRUE(main.Create(ModuleInstance(), host));
  EXPECT_EQ((std::vector<std::string>{"Kaldera", "Korvath Online - Aster", "Siege Log", "ServerEvent Log"}),
            Captions(main));
  for (const auto& tab : main.Tabs().Tabs()) EXPECT_TRUE(IsWindow(tab.page));
  EXPECT_EQ(-1, main.Tabs().Selected());
  // Sizing a page moves only its own controls, never handles left from the first build.
  for (CWin32Dialog* page : {static_cast<CWin32Dialog*>(&main.KDLog()), static_cast<CWin32Dialog*>(&main.GameLog()),
                             static_cast<CWin32Dialog*>(&main.SiegeLog()),
                             static_cast<CWin32Dialog*>(&main.ServerEventLog())}) {
    EXPECT_FALSE(page->Layouts().empty());
    for (const LayoutEntry& entry : page->Layouts()) EXPECT_TRUE(IsChild(page->GetHwnd(), entry.child));
  }
}

TEST_F(MainWindowTest, destroying_the_object_takes_every_window_with_it) {
  std::vector<HWND> windows;
  {
    CMainWindow main;
    ASSERT_TRUE(main.Create(ModuleInstance(), host));
    windows = {main.GetHwnd(), main.Tabs().GetHwnd(), main.KDLog().GetHwnd(), main.GameLog().GetHwnd(),
               main.SiegeLog().GetHwnd(), main.ServerEventLog().GetHwnd()};
  }
  for (HWND hwnd : windows) EXPECT_FALSE(IsWindow(hwnd));
  // The class went with its last window: a new main window registers it again.
  CMainWindow again;
  EXPECT_TRUE(again.Create(ModuleInstance(), host));
}

TEST_F(MainWindowTest, game_log_page_without_reference_data_stops_the_build_before_any_tab) {
  CSampleRefDataDir empty(false);
  ASSERT_EQ(empty.Error(), "");
  CListOrderDirectory recorder(directory.get());
  Console().directory = &recorder;
  CMainWindow main;
  {
    CLogCapture log;
    EXPECT_FALSE(main.Create(ModuleInstance(), host));
  }
  EXPECT_EQ((std::vector<std::string>{"shards"}), recorder.calls) << "no world name without the game log page";
  EXPECT_TRUE(main.Tabs().Tabs().empty());
  EXPECT_TRUE(IsWindow(main.KDLog().GetHwnd()));
  EXPECT_EQ(nullptr, main.SiegeLog().GetHwnd());
  EXPECT_EQ(nullptr, main.ServerEventLog().GetHwnd());
  const auto& lines = CLogCapture::Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ("^2failed to load KV_GameRefData\\RefServerEventID.txt", lines[lines.size() - 2].second);
  EXPECT_EQ(CLogCapture::Line(0x02000000u, "cannot load Game Ref Data!!"), lines.back());
}

TEST_F(MainWindowTest, route_answers_false_for_an_identifier_no_page_handles) {
  CMainWindow main;
  ASSERT_TRUE(main.Create(ModuleInstance(), host));
  CMsg msg;
  msg.Init(0x1234);
  EXPECT_FALSE(main.Route(&msg, nullptr));
  MassiveMsgBuilder builder(0xFFFF);
  EXPECT_FALSE(main.Route(nullptr, builder.Build()));
  EXPECT_TRUE(main.Route(nullptr, nullptr));
}

// A page following the routing contract that notes every offer and every answer it read.
class CProbePage {
 public:
  explicit CProbePage(std::vector<std::string>* trace, const char* name) : m_trace(trace), m_name(name) {}
  void Handle(uint16_t id) { m_answers.Set(id, &CProbePage::OnAnswer); }
  void HandleReadingThreeWords(uint16_t id) { m_answers.Set(id, &CProbePage::OnThreeWords); }
  bool Dispatch(CMsg* msg, CMassiveMsg* massive) {
    m_trace->push_back(std::string("offer ") + m_name);
    return m_answers.Dispatch(this, msg, massive);
  }
  std::vector<uint32_t> words;

 private:
  void OnAnswer(CMsg*, CMassiveMsg*) { m_trace->push_back(std::string("taken ") + m_name); }
  void OnThreeWords(CMsg*, CMassiveMsg* massive) {
    for (int i = 0; i < 3; ++i) words.push_back(ReadU32(massive));
  }
  CAnswerTable<CProbePage> m_answers;
  std::vector<std::string>* m_trace;
  const char* m_name;
};

class RouterTest : public ::testing::Test {
 protected:
  CLogCapture log;
  std::vector<std::string> trace;
  CProbePage first{&trace, "first"}, second{&trace, "second"}, third{&trace, "third"};
};

TEST_F(RouterTest, message_taken_by_a_page_is_never_offered_to_the_next) {
  first.Handle(0xB404);
  second.Handle(0xB404);
  second.Handle(0x8001);
  CMsg msg;
  msg.Init(0xB404);
  EXPECT_TRUE(RouteToPages(&msg, nullptr, first, second, third));
  EXPECT_EQ((std::vector<std::string>{"offer first", "taken first"}), trace);

  trace.clear();
  MassiveMsgBuilder builder(0x8001);
  EXPECT_TRUE(RouteToPages(nullptr, builder.Build(), first, second, third));
  EXPECT_EQ((std::vector<std::string>{"offer first", "offer second", "taken second"}), trace);

  trace.clear();
  msg.Init(0x8002);
  EXPECT_FALSE(RouteToPages(&msg, nullptr, first, second, third));
  EXPECT_EQ(3u, trace.size());
  // 65535 has no slot in a page's table.
  first.Handle(0xFFFF);
  msg.Init(0xFFFF);
  EXPECT_FALSE(RouteToPages(&msg, nullptr, first));
}

TEST_F(RouterTest, answer_cut_short_keeps_what_was_read_and_reports_a_data_error) {
  second.HandleReadingThreeWords(0x800E);
  MassiveMsgBuilder builder(0x800E);
  builder.AppendU32(11);
  builder.AppendU32(22);
  builder.AppendU16(3);
  EXPECT_TRUE(RouteToPages(nullptr, builder.BuildAt({4}), first, second, third));
  EXPECT_EQ((std::vector<uint32_t>{11, 22}), second.words);
  EXPECT_EQ((std::vector<std::string>{"offer first", "offer second"}), trace);
  ASSERT_EQ(1u, CLogCapture::Lines().size());
  EXPECT_EQ(0x02000000u, CLogCapture::Lines()[0].first);
  EXPECT_EQ("^2answer 0x800E cut short: CMsgException", CLogCapture::Lines()[0].second);
}

}  // namespace
