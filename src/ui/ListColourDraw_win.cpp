#include "ui/ListColourDraw_win.h"

#include <commctrl.h>

#include "base/Format.h"
#include "ui/ColourText_win.h"
#include "ui/GdiScope_win.h"
#include "ui/ListView_win.h"

namespace {
constexpr int kDescriptionColumn = 1;
constexpr int kTextIndent = 5;

// The row colour sits in the top byte of the item data, read with an arithmetic shift.
int RowColourOf(LPARAM itemData) { return static_cast<int32_t>(itemData) >> 24; }

// The device's own brush and pen take the fill colour: nothing is created per cell.
void FillCell(HDC dc, const RECT& bounds, COLORREF colour) {
  GdiSelection brush(dc, GetStockObject(DC_BRUSH));
  GdiSelection pen(dc, GetStockObject(DC_PEN));
  COLORREF oldBrushColour = SetDCBrushColor(dc, colour);
  COLORREF oldPenColour = SetDCPenColor(dc, colour);
  Rectangle(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
  SetDCPenColor(dc, oldPenColour);
  SetDCBrushColor(dc, oldBrushColour);
}

// One query for what every cell of the row shares.
void TakeRow(HWND list, DWORD_PTR row, ColourListRow* shared) {
  LVITEMA item = {};
  item.mask = LVIF_PARAM | LVIF_STATE;
  item.stateMask = LVIS_SELECTED;
  item.iItem = static_cast<int>(row);
  ListView_GetItem(list, &item);
  shared->row = row;
  shared->itemData = item.lParam;
  shared->selected = (item.state & LVIS_SELECTED) != 0;
}

LRESULT DrawSubItem(const NMLVCUSTOMDRAW* cd, ColourListRow* shared) {
  HWND list = cd->nmcd.hdr.hwndFrom;
  int row = static_cast<int>(cd->nmcd.dwItemSpec);
  int column = cd->iSubItem;
  HDC dc = cd->nmcd.hdc;

  // Should a cell come without its row's start, it still takes its own row's.
  if (shared->row != cd->nmcd.dwItemSpec) TakeRow(list, cd->nmcd.dwItemSpec, shared);
  char text[kCellChars];
  GetCellText(list, row, column, text);

  // Column 0's "bounds" are the whole row, and its label rectangle starts a few pixels
  // into the cell; the cell is the row's start and the column's width.
  RECT bounds = {};
  ListView_GetSubItemRect(list, row, column, LVIR_BOUNDS, &bounds);
  if (column == 0) bounds.right = bounds.left + ListView_GetColumnWidth(list, 0);
  FillCell(dc, bounds, shared->selected ? RGB(255, 255, 200) : RGB(255, 255, 255));

  // Only what the cell shows is drawn: a description is often far wider than its column.
  const int x = bounds.left + kTextIndent;
  if (column == kDescriptionColumn)
    DrawColourTextUpTo(dc, x, bounds.top, bounds.right, "%s", text);
  else
    DrawColourTextUpTo(dc, x, bounds.top, bounds.right, "^%d%s", RowColourOf(shared->itemData), text);
  return CDRF_SKIPDEFAULT;
}

LRESULT AnswerStage(const NMLVCUSTOMDRAW* cd, ColourListRow* shared) {
  switch (cd->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      TakeRow(cd->nmcd.hdr.hwndFrom, cd->nmcd.dwItemSpec, shared);
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
      return DrawSubItem(cd, shared);
    default:
      return CDRF_DODEFAULT;
  }
}
}  // namespace

LRESULT AnswerColourListDraw(LPARAM lParam, ColourListRow* shared) {
  return AnswerStage(reinterpret_cast<const NMLVCUSTOMDRAW*>(lParam), shared);
}
