#include "plugin/TabCaptions.h"

#include "base/Format.h"

std::vector<std::string> TabCaptions(const char* firstWorld) {
  return {"Kaldera", FormatString(kCaptionChars, "Korvath Online - %s", firstWorld ? firstWorld : ""), "Siege Log",
          "ServerEvent Log"};
}
