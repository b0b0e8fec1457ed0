#include "ui/ListSave_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Format.h"
#include "base/LogOutput.h"
#include "ui/ColourText_win.h"
#include "ui/CommonDialogs_win.h"
#include "ui/ListView_win.h"
#include "ui/TsvText.h"

namespace {
// The list's text in the system's code page: the header line, then a line per row.
std::string ListTsvText(HWND list) {
  int columns = ColumnCount(list);
  std::vector<std::string> cells(static_cast<size_t>(columns));
  char caption[kCellChars];
  for (int column = 0; column < columns; ++column) {
    GetColumnCaption(list, column, caption);
    cells[static_cast<size_t>(column)] = caption;
  }
  std::string text = TsvLine(cells, SystemCharStep);
  for (int row = 0, rows = ListView_GetItemCount(list); row < rows; ++row) {
    for (int column = 0; column < columns; ++column) cells[static_cast<size_t>(column)] = CellText(list, row, column);
    text += TsvLine(cells, SystemCharStep);
  }
  return text;
}

// From the system's code page to UTF-8, through UTF-16.
bool AnsiToUtf8(const std::string& ansi, std::string* utf8, DWORD* error) {
  utf8->clear();
  if (ansi.empty()) return true;
  int units = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(units), L'\0');
  if (units <= 0 || !MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], units)) {
    *error = GetLastError();
    return false;
  }
  int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  utf8->resize(static_cast<size_t>(bytes > 0 ? bytes : 0));
  if (bytes <= 0 || !WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &(*utf8)[0], bytes, nullptr, nullptr)) {
    *error = GetLastError();
    return false;
  }
  return true;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20)), wrote = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) || wrote == 0) return false;
    done += wrote;
  }
  return FlushFileBuffers(file) != FALSE;
}

// Writes a temporary file in the target's folder and renames it over the target.
bool WriteFileReplacing(const char* path, const std::string& bytes, DWORD* error) {
  char folder[MAX_PATH];
  char* name = nullptr;
  DWORD length = GetFullPathNameA(path, sizeof folder, folder, &name);
  if (length == 0 || length >= sizeof folder || !name) {
    *error = length ? ERROR_FILENAME_EXCED_RANGE : GetLastError();
    return false;
  }
  *name = '\0';
  char temporary[MAX_PATH];
  if (!GetTempFileNameA(folder, "kv", 0, temporary)) {
    *error = GetLastError();
    return false;
  }
  HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  bool written = file != INVALID_HANDLE_VALUE && WriteAll(file, bytes);
  if (!written) *error = GetLastError();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (written && !MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    *error = GetLastError();
    written = false;
  }
  if (!written) DeleteFileA(temporary);
  return written;
}

// The system's words for an error code, without the line break they end with.
std::string SystemErrorText(DWORD error) {
  char text[kCaptionChars] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
    text[--length] = '\0';
  if (length == 0) FormatBounded(text, sizeof text, "error %lu", static_cast<unsigned long>(error));
  return text;
}
}  // namespace

bool SaveListTo(HWND list, const char* path) {
  std::string utf8;
  DWORD error = 0;
  if (!AnsiToUtf8(ListTsvText(list), &utf8, &error) || !WriteFileReplacing(path, kUtf8Bom + utf8, &error)) {
    LogOutput(kLogRefusal, "log data not saved to %s: %s", path, SystemErrorText(error).c_str());
    return false;
  }
  LogOutput(kLogResult, "log data saved to %s", path);
  return true;
}

void SaveListAs(HWND owner, HWND list, const char* defaultName) {
  char path[MAX_PATH];
  CopyBounded(path, sizeof path, defaultName);
  OPENFILENAMEA box = {};
  box.lStructSize = sizeof box;
  box.hwndOwner = owner;
  box.lpstrFilter = "Tab-separated text (*.tsv)\0*.tsv\0All files (*.*)\0*.*\0";
  box.lpstrFile = path;
  box.nMaxFile = sizeof path;
  box.lpstrDefExt = "tsv";
  // The console's current folder holds the reference data: the box must not move it.
  // The box does not try the file itself: whether it can be written is found by the
  // write, which says so in the log.
  box.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
              OFN_NOTESTFILECREATE;
  DWORD failure = 0;
  if (!SaveFileBox(&box, &failure)) {
    // Zero: the operator cancelled.
    if (failure)
      LogOutput(kLogRefusal, "log data not saved: the Save As box failed (0x%lX)", static_cast<unsigned long>(failure));
    return;
  }
  SaveListTo(list, path);
}
