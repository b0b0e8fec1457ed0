#pragma once
// The skeleton of the tab pages and the serial history box: a dialog around one report
// list. A page gives its tables to one call (handlers, anchors, columns, and for a tab
// page its answer handlers); the size handler, the copy-and-report helper and the row
// appender are the skeleton's. The page file keeps only what is its own.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/ListColumn.h"
#include "base/ListRow.h"
#include "msg/AnswerTable.h"
#include "msg/MassiveMsg.h"
#include "msg/Msg.h"
#include "ui/ListKeys_win.h"
#include "ui/Win32Dialog.h"

// The rows of a static table: a whole array, or a pointer and a count.
template <class Row>
class TableRows {
 public:
  TableRows() = default;
  template <size_t N>
  TableRows(const Row (&rows)[N]) : m_rows(rows), m_count(N) {}
  TableRows(const Row* rows, size_t count) : m_rows(rows), m_count(count) {}

  const Row* begin() const { return m_rows; }
  const Row* end() const { return m_rows + m_count; }
  size_t size() const { return m_count; }

 private:
  const Row* m_rows = nullptr;
  size_t m_count = 0;
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

template <class Page>
struct PageAnswer {
  uint16_t id;
  typename CAnswerTable<Page>::Handler handler;
};

// A control kept at its distances to the page's edges (flags of ui/Layout.h).
struct PageAnchor {
  int id;
  uint8_t flags;
};

template <class Page>
struct PageTables {
  int listId;
  DWORD listStyles;  // extended list view styles
  TableRows<PageCommand<Page>> commands;
  TableRows<PageMessage<Page>> messages;  // WM_SIZE is the skeleton's
  TableRows<PageAnchor> layout;
  TableRows<ListColumn> columns;  // none for a page that lays its columns out per query
};

class CListDialog : public CWin32Dialog {
 public:
  // The name the Save As box of Ctrl+S starts from (with the date): the tab's caption.
  void SetListName(const std::string& name) { m_keys.SetSaveName(name); }

 protected:
  // Enters the handlers and the size handler, takes the list, gives it its styles,
  // anchors the controls as they stand now and inserts the columns. Called once the
  // dialog's window stands.
  template <class Page>
  void Install(const PageTables<Page>& tables) {
    for (const PageCommand<Page>& c : tables.commands) AddCommandHandler(c.id, c.code, c.handler);
    for (const PageMessage<Page>& m : tables.messages) AddMessageHandler(m.message, m.handler);
    AddMessageHandler(WM_SIZE, &CListDialog::OnSize);
    InstallList(tables.listId, tables.listStyles, tables.layout, tables.columns);
  }

  LRESULT OnSize(WPARAM wParam, LPARAM lParam);

  // Puts the captions and rows of the list's first `columns` columns (or a text) on the
  // clipboard, its colour marks removed, and tells the console whether it went.
  void CopyListAndReport(int columns);
  void CopyTextAndReport(const std::string& text);

  // Appends each row with its item data and sets its cells as "%s": texts from the
  // servers and the reference files are cell contents, never formats. Stops at the
  // first row the list refuses.
  void AppendRows(const std::vector<ListRow>& rows);

  // The clipboard lines of these rows for Ctrl+C, as the page's copy button writes rows:
  // the list's cells, unless the page copies from what it holds.
  virtual std::string RowsCopyText(const std::vector<int>& rows);

  HWND m_hList = nullptr;

 private:
  friend class CListKeys;
  LRESULT OnFindMessage(WPARAM wParam, LPARAM lParam);

  void InstallList(int listId, DWORD listStyles, TableRows<PageAnchor> layout, TableRows<ListColumn> columns);
  void ReportCopy(bool copied);

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
  void Install(const PageTables<Page>& tables, TableRows<PageAnswer<Page>> answers) {
    for (const PageAnswer<Page>& a : answers) m_answers.Set(a.id, a.handler);
    CListDialog::Install(tables);
  }

 private:
  CAnswerTable<Page> m_answers;
};
