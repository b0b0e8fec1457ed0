#include "msg/LogAnswer.h"

void ReadLogAnswer(CMassiveMsg* massive, LogAnswerStatus* status, const std::function<void()>& failure,
                   const std::function<void()>& body) {
  if (!massive) {
    status->cutShort = true;
    return;
  }
  try {
    if (ReadU8(massive) == kLogAnswerFailed) {
      status->failed = true;
      if (failure) failure();
      return;
    }
    body();
  } catch (const CMsgException&) {
    status->cutShort = true;
  }
}

void ReadPagedRows(CMassiveMsg* massive, LogAnswerHead* head, const std::function<void()>& readRow) {
  for (uint16_t i = 0; i < head->rowCount; ++i) readRow();
  if (head->rowCount > 0) {
    head->nextBegin = ReadString(massive);
    head->hasCursor = true;
  }
}
