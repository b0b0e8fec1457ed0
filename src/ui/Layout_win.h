#pragma once
// Keeps child controls glued to the edges of a resizable page. A child records its
// distances to the page's client edges once; on every size change it is put back at
// those distances (or fractions of the page size).
#include <windows.h>

#include <cstdint>
#include <vector>

enum LayoutFlags : uint8_t {
  kAnchorLeft = 0x01,
  kAnchorRight = 0x02,
  kAnchorTop = 0x04,
  kAnchorBottom = 0x08,
  kLeftFraction = 0x10,    // left as a fraction of the page width
  kRightFraction = 0x20,   // right margin as a fraction of the width
  kTopFraction = 0x40,     // top as a fraction of the page height
  kBottomFraction = 0x80,  // bottom margin as a fraction of the height
  kAnchorAll = 0x0F,       // stretched with the page
  kAnchorBottomLeft = 0x09,  // keeps its size, rides on the bottom edge
};

struct LayoutEntry {
  HWND child;
  uint8_t flags;
  float left, right, top, bottom;
};

// Where an entry puts its child in a page client area of width x height, given the
// child's present rectangle (client coordinates): only the anchored edges move.
RECT LayoutPlace(const LayoutEntry& entry, int width, int height, const RECT& current);

// Records the child's present distances to the page's client edges at the end of the
// list.
void AddLayout(std::vector<LayoutEntry>* layouts, HWND page, HWND child, uint8_t flags);
// Puts every child of the list back at its distances, in the order added, and repaints it.
void ApplyLayout(const std::vector<LayoutEntry>& layouts, HWND page);
