// The game log page under Wine: its set-up, the refusals, the requests it sends, what it
// does with answers, copy, ClearGameLog and a start without reference data.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <ctime>
#include <string>
#include <vector>

#include "SimDirectory.h"
#include "common/SampleRefData.h"
#include "gamelog/GameLogWindow_win.h"
#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/DateTimePicker_win.h"
#include "ui/GdiScope_win.h"
#include "ui/ListView_win.h"
#include "unit/gamelog/GameLogTestSupport.h"
#include "ui/Clipboard_win.h"
#include "win/gamelog/ModalDriver.h"
#include "win/ui/ClipboardRead.h"

namespace {

const auto* const g_refData = ::testing::AddGlobalTestEnvironment(new CSampleRefDataEnvironment);

class GameLogPage : public ::testing::Test {
 protected:
  void SetUp() override {
    Console().directory = &directory;
    host = CreateHostWindow(1100, 650);
    ASSERT_TRUE(page.Create(ModuleInstance(), host));
    CLogCapture::Lines().clear();
  }
  void TearDown() override {
    Console().directory = nullptr;
    ReleaseHostWindow(host);
  }

  HWND Item(int id) { return GetDlgItem(page.GetHwnd(), id); }
  HWND List() { return Item(IDC_GAMELOG_LIST); }
  void Send(int id, WORD code) {
    SendMessageA(page.GetHwnd(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
  }
  void Click(int id) { Send(id, BN_CLICKED); }
  void Select(int comboId, const char* text) {
    LRESULT at =
        SendMessageA(Item(comboId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    ASSERT_GE(at, 0) << text;
    SendMessageA(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(at), 0);
    Send(comboId, CBN_SELCHANGE);
  }
  void SetText(int id, const std::string& text) { SetWindowTextA(Item(id), text.c_str()); }
  std::vector<std::string> Entries(int comboId) {
    std::vector<std::string> entries;
    int n = static_cast<int>(SendMessageA(Item(comboId), CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      char text[260] = "";
      SendMessageA(Item(comboId), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      entries.push_back(text + std::string("=") +
                        std::to_string(SendMessageA(Item(comboId), CB_GETITEMDATA, static_cast<WPARAM>(i), 0)));
    }
    return entries;
  }
  int Selected(int comboId) { return static_cast<int>(SendMessageA(Item(comboId), CB_GETCURSEL, 0, 0)); }
  bool Enabled(int id) { return IsWindowEnabled(Item(id)) != FALSE; }
  std::string Columns() {
    std::string s;
    HWND header = ListView_GetHeader(List());
    int n = Header_GetItemCount(header);
    for (int c = 0; c < n; ++c) {
      char caption[260] = "";
      LVCOLUMNA col = {};
      col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      col.pszText = caption;
      col.cchTextMax = sizeof caption;
      ListView_GetColumn(List(), c, &col);
      bool right = (col.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT;
      s += std::string(caption) + " " + std::to_string(col.cx) + (right ? "R" : "") + ";";
    }
    return s;
  }
  int Rows() { return ListView_GetItemCount(List()); }
  std::string Span(int dateId, int timeId) { return GetDateTimeText(Item(dateId), Item(timeId)); }
  std::string Begin() { return Span(IDC_GAMELOG_BEGIN_DATE, IDC_GAMELOG_BEGIN_TIME); }
  std::string End() { return Span(IDC_GAMELOG_END_DATE, IDC_GAMELOG_END_TIME); }
  bool Deliver(const std::vector<uint8_t>& bytes, size_t partBytes = 4090) {
    builders.emplace_back(new MassiveMsgBuilder(0x8001));
    return page.Dispatch(nullptr, AnswerMsg(*builders.back(), bytes, partBytes));
  }
  // Picks a query and presses "New Query".
  void Query(const char* kind, const char* option, const std::string& name) {
    Select(IDC_GAMELOG_CATEGORY, kind);
    if (option) Select(IDC_GAMELOG_QUERY_OPTION, option);
    SetText(IDC_GAMELOG_CHARNAME, name);
    Click(IDC_GAMELOG_NEW_QUERY);
  }
  LogLines& Lines() { return CLogCapture::Lines(); }

  // A right click on the list; the menu, if one comes up, closes at once, with the
  // command given chosen (0: dismissed), which then reaches the page.
  void RightClick(WORD choice = 0) {
    CMenuCloser closer(page.GetHwnd(), choice);
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = List();
    click.hdr.idFrom = IDC_GAMELOG_LIST;
    click.hdr.code = NM_RCLICK;
    SendMessageA(page.GetHwnd(), WM_NOTIFY, IDC_GAMELOG_LIST, reinterpret_cast<LPARAM>(&click));
    MSG chosen;
    while (PeekMessageA(&chosen, page.GetHwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageA(&chosen);
  }
  void MenuCommand(WORD id) { SendMessageA(page.GetHwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void SelectRow(int row) {
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    if (row >= 0) ListView_SetItemState(List(), row, LVIS_SELECTED, LVIS_SELECTED);
  }
  // The serial the row menu puts on the clipboard, or "none" when no menu came up.
  std::string MenuSerial() {
    CopyToClipboard("none");
    RightClick(2);
    return ClipboardTextNow();
  }
  // Lists item rows with these serials under "Item".
  void ListItems(std::vector<int64_t> serials) {
    Query("Item", "All", "Varnel");
    ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords(serials), "c")));
  }
  // Asks for the history of the first row's serial from the row menu.
  void AskHistory(int row = 0) {
    SelectRow(row);
    RightClick(1);
  }

  // Two shards, not in the order of their identifiers.
  CSimDirectory directory{SimConfig{{"Velmora"}, {{3, 103, "Velmora-Tide"}, {1, 101, "Velmora-Ember"}}, {}}, nullptr};
  TestConsole console;
  HWND host = nullptr;
  CGameLogWindow page;
  std::vector<std::unique_ptr<MassiveMsgBuilder>> builders;
};

TEST_F(GameLogPage, starts_with_no_kind_shards_in_console_order_and_query_more_off) {
  EXPECT_EQ(Entries(IDC_GAMELOG_CATEGORY),
            (std::vector<std::string>{"Character=1", "Item=2", "Quest=3", "Item by Serial=4"}));
  EXPECT_EQ(Selected(IDC_GAMELOG_CATEGORY), -1);
  EXPECT_TRUE(Entries(IDC_GAMELOG_QUERY_OPTION).empty());
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_OPTION));
  EXPECT_EQ(Entries(IDC_GAMELOG_SHARD), (std::vector<std::string>{"Velmora-Tide=3", "Velmora-Ember=1"}));
  EXPECT_EQ(Selected(IDC_GAMELOG_SHARD), 0);
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_ITEM_CODENAME));
  EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY));
  char days[16] = "";
  GetWindowTextA(Item(IDC_GAMELOG_DAYS), days, sizeof days);
  EXPECT_STREQ(days, "1");
  EXPECT_EQ(ListView_GetExtendedListViewStyle(List()), 0x31u);
  EXPECT_EQ(Columns(), "");
  EXPECT_TRUE(Lines().empty());

  // The list stretches with the page; "Query More" rides on its bottom edge.
  auto place = [&](int id) {
    RECT r;
    GetWindowRect(Item(id), &r);
    MapWindowPoints(nullptr, page.GetHwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  RECT list0 = place(IDC_GAMELOG_LIST), more0 = place(IDC_GAMELOG_QUERY_MORE), pageRect;
  GetWindowRect(page.GetHwnd(), &pageRect);
  MoveWindow(page.GetHwnd(), 0, 0, pageRect.right - pageRect.left + 40, pageRect.bottom - pageRect.top + 30, FALSE);
  RECT list1 = place(IDC_GAMELOG_LIST), more1 = place(IDC_GAMELOG_QUERY_MORE);
  EXPECT_EQ((std::vector<LONG>{list1.left, list1.top, list1.right, list1.bottom}),
            (std::vector<LONG>{list0.left, list0.top, list0.right + 40, list0.bottom + 30}));
  EXPECT_EQ((std::vector<LONG>{more1.left, more1.top, more1.right, more1.bottom}),
            (std::vector<LONG>{more0.left, more0.top + 30, more0.right, more0.bottom + 30}));
}

TEST_F(GameLogPage, category_fills_the_options_and_only_an_option_change_moves_the_code_name_edit) {
  Select(IDC_GAMELOG_CATEGORY, "Character");
  ASSERT_EQ(Entries(IDC_GAMELOG_QUERY_OPTION).size(), 13u);
  EXPECT_EQ(Entries(IDC_GAMELOG_QUERY_OPTION).front(), "Create_n_Delete=0");
  EXPECT_EQ(Entries(IDC_GAMELOG_QUERY_OPTION).back(), "All=255");
  EXPECT_EQ(Selected(IDC_GAMELOG_QUERY_OPTION), 0);
  EXPECT_TRUE(Enabled(IDC_GAMELOG_QUERY_OPTION));

  Select(IDC_GAMELOG_CATEGORY, "Item");
  ASSERT_EQ(Entries(IDC_GAMELOG_QUERY_OPTION).size(), 22u);
  EXPECT_EQ(Entries(IDC_GAMELOG_QUERY_OPTION)[12], "Query By Codename=16");
  Select(IDC_GAMELOG_QUERY_OPTION, "Query By Codename");
  EXPECT_TRUE(Enabled(IDC_GAMELOG_ITEM_CODENAME));
  Select(IDC_GAMELOG_CATEGORY, "Character");
  EXPECT_TRUE(Enabled(IDC_GAMELOG_ITEM_CODENAME)) << "a Category change leaves the edit as it was";
  Select(IDC_GAMELOG_QUERY_OPTION, "Guild");
  EXPECT_FALSE(Enabled(IDC_GAMELOG_ITEM_CODENAME));

  Select(IDC_GAMELOG_CATEGORY, "Quest");
  EXPECT_TRUE(Entries(IDC_GAMELOG_QUERY_OPTION).empty());
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_OPTION));
  Select(IDC_GAMELOG_CATEGORY, "Character");
  Select(IDC_GAMELOG_QUERY_OPTION, "Skill");
  Select(IDC_GAMELOG_CATEGORY, "Item by Serial");
  EXPECT_EQ(Entries(IDC_GAMELOG_QUERY_OPTION).size(), 13u) << "kind 4 leaves the options as they are";
  EXPECT_EQ(Selected(IDC_GAMELOG_QUERY_OPTION), 7);
  EXPECT_TRUE(Enabled(IDC_GAMELOG_QUERY_OPTION));
}

TEST_F(GameLogPage, refusals_report_their_text_and_send_nothing) {
  struct Case {
    const char* what;
    const char* kind;
    const char* option;
    std::string name;
    std::string codeName;
    const char* refusal;
  } cases[] = {
      {"no kind", nullptr, nullptr, "Varnel", "", "some input fields are wrong"},
      {"long code name", "Item", "Query By Codename", "Varnel", std::string(129, 'c'), "invalid codename specified"},
      {"serial with a letter", "Item by Serial", nullptr, "12a", "", "invalid serial number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Lines().clear();
    if (c.kind) Select(IDC_GAMELOG_CATEGORY, c.kind);
    if (c.option) Select(IDC_GAMELOG_QUERY_OPTION, c.option);
    SetText(IDC_GAMELOG_ITEM_CODENAME, c.codeName);
    SetText(IDC_GAMELOG_CHARNAME, c.name);
    Click(IDC_GAMELOG_NEW_QUERY);
    EXPECT_EQ(Lines(), (LogLines{{0x01000000u, c.refusal}}));
  }
  // No shard selected, or one the directory does not know.
  Select(IDC_GAMELOG_CATEGORY, "Character");
  SetText(IDC_GAMELOG_CHARNAME, "Varnel");
  SendMessageA(Item(IDC_GAMELOG_SHARD), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  Lines().clear();
  Click(IDC_GAMELOG_NEW_QUERY);
  EXPECT_EQ(Lines(), (LogLines{{0x01000000u, "some input fields are wrong"}}));
  SendMessageA(Item(IDC_GAMELOG_SHARD), CB_SETITEMDATA, 0, 9);
  SendMessageA(Item(IDC_GAMELOG_SHARD), CB_SETCURSEL, 0, 0);
  Click(IDC_GAMELOG_NEW_QUERY);
  EXPECT_EQ(Lines().size(), 2u);

  // A negative count, or one reaching before the pickers' earliest time, moves neither end.
  std::string begin = Begin(), end = End();
  for (const char* days : {"-3", "30000"}) {
    SCOPED_TRACE(days);
    SetText(IDC_GAMELOG_DAYS, days);
    Click(IDC_GAMELOG_SET_DURATION);
    EXPECT_EQ(Lines().back(), (std::pair<uint32_t, std::string>{0x01000000u, "please type days"}));
    EXPECT_EQ(Begin(), begin);
    EXPECT_EQ(End(), end);
  }
  EXPECT_TRUE(console.messenger.sent.empty());
  EXPECT_EQ(Columns(), "") << "a refused query leaves the list alone";
}

TEST_F(GameLogPage, new_query_sends_every_kind_at_once_and_lays_out_its_columns) {
  SetText(IDC_GAMELOG_ITEM_CODENAME, "ITEM_EDIT");
  struct Case {
    const char* kind;
    const char* option;
    std::string name;
    uint8_t kindCode, optionCode;
    std::string sentName, sentCode;
    int64_t maxRows;
  } cases[] = {
      {"Character", "All", "Varnel", 1, 255, "Varnel", "ITEM_EDIT", -1},
      {"Character", "KDC Operation", "", 1, 9, "KDC", "ITEM_EDIT", -1},
      {"Item", "Gold", "Varnel", 2, 5, "Varnel", "ITEM_EDIT", -1},
      {"Item", "KDC Operation", "Varnel", 2, 17, "KDC", "ITEM_EDIT", -1},
      {"Quest", nullptr, "Varnel", 3, 0, "Varnel", "ITEM_EDIT", -1},
      {"Item by Serial", nullptr, "123", 4, 0, "KDC", "123", 50},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.kind);
    if (c.kindCode == 3) Select(IDC_GAMELOG_CATEGORY, "Quest");  // empties the options
    Query(c.kind, c.option, c.name);
    ASSERT_EQ(console.messenger.sent.size(), i + 1);
    EXPECT_EQ(GetID(console.messenger.sent[i]), 0x7203);
    EXPECT_EQ(console.messenger.Payload(i),
              RequestBytes(103, c.kindCode, c.optionCode, c.sentName, Begin(), End(), c.sentCode, c.maxRows));
  }
  EXPECT_TRUE(Lines().empty());
  // "New Query" never waits: a second click sends again.
  Click(IDC_GAMELOG_NEW_QUERY);
  EXPECT_EQ(console.messenger.sent.size(), 7u);
  EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY));

  // The second shard's manager service receives the next query.
  SendMessageA(Item(IDC_GAMELOG_SHARD), CB_SETCURSEL, 1, 0);
  Query("Character", "Guild", "Varnel");
  EXPECT_EQ(console.messenger.Payload(7).substr(0, 2), std::string("\x65\x00", 2));
}

TEST_F(GameLogPage, columns_follow_the_kind_and_rows_go_with_every_new_query) {
  const std::string item =
      "Serial 110R;Operation 100;Storage 120;Slot From 80;Slot To 80;ItemName 250;Description 350;Time 150;"
      "Position 200;";
  const std::string character = "Event 200;Description 400;Position 200;Time 150;";
  Query("Item", "Inventory", "Varnel");
  EXPECT_EQ(Columns(), item);
  ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords({1, 2}), "c")));
  EXPECT_EQ(Rows(), 2);
  Click(IDC_GAMELOG_NEW_QUERY);
  EXPECT_EQ(Rows(), 0);
  EXPECT_EQ(Columns(), item);
  ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords({1}), "c")));
  Query("Item by Serial", nullptr, "77");
  EXPECT_EQ(Rows(), 1) << "kind 4 keeps rows and columns";
  EXPECT_EQ(Columns(), item);
  Query("Character", "Login_n_Out", "Varnel");
  EXPECT_EQ(Rows(), 0);
  EXPECT_EQ(Columns(), character);
  Query("Quest", nullptr, "Varnel");
  EXPECT_EQ(Columns(), character);
}

