#pragma once

class QPixmap;

// The standing figures shown beside the body mass index, 50 × 80 pixels,
// numbered 300 (very thin) to 304 (very stout).
namespace BmiSilhouette {

constexpr int Width = 50;
constexpr int Height = 80;

// A null pixmap for a number outside 300 to 304.
QPixmap picture(int number);

} // namespace BmiSilhouette
