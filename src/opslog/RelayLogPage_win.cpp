#include "opslog/RelayLogPage_win.h"

#include <commctrl.h>

#include "msg/MsgIds.h"
#include "ui/ComboBox_win.h"
#include "ui/Layout_win.h"
#include "ui/ListView_win.h"

bool CRelayLogPage::CreateRelayPage(HINSTANCE instance, HWND parent, const std::vector<ChoiceEntry>& targets) {
  const PageCommand<CRelayLogPage> commands[] = {
      {static_cast<WORD>(m_setup.query), BN_CLICKED, &CRelayLogPage::OnQuery},
      {static_cast<WORD>(m_setup.copy), BN_CLICKED, &CRelayLogPage::OnCopyToClipboard},
      {static_cast<WORD>(m_setup.queryMore), BN_CLICKED, &CRelayLogPage::OnQueryMore},
  };
  const PageAnswer<CRelayLogPage> answers[] = {
      {AnswerIdOf(m_session.Kind().innerId), &CRelayLogPage::OnAnswer},
  };
  const PageAnchor layout[] = {
      {m_setup.list.listId, kAnchorAll},
  };

  if (!CreatePage(instance, parent, m_setup.templateId, m_setup.list, {commands, {}, {}, layout, m_setup.columns},
                  answers))
    return false;
  // Targets sort in their boxes; each entry's item data travels with it. Without
  // reference data the list stays empty, and every query is refused for it.
  ComboFill(GetItem(m_setup.target), targets);
  ComboSetCurSel(GetItem(m_setup.target), 0);
  ComboFill(GetItem(m_setup.category), m_setup.categories);
  ComboSelectData(GetItem(m_setup.category), m_setup.allCategories);
  EnableItem(m_setup.queryMore, false);
  return true;
}

LRESULT CRelayLogPage::OnQuery(WPARAM, LPARAM) {
  EnableItem(m_setup.queryMore, false);
  DeleteAllRows(m_hList);
  RelayLogQueryInput input;
  input.beginText = SpanBeginText();
  input.endText = SpanEndText();
  input.categoryData = ComboGetSelData(GetItem(m_setup.category));
  input.shardData = SelectedShardData();
  input.targetData = ComboGetSelData(GetItem(m_setup.target));
  m_session.Query(input);
  return 0;
}

LRESULT CRelayLogPage::OnQueryMore(WPARAM, LPARAM) {
  // While an answer is awaited the button is already disabled: every query disables it
  // and only an answer enables it.
  EnableItem(m_setup.queryMore, false);
  // A cursor too long to send leaves the button as it was: nothing is awaited.
  if (m_session.QueryMore(SelectedShardData(), ComboGetSelData(GetItem(m_setup.target))) == RequestOutcome::kTooLong)
    EnableItem(m_setup.queryMore, true);
  return 0;
}

void CRelayLogPage::OnAnswer(CMsg*, CMassiveMsg* massive) {
  RelayListedAnswer answer = ListAnswer(massive);
  AppendRows(answer.rows);
  // A failed query leaves the list and the button as they were.
  if (!answer.head.failed) EnableItem(m_setup.queryMore, answer.head.MoreRows());
}

LRESULT CRelayLogPage::OnCopyToClipboard(WPARAM, LPARAM) {
  CopyListAndReport(static_cast<int>(m_setup.columns.size()));
  return 0;
}