TEST_F(GameLogPage, answers_list_rows_count_and_set_query_more_at_fifty) {
  Query("Character", "All", "Varnel");
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    size_t partBytes;
    int rows;
    bool queryMore;
    LogLines lines;
  } cases[] = {
      {"50 rows", AnswerBytes(1, CharRecords(50), "c"), 4090, 50, true,
       {{0u, "^450^0 records are queried, current log : ^450"}}},
      {"49 rows over small parts", AnswerBytes(3, CharRecords(49), "c"), 37, 99, false,
       {{0u, "^449^0 records are queried, current log : ^499"}}},
      {"none", AnswerBytes(1, CharRecords(0), "c"), 4090, 99, false, {{0u, "^40^0 records are queried, current log : ^499"}}},
      {"cannot find character", FailedAnswerBytes(6), 4090, 99, true,
       {{0x02000000u, "query error : ^2cannot find character"}}},
      {"code without text", FailedAnswerBytes(12), 4090, 99, true, {}},
      {"49 rows again", AnswerBytes(1, CharRecords(49), "c"), 4090, 148, false,
       {{0u, "^449^0 records are queried, current log : ^4148"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Lines().clear();
    ASSERT_TRUE(Deliver(c.bytes, c.partBytes));
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(Enabled(IDC_GAMELOG_QUERY_MORE), c.queryMore);
    EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY));
    EXPECT_EQ(Lines(), c.lines);
  }
  for (int row = 0; row < Rows(); row += 37) EXPECT_EQ(ListView_GetItemState(List(), row, 0), 0u);
}

