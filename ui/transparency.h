#pragma once
// Transparent labels draw only their glyphs and leave their rectangle to what lies beneath. A
// window that paints beneath one wipes the glyphs, so after painting it asks them to draw again.
#include <windows.h>

namespace ui {
namespace detail {

inline bool isVisibleTransparent(HWND hwnd) {
  return IsWindowVisible(hwnd) && (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
}

// Invalidates the part of `hwnd` that lies in `area` (screen coordinates), without erasing.
inline void invalidateOverlap(HWND hwnd, const RECT& area) {
  RECT place, overlap;
  GetWindowRect(hwnd, &place);
  if (!IntersectRect(&overlap, &place, &area)) return;
  MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&overlap), 2);
  InvalidateRect(hwnd, &overlap, FALSE);
}

}  // namespace detail

// After `hwnd` has painted `area` (its client coordinates): every visible transparent child of it
// and every visible transparent sibling above it that overlaps the area draws its glyphs again.
inline void redrawTransparentOver(HWND hwnd, const RECT& area) {
  RECT onScreen = area;
  MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&onScreen), 2);
  for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (detail::isVisibleTransparent(child)) detail::invalidateOverlap(child, onScreen);
  if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) return;
  for (HWND above = GetWindow(hwnd, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
    if (detail::isVisibleTransparent(above)) detail::invalidateOverlap(above, onScreen);
}

}  // namespace ui
