// Colour-marked text as servers and reference files might send it: any bytes, read run
// by run and stripped of its marks, once byte by byte and once with a double-byte
// character step like the Windows code pages'. Runs must lie inside the text in order,
// never be empty, never start inside a double-byte character, and carry a colour of
// the table; stripping never grows the text.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/ClipboardText.h"
#include "ui/ColourMarkup.h"

namespace {

// A lead byte takes its trail byte with it; stepping at the terminator is the splitter's
// business (it must not pass it).
size_t DoubleByteStep(const char* p) { return static_cast<unsigned char>(*p) >= 0x81 ? 2 : 1; }

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckRuns(const std::string& text, CharStepFunc step) {
  // Character starts, walked as the splitter must walk them.
  std::vector<bool> starts(text.size() + 1, false);
  for (size_t i = 0; i < text.size();) {
    starts[i] = true;
    size_t n = step(text.c_str() + i);
    i += (i + 1 < text.size() && n == 2) ? 2 : 1;
  }
  const char* begin = text.c_str();
  const char* previousEnd = begin;
  ColourRunReader reader(begin, step);
  ColourRun run;
  while (reader.Next(&run)) {
    Check(run.length > 0);
    Check(run.text >= previousEnd && run.text + run.length <= begin + text.size());
    Check(run.colour >= 0 && run.colour < kColourCount);
    Check(starts[static_cast<size_t>(run.text - begin)]);
    previousEnd = run.text + run.length;
  }
  const std::string stripped = StripColourMarks(begin, step);
  Check(stripped.size() <= text.size());
  ClipboardText clipboard;
  clipboard.AddCell(stripped.c_str());
  clipboard.AddCell(begin);
  clipboard.EndLine();
  Check(clipboard.Text().size() <= stripped.size() + text.size() + 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The text ends at its first zero, as a C string from the wire does.
  std::string text(reinterpret_cast<const char*>(data), size);
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
  CheckRuns(text, SingleByteStep);
  CheckRuns(text, DoubleByteStep);
  return 0;
}