TEST_F(GameLogPage, cut_short_answer_keeps_its_rows_and_leaves_both_buttons_usable) {
  Query("Item", "All", "Varnel");
  ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords({1}), "c")));
  Click(IDC_GAMELOG_QUERY_MORE);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_FALSE(Enabled(IDC_GAMELOG_NEW_QUERY));
  std::vector<uint8_t> cut = AnswerBytes(2, ItemRecords({4, 5, 6}), "c");
  cut.resize(cut.size() - 30);
  Lines().clear();
  ASSERT_TRUE(Deliver(cut, 50));
  EXPECT_EQ(Rows(), 3);
  EXPECT_EQ(Lines(), (LogLines{{0x02000000u, "^2answer 0x8001 ended early; 2 rows kept"}}));
  EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY));
  EXPECT_TRUE(Enabled(IDC_GAMELOG_QUERY_MORE));
  std::vector<uint32_t> data;
  for (int row = 0; row < Rows(); ++row) {
    LVITEMA it = {};
    it.mask = LVIF_PARAM;
    it.iItem = row;
    ListView_GetItem(List(), &it);
    data.push_back(static_cast<uint32_t>(it.lParam));
  }
  EXPECT_EQ(data, (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(page.Session().RowSerials(), (std::vector<int64_t>{1, 4, 5}));

  // An answer handed over as a single record has no parts to read.
  CMsg single;
  single.Init(0x8001);
  Lines().clear();
  EXPECT_TRUE(page.Dispatch(&single, nullptr));
  EXPECT_EQ(Lines(), (LogLines{{0x02000000u, "^2answer 0x8001 ended early; 0 rows kept"}}));
}

TEST_F(GameLogPage, query_more_asks_from_the_cursor_and_holds_both_buttons_until_an_answer) {
  Click(IDC_GAMELOG_QUERY_MORE);
  Query("Character", "Guild", "Varnel");
  Click(IDC_GAMELOG_QUERY_MORE);
  EXPECT_EQ(console.messenger.sent.size(), 1u) << "an empty list asks for nothing";
  ASSERT_TRUE(Deliver(AnswerBytes(1, CharRecords(50), "2026-11-2 07:05:09")));
  // The pickers are not read again.
  SetDateTimePickers(page.GetHwnd(), IDC_GAMELOG_END_DATE, IDC_GAMELOG_END_TIME, 0);
  std::string end = console.messenger.Payload(0).substr(console.messenger.Payload(0).find("Varnel") + 6);
  Click(IDC_GAMELOG_QUERY_MORE);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  std::vector<uint8_t> expected;
  ByteWriter w(&expected);
  w.U16(103);
  w.U16(0x4001);
  w.U8(1);
  w.U8(7);
  w.String("Varnel");
  w.String("2026-11-2 07:05:09");
  std::string payload = console.messenger.Payload(1);
  EXPECT_EQ(payload.substr(0, expected.size()), std::string(expected.begin(), expected.end()));
  EXPECT_EQ(payload.substr(expected.size()), end.substr(2 + 18, end.size() - 20 - 2) + std::string("\0\0", 2));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_NEW_QUERY));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));

  // The console's relay answer frees "New Query" only.
  CMsg relay;
  relay.Init(0xB203);
  WriteU32(&relay, 0x12345678);
  EXPECT_TRUE(page.Dispatch(&relay, nullptr));
  EXPECT_EQ(Remaining(&relay), 0);
  EXPECT_TRUE(Enabled(IDC_GAMELOG_NEW_QUERY));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));
  EXPECT_TRUE(page.Dispatch(nullptr, nullptr));
  MassiveMsgBuilder other(0xB404);
  EXPECT_FALSE(page.Dispatch(nullptr, other.Build()));
}

