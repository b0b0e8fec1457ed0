#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/ExceptionGuard.h"
#include "common/LogCapture.h"

namespace {

class COwnFault : public CInternalException {
 public:
  COwnFault() : CInternalException(1) {}
  const char* GetName() const override { return "COwnFault"; }
};

TEST(ExceptionGuard, each_kind_stops_in_one_line_and_answers_the_fallback) {
  struct Case {
    const char* name;
    std::function<int()> call;
    int result;
    LogLines lines;
  } cases[] = {
      {"no exception", [] { return 7; }, 7, {}},
      {"the module's own", []() -> int { throw COwnFault(); }, -1,
       {{0x02000000u, "^2job 0x00B4 cut short: COwnFault"}}},
      {"out of memory", []() -> int { throw std::bad_alloc(); }, -1,
       {{0x02000000u, "^2job 0x00B4 cut short: out of memory"}}},
      {"standard", []() -> int { throw std::runtime_error("disk gone"); }, -1,
       {{0x02000000u, "^2job 0x00B4 cut short: disk gone"}}},
  };
  CLogCapture log;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CLogCapture::Lines().clear();
    int subjectCalls = 0;
    auto subject = [&subjectCalls](char* out, size_t size) {
      ++subjectCalls;
      FormatBounded(out, size, "job 0x%04X cut short", 0xB4u);
    };
    EXPECT_EQ(Guarded(kLogDataError, subject, -1, c.call), c.result);
    EXPECT_EQ(CLogCapture::Lines(), c.lines);
    EXPECT_EQ(subjectCalls, c.lines.empty() ? 0 : 1) << "what was cut short is only written when it was";
  }
}

}  // namespace
