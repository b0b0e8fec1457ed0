// The real plug-in loaded as the console loads it, clicked through its four tabs.
#include <gtest/gtest.h>

#include "PluginHost.h"
#include "PluginWindows.h"
#include "resources/resource.h"

namespace {

std::string ControlText(HWND page, int id) {
  char text[260] = {};
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

TEST(PluginEntry, loads_by_its_decorated_name_and_hosts_its_window_in_the_console) {
  HostedPlugin& h = Host();
  ASSERT_EQ(h.startError, "");
  EXPECT_STREQ(h.console.PluginName(), "KV_UserLog");
  HWND plugin = h.console.PluginWindow();
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(GetParent(plugin), h.console.Window());
  EXPECT_NE(FindTabStrip(plugin), nullptr);
  EXPECT_EQ(h.console.Messenger().Unsent(), 0u) << "records asked for at start and never sent";
}

TEST(PluginTabs, no_page_shows_until_a_tab_is_clicked_then_only_the_clicked_one) {
  HostedPlugin& h = Host();
  ASSERT_EQ(h.startError, "");
  EXPECT_EQ(h.pageAtStart, nullptr);
  HWND strip = FindTabStrip(h.console.PluginWindow());

  // Each page is known by its query button: id and caption.
  struct Tab {
    size_t index;
    int button;
    const char* caption;
  } tabs[] = {{3, IDC_EVENT_QUERY, "Query"},
              {1, IDC_GAMELOG_NEW_QUERY, "New Query"},
              {0, IDC_KDLOG_QUERY, "Query"},
              {2, IDC_SIEGE_QUERY, "Query"}};
  std::vector<HWND> pages;
  for (const Tab& t : tabs) {
    SCOPED_TRACE("tab " + std::to_string(t.index));
    HWND page = ShowTab(t.index);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(ControlText(page, t.button), t.caption);
    int shown = 0;
    for (HWND c = GetWindow(strip, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) shown += IsWindowVisible(c) ? 1 : 0;
    EXPECT_EQ(shown, 1);
    for (HWND other : pages) EXPECT_NE(page, other);
    pages.push_back(page);
  }
  EXPECT_NE(GetDlgItem(pages[2], IDC_KDLOG_QUERY_BY), nullptr) << "the Kaldera page has its \"Query By\" box";
}

// The console finds each tab by the module's own layout: at every width, narrow enough to
// put each tab on a row of its own, a click lands on the tab it aims at.
TEST(PluginTabs, each_tab_is_clicked_where_the_strip_lays_it_out_at_any_width) {
  HostedPlugin& h = Host();
  ASSERT_EQ(h.startError, "");
  HWND plugin = h.console.PluginWindow();
  RECT before;
  GetWindowRect(plugin, &before);
  MapWindowPoints(nullptr, GetParent(plugin), reinterpret_cast<POINT*>(&before), 2);
  const int buttons[4] = {IDC_KDLOG_QUERY, IDC_GAMELOG_NEW_QUERY, IDC_SIEGE_QUERY, IDC_EVENT_QUERY};
  for (int width = 30; width <= 300; width += 6) {
    MoveWindow(plugin, 0, 0, width, before.bottom - before.top, TRUE);
    for (size_t index : {3, 0, 2, 1}) {
      SCOPED_TRACE(testing::Message() << "width " << width << ", tab " << index);
      HWND page = ShowTab(index);
      ASSERT_NE(page, nullptr);
      EXPECT_NE(GetDlgItem(page, buttons[index]), nullptr);
    }
  }
  MoveWindow(plugin, before.left, before.top, before.right - before.left, before.bottom - before.top, TRUE);
}

TEST(ConsoleDelivery, requests_are_answered_later_from_the_loop_and_unknown_ones_noted) {
  // The page marks itself busy after its send call returns; an answer delivered inside
  // that call would leave it busy for good. So nothing may happen before the loop runs.
  HostedPlugin& h = Host();
  ASSERT_EQ(h.startError, "");
  IKDMessenger* messenger = &h.console.Messenger();
  size_t requests = h.console.Requests().size(), lines = h.console.Log().Lines().size();
  CMsg* msg = messenger->AllocMsg(0x7001);
  WriteU16(msg, 101);
  WriteU16(msg, 0x4001);
  messenger->SendMsg(msg);
  EXPECT_EQ(h.console.Requests().size(), requests);
  ASSERT_TRUE(PumpUntil([&] { return h.console.Requests().size() > requests; }, 2000));
  EXPECT_EQ(h.console.Requests().back().id, 0x7001);
  EXPECT_EQ(h.console.Requests().back().payload, (std::vector<uint8_t>{101, 0, 0x01, 0x40}));
  ASSERT_EQ(h.console.Log().Lines().size(), lines + 1);
  const SimLogLine& note = h.console.Log().Lines().back();
  EXPECT_TRUE(note.fromConsole);
  EXPECT_NE(note.text.find("0x7001"), std::string::npos) << note.text;
}

}  // namespace
