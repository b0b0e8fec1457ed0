// Text-bearing controls of every page get the user's language face at height 11;
// buttons, labels and date pickers keep the template's Arial. Run once per LANG; the
// expected language identifier and face come with the test's environment.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "resources/resource.h"
#include "support/WinTest.h"
#include "ui/LanguageFont_win.h"
#include "ui/Win32Dialog_win.h"

namespace {

struct ChildFonts {
  std::string expectedFace;
  int languageChildren = 0;
  int templateChildren = 0;
  std::string failures;
};

BOOL CALLBACK CheckChild(HWND child, LPARAM param) {
  ChildFonts* fonts = reinterpret_cast<ChildFonts*>(param);
  char className[256] = "";
  GetClassNameA(child, className, sizeof className - 1);
  LOGFONTA lf = {};
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
  if (font) GetObjectA(font, sizeof lf, &lf);
  const char* face = lf.lfFaceName;
  LONG height = lf.lfHeight;
  std::string cls = className;
  bool keeps = lstrcmpiA(className, "Button") == 0 || lstrcmpiA(className, "Static") == 0 ||
               lstrcmpiA(className, "SysDateTimePick32") == 0;
  bool textBearing = lstrcmpiA(className, "Edit") == 0 || lstrcmpiA(className, "ComboBox") == 0 ||
                     lstrcmpiA(className, "SysListView32") == 0;
  if (keeps) {
    ++fonts->templateChildren;
    if (std::string(face) != "Arial") fonts->failures += cls + " has " + face + "; ";
  } else if (textBearing) {
    ++fonts->languageChildren;
    if (fonts->expectedFace != face || height != 11)
      fonts->failures += cls + " has " + face + "/" + std::to_string(height) + "; ";
  }
  return TRUE;
}

// The face table, whole, whatever the locale the test runs under.
TEST(LanguageFont, face_by_language_identifier) {
  const struct {
    WORD langId;
    const char* face;
  } cases[] = {
      {0x0404, "PMingliu"}, {0x0411, "MS Gothic"}, {0x0419, "Tahoma"}, {0x041E, "Microsoft Sans Serif"},
      {0x0804, "SimSun"},   {0x0412, "Gulim"},     {0x0809, "Gulim"},  {0x0000, "Gulim"},
  };
  for (const auto& c : cases) EXPECT_STREQ(c.face, FontForLanguage(c.langId)) << std::hex << c.langId;
}

TEST(LanguageFont, wine_reports_the_language_of_the_locale) {
  const char* expected = getenv("KV_EXPECT_LANGID");
  ASSERT_NE(nullptr, expected) << "the test needs KV_EXPECT_LANGID";
  EXPECT_EQ(strtoul(expected, nullptr, 16), GetUserDefaultLangID());
}

TEST(LanguageFont, every_page_gives_text_controls_the_language_face) {
  const char* expectedFace = getenv("KV_EXPECT_FACE");
  ASSERT_NE(nullptr, expectedFace);
  EXPECT_STREQ(expectedFace, FontForLanguage(GetUserDefaultLangID()));
  HWND host = CreateHostWindow(1200, 800);
  for (WORD id : {IDD_KDLOG, IDD_GAMELOG, IDD_SIEGELOG, IDD_SERVEREVENTLOG}) {
    SCOPED_TRACE(id);
    CWin32Dialog page;
    ASSERT_TRUE(page.CreateModeless(id, host, ModuleInstance()));
    ChildFonts fonts;
    fonts.expectedFace = expectedFace;
    EnumChildWindows(page.GetHwnd(), CheckChild, reinterpret_cast<LPARAM>(&fonts));
    EXPECT_EQ("", fonts.failures);
    EXPECT_GE(fonts.languageChildren, 2);
    EXPECT_GE(fonts.templateChildren, 6);
  }
  ReleaseHostWindow(host);
}

}  // namespace
