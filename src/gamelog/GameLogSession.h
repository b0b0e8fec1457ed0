#pragma once
// What the game log page keeps between its queries and their answers: the saved query
// that "Query More" repeats, the paging cursor, the serials of the item rows listed, the
// pending serial history request and the column layout. The page moves values between
// its controls and this object; everything it decides lives here.
#include <cstdint>
#include <string>
#include <vector>

#include "base/ListRow.h"
#include "gamelog/GameLogAnswer.h"
#include "gamelog/ItemEventText.h"
#include "gamelog/GameLogKinds.h"
#include "gamelog/GameLogQuery.h"
#include "msg/MassiveMsg.h"
#include "refdata/KV_GameRefData.h"

enum class ButtonChange { kLeave, kEnable, kDisable };

// What the page does with one answer: append the rows, set "Query More", and for a whole
// answer report the count (kinds 1 to 3) or show the history (kind 4).
struct GameLogAnswerSteps {
  uint8_t queryKind = 0;
  uint16_t rowCount = 0;
  bool whole = false;  // neither failed nor cut short
  // Kinds 1 to 3. Item data: 0 for character and quest rows, the 1-based index of the
  // row's serial for item rows; the top byte is the row colour.
  std::vector<ListRow> rows;
  std::vector<SerialHistoryEntry> history;  // kind 4, one entry per row
  int64_t lastSerial = 0;                   // kind 4: the serial of the answer's last row
  ButtonChange queryMore = ButtonChange::kLeave;
};

// What the page does to its columns for a new query.
struct GameLogColumnSteps {
  bool deleteRows = false;
  bool replaceColumns = false;
  ConstSpan<ListColumn> columns;
};

class GameLogSession {
 public:
  explicit GameLogSession(CGameRefData& refData) : m_refData(refData) {}

  // "New Query": reports the refusal, or sends the request, saves the query and empties
  // rowSerials. True when sent.
  bool NewQuery(const GameLogQueryInput& input);
  // "Query More": with rows in the list, sends the saved query from the paging cursor
  // (no maxRows, whatever the kind). True when sent.
  bool QueryMore(int listRows);
  // Reads an answer: reports a failure, keeps the cursor and the serials of item rows.
  GameLogAnswerSteps OnAnswer(CMassiveMsg* massive);

  // Kind 4 leaves rows and columns alone; another kind empties the list and, when the
  // layout is another kind's, replaces the columns.
  GameLogColumnSteps SetupColumns(uint8_t kind);
  int ColumnCount() const { return static_cast<int>(m_columns.size()); }

  // The serial that an item row's item data names, or false when it names none.
  bool SerialOfRow(uint32_t itemData, int64_t* serial) const;
  // "Show History by Serial": refuses a zero serial and a second request while one is
  // pending; without a shard record it does nothing. True when sent.
  bool RequestHistory(int64_t serial, const KDShardRecord* shard, const std::string& beginText,
                      const std::string& endText);
  // Whether a whole kind 4 answer opens a history box: not without rows ("There are no
  // Item History"), and then the pending request has its answer.
  bool OpensHistory(const GameLogAnswerSteps& steps);
  // The history box that a kind 4 answer opened has closed (or none opens).
  void EndHistory() { m_historyPending = false; }
  bool HistoryPending() const { return m_historyPending; }

  // Drops the serials and the reference data's texts; the listed rows stay.
  void ClearGameLog();
  // The item data a row listed before ClearGameLog keeps: its colour byte and no serial,
  // so that it never names a serial of the rows listed after, numbered from 1 again.
  static uint32_t RowDataWithoutSerial(uint32_t itemData) { return itemData & 0xFF000000u; }

  const std::vector<int64_t>& RowSerials() const { return m_rowSerials; }
  const std::string& NextBegin() const { return m_nextBegin; }
  CGameRefData& RefData() { return m_refData; }

 private:
  std::vector<ListRow> RowsOf(const GameLogAnswer& answer);
  std::vector<SerialHistoryEntry> HistoryOf(const GameLogAnswer& answer) const;

  CGameRefData& m_refData;
  GameLogRequest m_saved;  // the last "New Query" as sent
  bool m_hasSaved = false;
  std::string m_nextBegin;
  std::vector<int64_t> m_rowSerials;
  bool m_historyPending = false;
  uint8_t m_columnKind = kGameLogKindNone;
  ConstSpan<ListColumn> m_columns;
};