TEST_F(GameLogPage, set_duration_spans_the_days_back_from_now) {
  struct Case {
    const char* days;
    int back;
  } cases[] = {{"0", 0}, {"1", 1}, {"45", 45}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.days);
    SetText(IDC_GAMELOG_DAYS, c.days);
    time_t now = time(nullptr);
    Click(IDC_GAMELOG_SET_DURATION);
    time_t begin = now - c.back * 86400;
    struct tm b = *localtime(&begin);
    std::string day = std::to_string(b.tm_year + 1900) + "-" + std::to_string(b.tm_mon + 1) + "-" +
                      std::to_string(b.tm_mday) + " ";
    EXPECT_EQ(Begin().substr(0, day.size()), day);
    EXPECT_EQ(Begin().substr(Begin().find(' ')), End().substr(End().find(' ')));
    if (c.back == 0) {
      EXPECT_EQ(Begin(), End());
    }
  }
  EXPECT_TRUE(Lines().empty());
}

TEST_F(GameLogPage, copy_takes_the_columns_and_rows_of_the_list) {
  Click(IDC_GAMELOG_COPY);
  EXPECT_EQ(ClipboardTextNow(), "\r\n") << "no columns before the first query";
  Query("Character", "All", "Varnel");
  Lines().clear();
  Click(IDC_GAMELOG_COPY);
  EXPECT_EQ(ClipboardTextNow(), "Event\tDescription\tPosition\tTime\r\n");
  EXPECT_EQ(Lines(), (LogLines{{0u, "log data copy to clipboard"}}));
  ASSERT_TRUE(Deliver(AnswerBytes(1, CharRecords(2), "c")));
  ListView_SetItemText(List(), 1, 1, const_cast<char*>("^2red^0 text"));
  Click(IDC_GAMELOG_COPY);
  EXPECT_EQ(ClipboardTextNow(), "Event\tDescription\tPosition\tTime\r\n"
                                "Unknown Event Log [10]\ttext\tVelmora\t2026-11-02 07:05:09\r\n"
                                "Unknown Event Log [10]\tred text\tVelmora\t2026-11-02 07:05:09\r\n");
}

