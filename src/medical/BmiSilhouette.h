#pragma once

#include "medical/Bmi.h"

class QPixmap;

// The standing figures shown beside the body mass index, 50 × 80 pixels.
namespace BmiSilhouette {

constexpr int Width = 50;
constexpr int Height = 80;

QPixmap picture(Bmi::Picture which);

} // namespace BmiSilhouette
