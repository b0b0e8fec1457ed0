#pragma once
// The modal box that lists the whole history of one item serial: one line per row of a
// kind 4 answer, copied to the clipboard on request, and "REQUEST ALL HISTORY", which
// closes the box and asks the shard for every row of the serial (that answer opens a
// box of its own).
#include <windows.h>

#include <cstdint>
#include <vector>

#include "gamelog/ItemEventText.h"
#include "msg/Console.h"
#include "ui/ListPage_win.h"

class CItemSerialHistoryDlg : public CListDialog {
 public:
  CItemSerialHistoryDlg();
  ~CItemSerialHistoryDlg() override;

  // Appends an owned copy of a history line.
  void AddEntry(const SerialHistoryEntry& entry);
  // The shard whose manager service "REQUEST ALL HISTORY" goes to (none: the button
  // does nothing) and the serial it asks for.
  void SetQuery(const KDShardRecord* shard, int64_t serial);
  // Runs the box modally over the owner; the lines are freed however it closes.
  INT_PTR Run(HINSTANCE instance, HWND owner);

  LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam) override;
  LRESULT OnOK(WPARAM wParam, LPARAM lParam) override;

  const std::vector<SerialHistoryEntry>& Entries() const { return m_entries; }

 private:
  LRESULT OnCopyToClipboard(WPARAM wParam, LPARAM lParam);
  LRESULT OnRequestAllHistory(WPARAM wParam, LPARAM lParam);
  LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

  // The shard's manager service is kept, not the console's record.
  bool m_hasShard = false;
  uint16_t m_serviceId = 0;
  int64_t m_serial = 0;
  std::vector<SerialHistoryEntry> m_entries;
};
