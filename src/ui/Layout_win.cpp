#include "ui/Layout_win.h"

namespace {

// The page's client area in screen coordinates.
RECT PageScreenRect(HWND page) {
  RECT rc;
  ::GetClientRect(page, &rc);
  MapWindowPoints(page, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

// One axis: near/far edges of the child; the anchored ones are set, a lone anchor drags
// the other edge along so the child keeps its extent.
void PlaceAxis(bool nearAnchored, bool farAnchored, bool nearFraction, bool farFraction,
               float nearValue, float farValue, int size, LONG& nearEdge, LONG& farEdge) {
  LONG extent = farEdge - nearEdge;
  LONG newNear = nearEdge, newFar = farEdge;
  if (nearAnchored) newNear = nearFraction ? static_cast<LONG>(nearValue * size) : static_cast<LONG>(nearValue);
  if (farAnchored)
    newFar = farFraction ? static_cast<LONG>(size - size * farValue) : static_cast<LONG>(size - farValue);
  if (nearAnchored && !farAnchored) newFar = newNear + extent;
  if (farAnchored && !nearAnchored) newNear = newFar - extent;
  nearEdge = newNear;
  farEdge = newFar;
}

}  // namespace

RECT LayoutPlace(const LayoutEntry& entry, int width, int height, const RECT& current) {
  RECT rc = current;
  uint8_t f = entry.flags;
  PlaceAxis(f & kAnchorLeft, f & kAnchorRight, f & kLeftFraction, f & kRightFraction, entry.left, entry.right,
            width, rc.left, rc.right);
  PlaceAxis(f & kAnchorTop, f & kAnchorBottom, f & kTopFraction, f & kBottomFraction, entry.top, entry.bottom,
            height, rc.top, rc.bottom);
  return rc;
}

void AddLayout(std::vector<LayoutEntry>* layouts, HWND page, HWND child, uint8_t flags) {
  if (!page || !child) return;
  RECT pageRc = PageScreenRect(page);
  RECT childRc;
  ::GetWindowRect(child, &childRc);
  float width = static_cast<float>(pageRc.right - pageRc.left);
  float height = static_cast<float>(pageRc.bottom - pageRc.top);

  LayoutEntry entry{child, flags, static_cast<float>(childRc.left - pageRc.left),
                    static_cast<float>(pageRc.right - childRc.right), static_cast<float>(childRc.top - pageRc.top),
                    static_cast<float>(pageRc.bottom - childRc.bottom)};
  // A page of no size yet cannot give fractions; they stay as distances then.
  if ((flags & kLeftFraction) && width > 0) entry.left /= width;
  if ((flags & kRightFraction) && width > 0) entry.right /= width;
  if ((flags & kTopFraction) && height > 0) entry.top /= height;
  if ((flags & kBottomFraction) && height > 0) entry.bottom /= height;
  layouts->push_back(entry);
}

void ApplyLayout(const std::vector<LayoutEntry>& layouts, HWND page) {
  if (!page) return;
  RECT client;
  ::GetClientRect(page, &client);
  for (const LayoutEntry& entry : layouts) {
    RECT current;
    ::GetWindowRect(entry.child, &current);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&current), 2);
    RECT rc = LayoutPlace(entry, client.right, client.bottom, current);
    MoveWindow(entry.child, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
  }
}
