#include "opslog/KDLogQuery.h"

#include "base/Format.h"
#include "msg/Console.h"
#include "msg/MsgIds.h"
#include "opslog/KDLogCategories.h"

KDLogQueryOutcome BuildKDLogRequest(const KDLogQueryInput& input, bool waiting) {
  KDLogQueryOutcome outcome;
  if (waiting) {
    outcome.refusal = "blocked. wait for response";
    return outcome;
  }
  KDLogRequest& r = outcome.request;
  if (input.queryBy == kKDLogByUserName) r.userName = input.userNameField.substr(0, kCellChars - 1);
  r.category = static_cast<uint8_t>(input.categoryData);
  r.beginTime = input.beginText.substr(0, kCaptionChars - 1);
  r.endTime = input.endText.substr(0, kCaptionChars - 1);
  return outcome;
}

void WriteKDLogRequest(CMsg* msg, const KDLogRequest& request) {
  // Length words of the three strings, the category byte and both time texts.
  size_t rest = 2 + 1 + 2 + request.beginTime.size() + 2 + request.endTime.size();
  int32_t room = Room(msg);
  size_t nameRoom = room > static_cast<int32_t>(rest) ? static_cast<size_t>(room) - rest : 0;
  WriteString(msg, request.userName.substr(0, nameRoom));
  WriteU8(msg, request.category);
  WriteString(msg, request.beginTime);
  WriteString(msg, request.endTime);
}

bool ReadKDLogRequest(CMsg* msg, KDLogRequest* request) {
  return ReadWholeRequest(msg, [&] {
    request->userName = ReadString(msg);
    request->category = ReadU8(msg);
    request->beginTime = ReadString(msg);
    request->endTime = ReadString(msg);
  });
}

bool SendKDLogRequest(const KDLogRequest& request) {
  return SendConsoleMsg(kMsgKDLogQuery, WriteKDLogRequest, request);
}
