// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measures of the windows: places and sizes are given in units of
// 1/1440 inch; 15 units are one pixel of Qt's device-independent pixels
// (96 dpi).
namespace tesmoran {

inline constexpr int kUnitsPerPixel = 15;

// The room the window system's frame and caption bar take from the outer size.
inline constexpr int kFrameWidthPixels = 8;
inline constexpr int kFrameHeightPixels = 30;

constexpr int UnitsToPixels(int units) { return (units + kUnitsPerPixel / 2) / kUnitsPerPixel; }

}  // namespace tesmoran