TEST_F(GameLogPage, clear_game_log_drops_serials_and_texts_and_keeps_the_rows) {
  Query("Item", "All", "Varnel");
  ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords({41, 42}), "c")));
  GameLogSession& session = const_cast<GameLogSession&>(page.Session());
  ASSERT_STRNE(session.RefData().GetText("SN_ITEM_WEAPON_SWORD_01"), "");
  SetRowData(List(), 1, 0x05000002);  // a row colour in the top byte
  page.ClearGameLog();
  EXPECT_TRUE(page.Session().RowSerials().empty());
  EXPECT_STREQ(session.RefData().GetText("SN_ITEM_WEAPON_SWORD_01"), "");
  EXPECT_NE(session.RefData().FindItem(1001), nullptr);
  EXPECT_EQ(Rows(), 2);
  // Rows listed after the clear number their serials from 1 again; the rows before it
  // keep their colour and name none, so their menu cannot reach the new rows' items.
  Click(IDC_GAMELOG_QUERY_MORE);
  ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords({51, 52}), "c")));
  EXPECT_EQ(GetRowData(List(), 0), 0u);
  EXPECT_EQ(GetRowData(List(), 1), 0x05000000u);
  EXPECT_EQ(GetRowData(List(), 3), 2u);
  SelectRow(1);
  EXPECT_EQ(MenuSerial(), "none");
  SelectRow(3);
  EXPECT_EQ(MenuSerial(), "52");
}

