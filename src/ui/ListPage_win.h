#pragma once
// The skeleton of the tab pages and the serial history box: a dialog around one report
// list. A page gives its options and tables to one call (list styles, colour drawing,
// shard box, time span; handlers, anchors, columns, and for a tab page its answer
// handlers); the size handler, the list's custom drawing, the shard box, the span's
// pickers, the copy-and-report helper and the row appender are the skeleton's. The page
// file keeps only what is its own.
//
// Every page sets itself up in one order: a check of what it cannot be built without,
// the skeleton's call, its own boxes, the state of its buttons, and last what it loads.
#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/ConstSpan.h"
#include "base/ListColumn.h"
#include "base/ListRow.h"
#include "msg/AnswerTable.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "ui/ListColourDraw_win.h"
#include "ui/ListKeys_win.h"
#include "ui/Win32Dialog_win.h"

// Extended list styles: full-row selection, and the grid lists' lines and header
// drag-and-drop besides.
enum : DWORD {
  kListRowSelect = LVS_EX_FULLROWSELECT,
  kListGrid = LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP | LVS_EX_FULLROWSELECT,
};

// The date and time pickers of a page's Begin and End; 0 for a page without them.
struct SpanPickers {
  int beginDate = 0, beginTime = 0, endDate = 0, endTime = 0;
};

struct ListPageOptions {
  int listId = 0;
  DWORD listStyles = kListGrid;
  bool colourDrawn = false;  // cells drawn with their colour marks
  int shardBox = 0;          // filled with the console's shards, the first selected; 0: none
  SpanPickers span;
  int spanDays = 0;  // the span starts this many days before now and ends now; 0: the
                     // pickers keep the time the dialog was made
};

template <class Page>
struct PageCommand {
  WORD id, code;
  LRESULT (Page::*handler)(WPARAM, LPARAM);
};

template <class Page>
struct PageMessage {
  UINT message;
  LRESULT (Page::*handler)(WPARAM, LPARAM);
};

// A notification of the list (WM_NOTIFY from it, by code).
template <class Page>
struct PageNotify {
  UINT code;
  LRESULT (Page::*handler)(WPARAM, LPARAM);
};

template <class Page>
struct PageAnswer {
  uint16_t id;
  typename CAnswerTable<Page>::Handler handler;
};

// A control kept at its distances to the page's edges (flags of ui/Layout_win.h).
struct PageAnchor {
  int id;
  uint8_t flags;
};

template <class Page>
struct PageTables {
  ConstSpan<PageCommand<Page>> commands;
  ConstSpan<PageMessage<Page>> messages;  // WM_SIZE and WM_NOTIFY are the skeleton's
  ConstSpan<PageNotify<Page>> listNotifies;  // the colour drawing is the skeleton's
  ConstSpan<PageAnchor> layout;
  ConstSpan<ListColumn> columns;  // none for a page that lays its columns out per query
};

class CListDialog : public CWin32Dialog {
 public:
  // The name the Save As box of Ctrl+S starts from (with the date): the tab's caption.
  void SetListName(const std::string& name) { m_keys.SetSaveName(name); }

 protected:
  // Enters the handlers, the size and notify handlers, takes the list, gives it its
  // styles, anchors the controls as they stand now, inserts the columns, fills the shard
  // box and sets the span. Called once the dialog's window stands.
  template <class Page>
  void Install(const ListPageOptions& options, const PageTables<Page>& tables) {
    for (const PageCommand<Page>& c : tables.commands) AddCommandHandler(c.id, c.code, c.handler);
    for (const PageMessage<Page>& m : tables.messages) AddMessageHandler(m.message, m.handler);
    for (const PageNotify<Page>& n : tables.listNotifies) m_listNotifies[n.code] = static_cast<WindowHandler>(n.handler);
    InstallSkeleton(options, tables.layout, tables.columns);
  }

  // Puts the captions and rows of the list's first `columns` columns (or a text) on the
  // clipboard, its colour marks removed, and tells the console whether it went.
  void CopyListAndReport(int columns);
  void CopyTextAndReport(const std::string& text);

  // Appends each row with its item data and sets its cells as "%s": texts from the
  // servers and the reference files are cell contents, never formats. Stops at the
  // first row the list refuses.
  void AppendRows(const std::vector<ListRow>& rows);

  // "%d-%d-%d %02d:%02d:%02d" of the Begin or the End pickers.
  std::string SpanBeginText();
  std::string SpanEndText();
  void SetSpan(const SYSTEMTIME& begin, const SYSTEMTIME& end);
  // The item data of the selected shard, 0 when none is selected.
  uint32_t SelectedShardData();

  // The clipboard lines of these rows for Ctrl+C, as the page's copy button writes rows:
  // the list's cells, unless the page copies from what it holds.
  virtual std::string RowsCopyText(const std::vector<int>& rows);

  HWND m_hList = nullptr;

 private:
  friend class CListKeys;
  LRESULT OnFindMessage(WPARAM wParam, LPARAM lParam);
  void InstallSkeleton(const ListPageOptions& options, ConstSpan<PageAnchor> layout, ConstSpan<ListColumn> columns);
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnListNotify(WPARAM wParam, LPARAM lParam);
  void ReportCopy(bool copied);

  HWND m_hShard = nullptr;
  // The colour list's drawing is answered here, ahead of the dialog manager, which
  // would store each answer in the dialog's window data: under Wine a round trip to the
  // window server for every cell drawn, and a reset before each.
  static LRESULT CALLBACK ColourDrawDoor(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  WNDPROC m_dialogProc = nullptr;
  ColourListRow m_colourRow;
  SpanPickers m_span;
  std::map<UINT, WindowHandler> m_listNotifies;
  CListKeys m_keys{*this};
};

// A tab page: the skeleton with the page's table of answer handlers, which the main
// window's router reaches through Dispatch.
template <class Page>
class CListPage : public CListDialog {
 public:
  // The page routing contract of the main window.
  bool Dispatch(CMsg* msg, CMassiveMsg* massive) {
    return m_answers.Dispatch(static_cast<Page*>(this), msg, massive);
  }

 protected:
  // Builds the page from its template as a child of the tab strip and installs the
  // skeleton with the answer handlers; false when the dialog cannot be made.
  bool CreatePage(HINSTANCE instance, HWND parent, WORD templateId, const ListPageOptions& options,
                  const PageTables<Page>& tables, ConstSpan<PageAnswer<Page>> answers) {
    if (!CreateModeless(templateId, parent, instance)) return false;
    for (const PageAnswer<Page>& a : answers) m_answers.Set(a.id, a.handler);
    Install(options, tables);
    return true;
  }

 private:
  CAnswerTable<Page> m_answers;
};
