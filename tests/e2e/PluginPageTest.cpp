#include "PluginPageTest.h"

#include "PluginHost.h"
#include "PluginWindows.h"

void PluginPageTest::ShowPage(size_t tab, int marker, const char* what) {
  ASSERT_EQ(Host().startError, "");
  page = ShowTab(tab);
  if (!page) page = VisiblePage(FindTabStrip(Host().console.PluginWindow()));
  ASSERT_NE(page, nullptr);
  ASSERT_NE(GetDlgItem(page, marker), nullptr) << what;
}

void PluginPageTest::SetControls(Controls controls) {
  for (const auto& c : controls) ASSERT_TRUE(SetPageControl(page, c.first, c.second)) << c.first << ": " << c.second;
}

void PluginPageTest::OpenPage(size_t tab, int marker, const char* what, Controls controls, uint32_t seed,
                              size_t minPart) {
  ASSERT_NO_FATAL_FAILURE(ShowPage(tab, marker, what));
  ASSERT_NO_FATAL_FAILURE(SetControls(controls));
  Host().console.SetSplitter([seed, minPart](size_t size) { return AnswerSplits(seed).Next(size, minPart); });
}

void PluginPageTest::Mark() {
  firstLine = Host().console.Log().Lines().size();
  firstRequest = Host().console.Requests().size();
}

void PluginPageTest::Click(int button) { SendMessageA(GetDlgItem(page, button), BM_CLICK, 0, 0); }

void PluginPageTest::PressForAnswer(int button, const char* failed) {
  Mark();
  Click(button);
  bool answered = PumpUntil(
      [&] {
        for (auto& l : PluginLines(firstLine))
          if (l.second.find("log found") != std::string::npos || l.second == failed) return true;
        return false;
      },
      5000);
  EXPECT_TRUE(answered) << "no answer reported within 5 seconds";
}

std::vector<SimRequest> PluginPageTest::Sent() const {
  const auto& all = Host().console.Requests();
  return std::vector<SimRequest>(all.begin() + firstRequest, all.end());
}

bool PluginPageTest::Enabled(int id) const { return IsWindowEnabled(GetDlgItem(page, id)) != FALSE; }

std::vector<std::string> PluginPageTest::Payloads() const {
  std::vector<std::string> payloads;
  for (const SimRequest& r : Sent()) payloads.emplace_back(r.payload.begin(), r.payload.end());
  return payloads;
}