TEST_F(GameLogPage, selected_rows_are_drawn_on_pale_yellow) {
  Query("Character", "All", "Varnel");
  ASSERT_TRUE(Deliver(AnswerBytes(1, CharRecords(2), "c")));
  ListView_SetItemText(List(), 0, 0, const_cast<char*>("W"));
  ListView_SetItemState(List(), 0, LVIS_SELECTED, LVIS_SELECTED);
  RECT row0, row1;
  ListView_GetItemRect(List(), 0, &row0, LVIR_BOUNDS);
  ListView_GetItemRect(List(), 1, &row1, LVIR_BOUNDS);
  WindowDC screen(nullptr);
  MemoryDC dc(screen.Get());
  GdiBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 1200, 700));
  GdiSelection selected(dc.Get(), bitmap.Get());
  SendMessageA(List(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(GetPixel(dc.Get(), 300, row0.top + 1), RGB(255, 255, 200));
  EXPECT_EQ(GetPixel(dc.Get(), 300, row1.top + 1), RGB(255, 255, 255));
}

TEST_F(GameLogPage, row_menu_serves_only_a_selected_item_row_under_the_item_category) {
  ListItems({-5, 0, 77});
  SelectRow(-1);
  EXPECT_EQ(MenuSerial(), "none") << "no row selected";
  SelectRow(2);
  EXPECT_EQ(MenuSerial(), "77");
  SelectRow(0);
  EXPECT_EQ(MenuSerial(), "-5");
  Select(IDC_GAMELOG_CATEGORY, "Character");
  EXPECT_EQ(MenuSerial(), "none") << "another Category";
  Select(IDC_GAMELOG_CATEGORY, "Item");
  ASSERT_TRUE(Deliver(AnswerBytes(1, CharRecords(1), "c")));
  SelectRow(3);
  EXPECT_EQ(MenuSerial(), "none") << "a character row names no serial";
  page.ClearGameLog();
  SelectRow(0);
  EXPECT_EQ(MenuSerial(), "none") << "the serials went with ClearGameLog";
  // Commands 1 and 2 are also OK and Cancel: without a menu, or after a menu dismissed
  // without a choice, they do nothing.
  Lines().clear();
  MenuCommand(1);
  EXPECT_EQ(console.messenger.sent.size(), 1u);
  ListItems({77});
  SelectRow(0);
  CopyToClipboard("none");
  Lines().clear();
  RightClick();
  MenuCommand(1);
  MenuCommand(2);
  EXPECT_EQ(console.messenger.sent.size(), 2u) << "only the listing query";
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(ClipboardTextNow(), "none");
}

TEST_F(GameLogPage, history_request_from_the_menu_and_its_refusals) {
  ListItems({-5, 0});
  Lines().clear();
  AskHistory(1);
  EXPECT_EQ(Lines(), (LogLines{{0x01000000u, "Serial Number is ZERO"}}));
  SetDateTimePickers(page.GetHwnd(), IDC_GAMELOG_BEGIN_DATE, IDC_GAMELOG_BEGIN_TIME, 1700000000);
  AskHistory(0);
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), RequestBytes(103, 4, 0, "KDC", Begin(), End(), "-5", 30));
  EXPECT_TRUE(page.Session().HistoryPending());
  EXPECT_EQ(Columns().substr(0, 11), "Serial 110R") << "kind 4 leaves the columns";
  EXPECT_EQ(Rows(), 2);
  Lines().clear();
  AskHistory(0);
  EXPECT_EQ(Lines(), (LogLines{{0u, "KDC already request serial history."}}));
  EXPECT_EQ(console.messenger.sent.size(), 2u);

  // While it is pending, answers leave "Query More" alone.
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));
  ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords(std::vector<int64_t>(50, 9)), "c")));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));
  ASSERT_TRUE(Deliver(FailedAnswerBytes(7)));
  EXPECT_FALSE(Enabled(IDC_GAMELOG_QUERY_MORE));
  EXPECT_FALSE(page.Session().HistoryPending()) << "a failed answer may be the awaited one";
}

