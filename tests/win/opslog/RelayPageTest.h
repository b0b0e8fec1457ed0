#pragma once
// What the siege and server event page tests share: the page on real controls under a
// popup parent, a scratch reference folder, the console that records what the page sends
// and the log; the shared reference data is destroyed before and after each test.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "msg/MassiveMsgBuilder.h"
#include "refdata/KV_GameRefData.h"
#include "ui/CommonControls_win.h"
#include "ui/DateTimePicker_win.h"
#include "unit/opslog/RelayLogTestSupport.h"
#include "unit/refdata/RefDataFiles.h"
#include "win/opslog/PageControls.h"

// The controls the shared steps use, and the answer the page takes in parts of partBytes.
struct RelayPageIds {
  int shard, category, query, queryMore, list;
  uint16_t answerId;
  size_t partBytes;
};

template <class Page>
class RelayPageTest : public ::testing::Test {
 protected:
  explicit RelayPageTest(const RelayPageIds& ids) : m_ids(ids) {}

  void SetUp() override {
    CGameRefData::DestroyInstance();
    InitCommonControlClasses();
    m_parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1100, 650, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(m_parent);
    CGameRefData::DestroyInstance();
  }
  // Builds the page; the log then holds only what comes after.
  void CreatePage() {
    ASSERT_TRUE(m_page.Create(GetModuleHandleA(nullptr), m_parent));
    CLogCapture::Lines().clear();
  }

  PageControls Controls() const { return PageControls(m_page.GetHwnd()); }
  std::string Span(int dateId, int timeId) const {
    return GetDateTimeText(Controls().Item(dateId), Controls().Item(timeId));
  }
  void Answer(const std::vector<uint8_t>& bytes) {
    MassiveMsgBuilder b(m_ids.answerId);
    EXPECT_TRUE(m_page.Dispatch(nullptr, AnswerMsg(b, bytes, m_ids.partBytes)));
  }

  // On a new page: the list with these columns, grid lines, full-row select and header
  // drag-and-drop (0x31), the one control laid out, on all four sides; "Query More" shown
  // and off.
  void ExpectListAndQueryMoreAtStart(const char* columns) {
    PageControls c = Controls();
    EXPECT_EQ(c.Columns(m_ids.list), columns);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(c.Item(m_ids.list)) & 0x31u, 0x31u);
    EXPECT_TRUE(c.Visible(m_ids.queryMore));
    EXPECT_FALSE(c.Enabled(m_ids.queryMore));
    ASSERT_EQ(m_page.Layouts().size(), 1u);
    EXPECT_EQ(m_page.Layouts()[0].child, c.Item(m_ids.list));
    EXPECT_EQ(m_page.Layouts()[0].flags, 0x0F);
  }

  // After an answer of fifty rows: with other choices in the shard and category boxes,
  // "Query More" goes off at once and sends `request` (what "Query" kept); forty-nine
  // rows more leave it off, ninety-nine rows listed and a line for each answer.
  void ExpectQueryMoreToTheEnd(const char* shard, const char* category, const std::string& request,
                               const std::vector<uint8_t>& fortyNineRows) {
    PageControls c = Controls();
    EXPECT_EQ(c.RowCount(m_ids.list), 50);
    EXPECT_TRUE(c.Enabled(m_ids.queryMore));
    c.Select(m_ids.shard, shard);
    c.Select(m_ids.category, category);
    c.Click(m_ids.queryMore);
    EXPECT_FALSE(c.Enabled(m_ids.queryMore));
    ASSERT_EQ(m_console.messenger.sent.size(), 2u);
    EXPECT_EQ(m_console.messenger.Payload(1), request);
    Answer(fortyNineRows);
    EXPECT_EQ(c.RowCount(m_ids.list), 99);
    EXPECT_FALSE(c.Enabled(m_ids.queryMore));
    EXPECT_EQ(CLogCapture::Lines(), (LogLines{{0x00000000u, "^250^0 log found"}, {0x00000000u, "^249^0 log found"}}));
  }

  const RelayPageIds m_ids;
  CScratchDir m_dir;
  RelayLogConsole m_console;
  Page m_page;
  HWND m_parent = nullptr;
};
