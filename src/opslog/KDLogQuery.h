#pragma once
// The console log query: the page's inputs become the fields of request 0x7404.
//   user name (string, empty when querying by category), category code (u8),
//   begin time (string), end time (string)
#include <cstdint>
#include <string>

#include "msg/Msg.h"

// What the page read from its controls.
struct KDLogQueryInput {
  uint32_t queryBy = 0;       // item data of the "Query By" entry
  std::string userNameField;  // the user name edit
  uint32_t categoryData = 0;  // item data of the filter entry, 0 when none is selected
  std::string beginText;      // "%d-%d-%d %02d:%02d:%02d" from the pickers
  std::string endText;
};

struct KDLogRequest {
  std::string userName;
  uint8_t category = 0;
  std::string beginTime;
  std::string endTime;
};

// The request fields, or a refusal text (then the request is empty).
struct KDLogQueryOutcome {
  const char* refusal = nullptr;
  KDLogRequest request;
};

KDLogQueryOutcome BuildKDLogRequest(const KDLogQueryInput& input, bool waiting);

// Writes the four fields. A user name too long for the record is cut so that the other
// fields still fit.
void WriteKDLogRequest(CMsg* msg, const KDLogRequest& request);
// The log service's side: false when the record is cut short or carries bytes after
// the four fields.
bool ReadKDLogRequest(CMsg* msg, KDLogRequest* request);

// Allocates 0x7404 from the console's messenger, writes and sends it. False when there
// is no messenger or it hands out no record.
bool SendKDLogRequest(const KDLogRequest& request);