TEST_F(GameLogPage, kind_4_answer_opens_the_history_box_with_its_rows_in_answer_order) {
  ListItems({-5});
  AskHistory(0);
  Lines().clear();
  std::vector<std::vector<std::string>> shown;
  {
    CModalDriver driver([&](HWND box) {
      shown = ListTexts(GetDlgItem(box, IDC_HISTORY_LIST), 9);
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    std::vector<GameLogItemRecord> history = {ItemRecord(-5, 1001, 32, "bought"), ItemRecord(-5, 1001, 10, ""),
                                              ItemRecord(-5, 1001, 31, "1,dropped")};
    ASSERT_TRUE(Deliver(AnswerBytes(4, history, "c"), 60));
    EXPECT_TRUE(driver.Ran());
  }
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0][0], "-5");
  EXPECT_EQ(shown[1][1], "^2Moving^0 Item");
  EXPECT_EQ(shown[2][1], "^2Drop^0 Item");
  EXPECT_EQ(Rows(), 1) << "history rows do not go to the list";
  EXPECT_FALSE(page.Session().HistoryPending());
  EXPECT_EQ(Lines(), (LogLines{{0u, "^43^0 records are queried, current log : ^41"}}));
  EXPECT_TRUE(CModalDriver::Boxes().empty());
}

