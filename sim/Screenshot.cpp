#include "Screenshot.h"

#include <cstdio>
#include <vector>

#include "base/Format.h"
#include "ui/GdiScope_win.h"

bool SaveWindowBmp(HWND hwnd, const char* path, std::string* error) {
  // The client area only: without a window manager (Xvfb) the frame is never drawn.
  RECT r;
  POINT origin{0, 0};
  if (!GetClientRect(hwnd, &r) || r.right <= 0 || r.bottom <= 0 || !ClientToScreen(hwnd, &origin)) {
    *error = "no window to capture";
    return false;
  }
  OffsetRect(&r, origin.x, origin.y);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int stride = (width * 3 + 3) & ~3;

  BITMAPINFOHEADER bih{};
  bih.biSize = sizeof bih;
  bih.biWidth = width;
  bih.biHeight = height;  // bottom-up, as the file stores it
  bih.biPlanes = 1;
  bih.biBitCount = 24;
  bih.biCompression = BI_RGB;
  bih.biSizeImage = static_cast<DWORD>(stride) * height;

  // Read from the screen: the plug-in's windows paint themselves there, children
  // included, which a per-window print message would not guarantee under every host.
  std::vector<unsigned char> pixels;
  bool ok = false;
  {
    WindowDC screen(nullptr);
    MemoryDC mem(screen.Get());
    void* bits = nullptr;
    GdiBitmap bmp(
        CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&bih), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (bmp) {
      GdiSelection select(mem.Get(), bmp.Get());
      ok = BitBlt(mem.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY) != FALSE;
      GdiFlush();
    }
    if (ok) pixels.assign(static_cast<unsigned char*>(bits), static_cast<unsigned char*>(bits) + bih.biSizeImage);
  }
  if (!ok) {
    *error = "cannot copy the window from the screen";
    return false;
  }

  BITMAPFILEHEADER bfh{};
  bfh.bfType = 0x4D42;  // "BM"
  bfh.bfOffBits = sizeof bfh + sizeof bih;
  bfh.bfSize = bfh.bfOffBits + bih.biSizeImage;
  FILE* f = fopen(path, "wb");
  if (!f) {
    *error = FormatString(kLineChars, "cannot write %s", path);
    return false;
  }
  ok = fwrite(&bfh, sizeof bfh, 1, f) == 1 && fwrite(&bih, sizeof bih, 1, f) == 1 &&
       fwrite(pixels.data(), pixels.size(), 1, f) == 1;
  ok = fclose(f) == 0 && ok;
  if (!ok) *error = FormatString(kLineChars, "cannot write %s", path);
  return ok;
}
