// The keys of every list, each run on the four pages and the serial history box with the
// same three rows: Ctrl+A, Ctrl+C, Ctrl+F with its find box, F3, and Ctrl+S through the
// Save As box, with a save that fails and a double-byte name in a saved file.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "SimDirectory.h"
#include "common/SampleRefData.h"
#include "common/TestConsole.h"
#include "gamelog/ItemSerialHistoryDlg_win.h"
#include "msg/MassiveMsgBuilder.h"
#include "plugin/MainWindow_win.h"
#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/Clipboard_win.h"
#include "ui/ListKeys_win.h"
#include "ui/ListSave_win.h"
#include "ui/ListView_win.h"
#include "unit/opslog/KDLogTestSupport.h"
#include "win/gamelog/ModalDriver.h"
#include "win/ui/ClipboardRead.h"

namespace {

const auto* const g_refData = ::testing::AddGlobalTestEnvironment(new CSampleRefDataEnvironment);

// The rows every list holds: "alpha" in rows 0 and 2 (once in capitals, behind a mark).
const char* const kFirst[] = {"alpha", "", "gamma"};
const char* const kSecond[] = {"^2Red^0 one", "beta", "^4ALPHA^0 two"};

struct ListUnderTest {
  std::string caption;
  HWND page, list;
  int copyButton;
};

// The common boxes by their controls, whatever language titles them: the find box by its
// text field, the Save As box by its file type list and its file name field.
enum : int { kFindText = 0x480, kFileTypes = 0x470, kFileName = 0x47C };

// The thread's visible dialog box with the control `has` and without `lacks`, or null.
HWND CommonBox(int has, int lacks) {
  struct Search {
    int has, lacks;
    HWND found;
  } search{has, lacks, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      +[](HWND hwnd, LPARAM param) -> BOOL CALLBACK {
        Search* s = reinterpret_cast<Search*>(param);
        char cls[16] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (std::string(cls) == "#32770" && IsWindowVisible(hwnd) && GetDlgItem(hwnd, s->has) &&
            !GetDlgItem(hwnd, s->lacks))
          s->found = hwnd;
        return s->found == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
HWND FindBox() { return CommonBox(kFindText, kFileTypes); }
HWND SaveBox() { return CommonBox(kFileTypes, kFindText); }

// A key as the list gets it while the list has the focus, with Ctrl and Shift held or not.
void PressKey(HWND list, WORD key, bool control, bool shift = false) {
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = control ? 0x80 : 0;
  state[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(state);
  SendMessageA(list, WM_KEYDOWN, key, 0);
  state[VK_CONTROL] = state[VK_SHIFT] = 0;
  SetKeyboardState(state);
}

// A key typed into a window through the thread's message loop.
void TypeKey(HWND target, WORD key) {
  PostMessageA(target, WM_KEYDOWN, key, 0);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::vector<int> SelectedRows(HWND list) {
  std::vector<int> rows;
  for (int row = -1; (row = ListView_GetNextItem(list, row, LVNI_SELECTED)) >= 0;) rows.push_back(row);
  return rows;
}

void SelectOnly(HWND list, std::vector<int> rows) {
  ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (int row : rows) ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  return lines;
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Answers the next Save As box: notes the name it offers and gives it `path` (an empty
// path cancels it), and answers yes when it asks whether to replace a file.
class CSaveBoxDriver {
 public:
  explicit CSaveBoxDriver(std::string path) : m_path(std::move(path)) {
    s_current = this;
    m_timer = SetTimer(nullptr, 0, 30, &CSaveBoxDriver::OnTimer);
  }
  ~CSaveBoxDriver() {
    KillTimer(nullptr, m_timer);
    s_current = nullptr;
  }
  std::string offered;
  bool ran = false;

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    CSaveBoxDriver* self = s_current;
    if (!self) return;
    if (HWND question = CommonBox(IDYES, kFileTypes)) {
      PostMessageA(question, WM_COMMAND, IDYES, 0);
      return;
    }
    HWND box = SaveBox();
    if (self->ran || !box) return;
    self->ran = true;
    HWND name = GetDlgItem(box, kFileName);
    char text[MAX_PATH] = "";
    GetWindowTextA(name, text, sizeof text);
    self->offered = text;
    if (self->m_path.empty()) {
      PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    SetWindowTextA(name, self->m_path.c_str());
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }
  static inline CSaveBoxDriver* s_current = nullptr;
  std::string m_path;
  UINT_PTR m_timer;
};

class ListKeysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host = CreateHostWindow(1100, 700);
    ASSERT_TRUE(main.Create(ModuleInstance(), host));
    FillKDLog();
    FillGameLog();
    FillRows(main.SiegeLog().GetHwnd(), IDC_SIEGE_LIST);
    FillRows(main.ServerEventLog().GetHwnd(), IDC_EVENT_LIST);
    char folder[MAX_PATH];
    GetCurrentDirectoryA(sizeof folder, folder);
    scratch = folder;
    CLogCapture::Lines().clear();
  }
  void TearDown() override {
    main.DestroyWindows();
    ReleaseHostWindow(host);
    // The main window's end posts a quit, which would end the next test's modal loops.
    TakeQuitMessage();
  }

  // Runs `check` on each list: the four pages, then a history box with the same rows.
  void ForEachList(const std::function<void(const ListUnderTest&)>& check) {
    const std::vector<ListUnderTest> pages = {
        {"Kaldera", main.KDLog().GetHwnd(), GetDlgItem(main.KDLog().GetHwnd(), IDC_KDLOG_LIST), IDC_KDLOG_COPY},
        {"Korvath Online - Velmora", main.GameLog().GetHwnd(), GetDlgItem(main.GameLog().GetHwnd(), IDC_GAMELOG_LIST),
         IDC_GAMELOG_COPY},
        {"Siege Log", main.SiegeLog().GetHwnd(), GetDlgItem(main.SiegeLog().GetHwnd(), IDC_SIEGE_LIST),
         IDC_SIEGE_COPY},
        {"ServerEvent Log", main.ServerEventLog().GetHwnd(),
         GetDlgItem(main.ServerEventLog().GetHwnd(), IDC_EVENT_LIST), IDC_EVENT_COPY},
    };
    for (const ListUnderTest& page : pages) {
      SCOPED_TRACE(page.caption);
      CLogCapture::Lines().clear();
      check(page);
    }
    SCOPED_TRACE("history box");
    CLogCapture::Lines().clear();
    CItemSerialHistoryDlg box;
    for (int row = 0; row < 3; ++row) {
      SerialHistoryEntry entry;
      entry.serial = row + 1;
      entry.texts = {kSecond[row], kFirst[row], "", "", "", "", "", ""};
      box.AddEntry(entry);
    }
    box.SetQuery(nullptr, 3);
    CModalDriver driver([&](HWND b) {
      check({"Serial 3", b, GetDlgItem(b, IDC_HISTORY_LIST), IDC_HISTORY_COPY});
      PostMessageA(b, WM_COMMAND, IDCANCEL, 0);
    });
    box.Run(ModuleInstance(), host);
    EXPECT_TRUE(driver.Ran());
  }

  void FillKDLog() {
    std::vector<KDLogRecord> records(3);
    for (size_t i = 0; i < 3; ++i) {
      records[i].userName = kFirst[i];
      records[i].category = 9;
      records[i].logText = kSecond[i];
      records[i].time = {2026, 4, 12, 20, 5, 6, 7};
    }
    MassiveMsgBuilder builder(0xB404);
    main.KDLog().Dispatch(nullptr, KDLogAnswerMsg(builder, KDLogAnswerBytes(0, records)));
  }
  // A query gives the game log list its columns; the rows go in as an answer's would.
  void FillGameLog() {
    HWND page = main.GameLog().GetHwnd();
    auto select = [&](int id, const char* text) {
      HWND combo = GetDlgItem(page, id);
      SendMessageA(combo, CB_SETCURSEL,
                   SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text)), 0);
      SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    };
    select(IDC_GAMELOG_CATEGORY, "Character");
    select(IDC_GAMELOG_QUERY_OPTION, "All");
    SetDlgItemTextA(page, IDC_GAMELOG_CHARNAME, "Varnel");
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_GAMELOG_NEW_QUERY, BN_CLICKED), 0);
    FillRows(page, IDC_GAMELOG_LIST);
  }
  static void FillRows(HWND page, int listId) {
    HWND list = GetDlgItem(page, listId);
    for (int row = 0; row < 3; ++row) {
      AppendRow(list, "", 0);
      SetCellText(list, row, 0, "%s", kFirst[row]);
      SetCellText(list, row, 1, "%s", kSecond[row]);
    }
  }

  std::string Path(const std::string& name) const { return scratch + "\\" + name; }

  CSimDirectory directory{SimConfig{{"Velmora"}, {{1, 101, "Velmora-Ember"}}, {}}, nullptr};
  TestConsole console{&directory};
  HWND host = nullptr;
  CMainWindow main;
  std::string scratch;
};

TEST_F(ListKeysTest, ctrl_a_selects_every_row) {
  ForEachList([](const ListUnderTest& l) {
    SelectOnly(l.list, {1});
    PressKey(l.list, 'A', true);
    EXPECT_EQ(SelectedRows(l.list), (std::vector<int>{0, 1, 2}));
    // Without Ctrl the letter is the list's own.
    SelectOnly(l.list, {1});
    PressKey(l.list, 'A', false);
    EXPECT_EQ(SelectedRows(l.list), (std::vector<int>{1}));
  });
}

TEST_F(ListKeysTest, ctrl_c_copies_the_selected_rows_as_the_copy_button_writes_them) {
  ForEachList([](const ListUnderTest& l) {
    SendMessageA(l.page, WM_COMMAND, MAKEWPARAM(l.copyButton, BN_CLICKED), 0);
    std::vector<std::string> all = Lines(ClipboardTextNow());
    ASSERT_EQ(all.size(), 4u);

    SelectOnly(l.list, {2, 0});
    PressKey(l.list, 'C', true);
    EXPECT_EQ(ClipboardTextNow(), all[1] + "\r\n" + all[3] + "\r\n");
    EXPECT_NE(all[1].find("alpha\t"), std::string::npos);
    EXPECT_NE(all[1].find("Red one"), std::string::npos);

    // Nothing selected: the clipboard keeps what it had.
    SelectOnly(l.list, {});
    PressKey(l.list, 'C', true);
    EXPECT_EQ(ClipboardTextNow(), all[1] + "\r\n" + all[3] + "\r\n");
    EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0u, "log data copy to clipboard"},
                                              {0u, "log data copy to clipboard"},
                                              {0x01000000u, "there is no selected row to copy to clipboard"}}));
  });
}

