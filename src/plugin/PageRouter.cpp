#include "plugin/PageRouter.h"

#include "base/LogOutput.h"

void ReportCutShortAnswer(uint16_t id, const char* what) {
  LogOutput(kLogDataError, "^2answer 0x%04X cut short: %s", id, what);
}