TEST_F(GameLogPage, kind_4_answer_without_rows_or_without_a_shard_opens_no_box_and_ends_the_request) {
  ListItems({-5});
  AskHistory(0);
  Lines().clear();
  ASSERT_TRUE(Deliver(AnswerBytes(4, std::vector<GameLogItemRecord>{}, "")));
  EXPECT_EQ(Lines(), (LogLines{{0u, "There are no Item History"}}));
  EXPECT_FALSE(page.Session().HistoryPending());

  AskHistory(0);
  ASSERT_TRUE(page.Session().HistoryPending());
  SendMessageA(Item(IDC_GAMELOG_SHARD), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  Lines().clear();
  ASSERT_TRUE(Deliver(AnswerBytes(4, ItemRecords({-5}), "")));
  EXPECT_TRUE(Lines().empty());
  EXPECT_FALSE(page.Session().HistoryPending());
}

TEST_F(GameLogPage, request_all_history_closes_the_box_and_its_answer_opens_a_fresh_one) {
  ListItems({-5});
  {
    CModalDriver driver([&](HWND box) {
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_HISTORY_REQUEST_ALL, BN_CLICKED), 0);
    });
    ASSERT_TRUE(Deliver(AnswerBytes(4, ItemRecords({-5, -5}), "")));
  }
  ASSERT_EQ(console.messenger.sent.size(), 2u);
  EXPECT_EQ(console.messenger.Payload(1), RequestBytes(103, 4, 0, "KDC", "", "", "-5", 0));
  size_t lines = 0;
  {
    CModalDriver driver([&](HWND box) {
      lines = ListTexts(GetDlgItem(box, IDC_HISTORY_LIST), 9).size();
      PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_TRUE(Deliver(AnswerBytes(4, ItemRecords({-5, -5, -5}), "")));
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(lines, 3u);
}

TEST_F(GameLogPage, answers_delivered_while_the_box_is_open_are_handled_in_turn) {
  ListItems({-5});
  AskHistory(0);
  Lines().clear();
  size_t rowsInBox = 0;
  {
    CModalDriver outer([&](HWND box) {
      // A late page of the item query and a second history answer, nested.
      ASSERT_TRUE(Deliver(AnswerBytes(2, ItemRecords({8, 9}), "c")));
      {
        CModalDriver inner([&](HWND second) {
          rowsInBox = ListTexts(GetDlgItem(second, IDC_HISTORY_LIST), 9).size();
          PostMessageA(second, WM_COMMAND, IDOK, 0);
        });
        ASSERT_TRUE(Deliver(AnswerBytes(4, ItemRecords({8, 8, 8, 8}), "")));
        EXPECT_TRUE(inner.Ran());
      }
      EXPECT_TRUE(IsWindow(box)) << "the first box is still open";
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(Deliver(AnswerBytes(4, ItemRecords({-5, -5}), "")));
    EXPECT_TRUE(outer.Ran());
  }
  EXPECT_EQ(rowsInBox, 4u);
  EXPECT_EQ(Rows(), 3);
  EXPECT_EQ(page.Session().RowSerials(), (std::vector<int64_t>{-5, 8, 9}));
  EXPECT_FALSE(page.Session().HistoryPending());
  EXPECT_EQ(Lines(), (LogLines{{0u, "^42^0 records are queried, current log : ^43"},
                               {0u, "^44^0 records are queried, current log : ^43"},
                               {0u, "^42^0 records are queried, current log : ^43"}}));
  EXPECT_TRUE(CModalDriver::Boxes().empty());
}

TEST(GameLogPageStart, without_reference_data_the_page_reports_and_fails) {
  CSampleRefDataDir empty(false);
  ASSERT_EQ(empty.Error(), "");
  CLogCapture log;
  CSimDirectory directory{SimConfig{}, nullptr};
  Console().directory = &directory;
  CGameLogWindow page;
  EXPECT_FALSE(page.Create(ModuleInstance(), CreateHostWindow(800, 600)));
  Console().directory = nullptr;
  const LogLines& lines = CLogCapture::Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            (std::pair<uint32_t, std::string>{0x01000000u, "RefData file : KV_GameRefData\\QuestData.txt missing!"}));
  EXPECT_EQ(lines[lines.size() - 2],
            (std::pair<uint32_t, std::string>{0x02000000u, "^2failed to load KV_GameRefData\\RefServerEventID.txt"}));
  EXPECT_EQ(lines.back(), (std::pair<uint32_t, std::string>{0x02000000u, "cannot load Game Ref Data!!"}));
}

}  // namespace
