#pragma once
// Scopes for GDI objects, so that no draw path pairs SelectObject and DeleteObject by
// hand. An owner deletes its object when it goes; a selection puts the device's
// previous object back when it goes. Declare an owner before the selections of its
// object, so that the object is deselected before it is deleted.
#include <windows.h>

template <class Handle>
class GdiOwner {
 public:
  GdiOwner() = default;
  explicit GdiOwner(Handle handle) : m_handle(handle) {}
  ~GdiOwner() { Reset(); }
  GdiOwner(const GdiOwner&) = delete;
  GdiOwner& operator=(const GdiOwner&) = delete;

  Handle Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (m_handle) DeleteObject(m_handle);
    m_handle = handle;
  }

 private:
  Handle m_handle = nullptr;
};

typedef GdiOwner<HBRUSH> GdiBrush;
typedef GdiOwner<HPEN> GdiPen;
typedef GdiOwner<HFONT> GdiFont;
typedef GdiOwner<HBITMAP> GdiBitmap;

// Selects an object (owned elsewhere, or a stock object) into a device for the scope.
class GdiSelection {
 public:
  GdiSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(object ? SelectObject(dc, object) : nullptr) {}
  ~GdiSelection() {
    if (m_previous) SelectObject(m_dc, m_previous);
  }
  GdiSelection(const GdiSelection&) = delete;
  GdiSelection& operator=(const GdiSelection&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// A window's device context (the screen's for a null window), released when it goes.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
  ~WindowDC() {
    if (m_dc) ReleaseDC(m_hwnd, m_dc);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return m_dc; }

 private:
  HWND m_hwnd;
  HDC m_dc;
};

// A memory device context compatible with another, deleted when it goes.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible) : m_dc(CreateCompatibleDC(compatible)) {}
  ~MemoryDC() {
    if (m_dc) DeleteDC(m_dc);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return m_dc; }

 private:
  HDC m_dc;
};

// An off-screen drawing surface: a memory device compatible with a window's, with a
// bitmap of its own selected in that a larger one can replace. The device, its bitmap
// and the device's first bitmap are put right when the surface is released.
class OffscreenSurface {
 public:
  OffscreenSurface() = default;
  ~OffscreenSurface() { Release(); }
  OffscreenSurface(const OffscreenSurface&) = delete;
  OffscreenSurface& operator=(const OffscreenSurface&) = delete;

  // A fresh device without a bitmap of its own yet; false when none can be made.
  bool Create(HWND window) {
    Release();
    WindowDC screen(window);
    m_dc = CreateCompatibleDC(screen.Get());
    if (m_dc) m_initialBitmap = GetCurrentObject(m_dc, OBJ_BITMAP);
    return m_dc != nullptr;
  }

  // Selects a new bitmap of the size (in the window's colour format) in place of the
  // old one; false, with the old one kept, when it cannot be made.
  bool Resize(HWND window, int width, int height) {
    if (!m_dc) return false;
    WindowDC screen(window);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), width, height);
    if (!bitmap) return false;
    SelectObject(m_dc, bitmap);
    m_bitmap.Reset(bitmap);
    m_size = SIZE{width, height};
    return true;
  }

  void Release() {
    if (m_dc) {
      SelectObject(m_dc, m_initialBitmap);
      DeleteDC(m_dc);
      m_dc = nullptr;
    }
    m_bitmap.Reset();
    m_size = SIZE{0, 0};
  }

  HDC DC() const { return m_dc; }
  bool HasBitmap() const { return static_cast<bool>(m_bitmap); }
  SIZE Size() const { return m_size; }

 private:
  HDC m_dc = nullptr;
  HGDIOBJ m_initialBitmap = nullptr;
  GdiBitmap m_bitmap;
  SIZE m_size = {0, 0};
};
