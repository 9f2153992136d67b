#pragma once

// Every window is laid out in twips, 15 to a pixel. This is the one
// conversion they all use, so that a control and the control beside it can
// never land a pixel apart through two ways of rounding: a position or size
// goes to the nearest pixel.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips) { return (twips + PerPixel / 2) / PerPixel; }

} // namespace Twips