TEST_F(ListKeysTest, ctrl_f_opens_one_find_box_whose_enter_selects_the_next_row_holding_the_text) {
  ForEachList([](const ListUnderTest& l) {
    ASSERT_EQ(FindBox(), nullptr);
    SelectOnly(l.list, {});
    PressKey(l.list, 'F', true);
    HWND box = FindBox();
    ASSERT_NE(box, nullptr);
    PressKey(l.list, 'F', true);
    EXPECT_EQ(FindBox(), box) << "a second Ctrl+F opens no second box";

    HWND field = GetDlgItem(box, kFindText);
    SetWindowTextA(field, "Alpha");
    std::vector<int> found;
    for (int i = 0; i < 3; ++i) {
      TypeKey(field, VK_RETURN);
      found.push_back(ListView_GetNextItem(l.list, -1, LVNI_FOCUSED));
      EXPECT_EQ(SelectedRows(l.list), std::vector<int>{found.back()});
    }
    // Row 2 holds it behind a colour mark and in capitals; the third search wraps.
    EXPECT_EQ(found, (std::vector<int>{0, 2, 0}));

    // A text no row holds leaves the selection and the box as they were.
    SetWindowTextA(field, "^2Red");
    TypeKey(field, VK_RETURN);
    EXPECT_EQ(SelectedRows(l.list), std::vector<int>{0});
    EXPECT_TRUE(IsWindowVisible(box));

    TypeKey(field, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(CLogCapture::Lines().empty());
  });
}

TEST_F(ListKeysTest, f3_and_shift_f3_find_the_next_and_previous_row_with_the_last_text) {
  ForEachList([](const ListUnderTest& l) {
    SelectOnly(l.list, {});
    // Before any text was looked for there is nothing to find again.
    PressKey(l.list, VK_F3, false);
    EXPECT_TRUE(SelectedRows(l.list).empty());

    PressKey(l.list, 'F', true);
    HWND box = FindBox();
    ASSERT_NE(box, nullptr);
    SetWindowTextA(GetDlgItem(box, kFindText), "ALPHA");
    TypeKey(GetDlgItem(box, kFindText), VK_RETURN);
    TypeKey(GetDlgItem(box, kFindText), VK_ESCAPE);
    ASSERT_FALSE(IsWindow(box));
    EXPECT_EQ(SelectedRows(l.list), std::vector<int>{0});

    std::vector<int> found;
    for (bool shift : {false, false, true}) {
      PressKey(l.list, VK_F3, false, shift);
      found.push_back(ListView_GetNextItem(l.list, -1, LVNI_FOCUSED));
    }
    EXPECT_EQ(found, (std::vector<int>{2, 0, 2}));
    PressKey(l.list, VK_F3, true);
    EXPECT_EQ(SelectedRows(l.list), std::vector<int>{2}) << "Ctrl+F3 is not F3";
  });
}

TEST_F(ListKeysTest, ctrl_s_saves_every_row_as_utf8_tab_separated_lines_under_the_name_given) {
  int n = 0;
  ForEachList([&](const ListUnderTest& l) {
    std::string path = Path("saved" + std::to_string(++n) + ".tsv");
    // An existing file is replaced whole.
    std::ofstream(path, std::ios::binary) << "old text that is longer than the list's header line and every row";
    CSaveBoxDriver driver(path);
    PressKey(l.list, 'S', true);
    ASSERT_TRUE(driver.ran);
    EXPECT_EQ(driver.offered.substr(0, l.caption.size() + 1), l.caption + " ");
    EXPECT_EQ(driver.offered.size(), l.caption.size() + 15) << driver.offered;  // " YYYY-MM-DD.tsv"

    std::string bytes = FileBytes(path);
    ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    std::vector<std::string> lines = Lines(bytes.substr(3));
    ASSERT_EQ(lines.size(), 4u);
    size_t tabs = static_cast<size_t>(ColumnCount(l.list) - 1);
    for (const std::string& line : lines) EXPECT_EQ(static_cast<size_t>(std::count(line.begin(), line.end(), '\t')), tabs);
    char caption[kCellChars];
    GetColumnCaption(l.list, 0, caption);
    EXPECT_EQ(lines[0].substr(0, lines[0].find('\t')), caption);
    EXPECT_NE(lines[1].find("Red one"), std::string::npos) << lines[1];
    EXPECT_NE(lines[3].find("ALPHA two"), std::string::npos) << lines[3];
    EXPECT_EQ(bytes.find('^'), std::string::npos);
    EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0u, "log data saved to " + path}}));
  });
}

