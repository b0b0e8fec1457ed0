#pragma once
// The page templates name a Latin font; log texts may be Korean, Japanese, Chinese,
// Thai or Russian. Text-bearing controls get a face chosen by the user's language.
#include <windows.h>

const char* FontForLanguage(WORD langId);

// Creates the language font at the given cell height and gives it to the control
// (without redrawing). Returns the font, or null after the failure box; the caller owns
// the font.
HFONT SetLanguageFont(HWND control, int height);
