#include "ui/LanguageFont_win.h"

#include "base/Format.h"

namespace {

enum : size_t { kFaceChars = 255 };

struct LanguageFace {
  WORD langId;
  const char* face;
};

const LanguageFace kFaces[] = {
    {0x0404, "PMingliu"}, {0x0411, "MS Gothic"}, {0x0419, "Tahoma"},
    {0x041E, "Microsoft Sans Serif"}, {0x0804, "SimSun"},
};

}  // namespace

const char* FontForLanguage(WORD langId) {
  for (const LanguageFace& entry : kFaces)
    if (entry.langId == langId) return entry.face;
  return "Gulim";
}

HFONT SetLanguageFont(HWND control, int height) {
  WORD langId = GetUserDefaultLangID();
  char face[kFaceChars];
  CopyBounded(face, sizeof face, FontForLanguage(langId));
  HFONT font = CreateFontA(height, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
  if (!font) {
    char text[kLineChars];
    FormatBounded(text, sizeof text, "Cannot find proper font (LangID : 0x%X, FontName : %s), please contact to Ostrel",
                  langId, face);
    MessageBoxA(nullptr, text, "Error", MB_ICONWARNING);
  }
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return font;
}
