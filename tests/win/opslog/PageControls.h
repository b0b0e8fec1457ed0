#pragma once
// Reading and pressing a page's controls in the Wine page tests.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// A page's controls by identifier, as an operator sees and uses them.
class PageControls {
 public:
  explicit PageControls(HWND page) : m_page(page) {}

  HWND Item(int id) const { return GetDlgItem(m_page, id); }
  void Click(int id) const {
    SendMessageA(m_page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
  }
  // Selects the entry with this text (none with an unknown text).
  void Select(int comboId, const char* text) const {
    LRESULT at = SendMessageA(Item(comboId), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    SendMessageA(Item(comboId), CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
  // Every entry as "text=item data", in the box's order; the selected one marked "*".
  std::vector<std::string> Entries(int comboId) const {
    std::vector<std::string> entries;
    HWND combo = Item(comboId);
    LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0), selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
      char text[260] = "";
      SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      LRESULT data = SendMessageA(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0);
      entries.push_back((i == selected ? "*" : "") + std::string(text) + "=" + std::to_string(static_cast<uint32_t>(data)));
    }
    return entries;
  }
  // "caption width;" for each column.
  std::string Columns(int listId) const {
    std::string columns;
    for (int c = 0;; ++c) {
      char caption[260] = "";
      LVCOLUMNA col = {};
      col.mask = LVCF_TEXT | LVCF_WIDTH;
      col.pszText = caption;
      col.cchTextMax = sizeof caption;
      if (!ListView_GetColumn(Item(listId), c, &col)) return columns;
      columns += std::string(caption) + " " + std::to_string(col.cx) + ";";
    }
  }
  std::vector<std::vector<std::string>> Rows(int listId, int columns) const {
    std::vector<std::vector<std::string>> rows;
    HWND list = Item(listId);
    for (int r = 0; r < ListView_GetItemCount(list); ++r) {
      rows.emplace_back();
      for (int c = 0; c < columns; ++c) {
        char text[4096] = "";
        ListView_GetItemText(list, r, c, text, sizeof text);
        rows.back().push_back(text);
      }
    }
    return rows;
  }
  // Each row's item data, in list order.
  std::vector<LPARAM> RowData(int listId) const {
    std::vector<LPARAM> data;
    for (int r = 0; r < RowCount(listId); ++r) {
      LVITEMA item = {};
      item.mask = LVIF_PARAM;
      item.iItem = r;
      ListView_GetItem(Item(listId), &item);
      data.push_back(item.lParam);
    }
    return data;
  }
  int RowCount(int listId) const { return ListView_GetItemCount(Item(listId)); }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  bool Visible(int id) const { return (GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0; }

 private:
  HWND m_page;
};