TEST_F(ListKeysTest, a_save_that_fails_or_is_cancelled_leaves_no_file_and_the_old_one_whole) {
  HWND list = GetDlgItem(main.SiegeLog().GetHwnd(), IDC_SIEGE_LIST);
  // Cancelled: nothing is written and nothing said.
  {
    CSaveBoxDriver cancel("");
    PressKey(list, 'S', true);
    EXPECT_TRUE(cancel.ran);
    EXPECT_TRUE(CLogCapture::Lines().empty());
  }
  // sysfs takes no new file, not even from root: a folder this user cannot write. (The
  // Save As box does not offer it, so the name is given past the box.)
  EXPECT_FALSE(SaveListTo(list, "Z:\\sys\\keys.tsv"));
  ASSERT_EQ(CLogCapture::Lines().size(), 1u);
  EXPECT_EQ(CLogCapture::Lines()[0].first, 0x01000000u);
  const std::string failed = "log data not saved to Z:\\sys\\keys.tsv: ";
  EXPECT_EQ(CLogCapture::Lines()[0].second.substr(0, failed.size()), failed);
  EXPECT_GT(CLogCapture::Lines()[0].second.size(), failed.size()) << "the system's words for the failure follow";

  // A name that a folder holds cannot be replaced: the folder keeps what it holds, and
  // the file written for it goes again.
  std::string folder = Path("taken.tsv");
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  std::ofstream(folder + "\\inside.txt", std::ios::binary) << "kept";
  EXPECT_FALSE(SaveListTo(list, folder.c_str()));
  EXPECT_EQ(FileBytes(folder + "\\inside.txt"), "kept");
  EXPECT_EQ(CLogCapture::Lines().size(), 2u);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(Path("kv*.tmp").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << found.cFileName;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// Keys that let go of a list leave it its own procedure, or, with another procedure put
// in front since, still pass every message on; new keys can take that list again.
TEST_F(ListKeysTest, a_list_whose_keys_let_go_keeps_working) {
  HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | LVS_REPORT, 0, 0, 100, 100, host, nullptr,
                              ModuleInstance(), nullptr);
  InsertColumn(list, 0, 50, "Column", false);
  const LONG_PTR own = GetWindowLongPtrW(list, GWLP_WNDPROC);
  {
    CListKeys keys(main.KDLog());
    keys.Attach(list);
    EXPECT_NE(GetWindowLongPtrW(list, GWLP_WNDPROC), own);
  }
  EXPECT_EQ(GetWindowLongPtrW(list, GWLP_WNDPROC), own);

  static WNDPROC s_next = nullptr;
  {
    CListKeys keys(main.KDLog());
    keys.Attach(list);
    s_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        list, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT CALLBACK {
          return CallWindowProcW(s_next, w, m, wp, lp);
        })));
  }
  EXPECT_EQ(AppendRow(list, "row", 0), 0);
  EXPECT_EQ(CellText(list, 0, 0), "row");
  // Ctrl+A is the list's own again: nothing selects every row.
  PressKey(list, 'A', true);
  EXPECT_TRUE(SelectedRows(list).empty());

  CListKeys keys(main.KDLog());
  keys.Attach(list);
  PressKey(list, 'A', true);
  EXPECT_EQ(SelectedRows(list), std::vector<int>{0});
  DestroyWindow(list);
}

TEST_F(ListKeysTest, a_double_byte_name_is_saved_in_utf8) {
  ASSERT_EQ(GetACP(), 949u) << "the test runs with the Korean code page";
  HWND list = GetDlgItem(main.SiegeLog().GetHwnd(), IDC_SIEGE_LIST);
  // A name of three Hangul syllables in code page 949, the last with a trail byte that is
  // an ASCII letter.
  SetCellText(list, 1, 1, "%s", "^2\xC8\xAB\xB1\xE6\xB5\xBF^0 \xB0\x61");
  std::string path = Path("korean.tsv");
  ASSERT_TRUE(SaveListTo(list, path.c_str()));
  std::vector<std::string> lines = Lines(FileBytes(path).substr(3));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], "\t\xED\x99\x8D\xEA\xB8\xB8\xEB\x8F\x99 \xEC\xBA\xBB\t");
}

}  // namespace
