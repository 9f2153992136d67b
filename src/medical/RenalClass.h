#pragma once

#include <QString>

// The renal function class named beside a clearance or filtration rate.
namespace RenalClass {

// `shownValue` is the value as displayed (ml/min, rounded to one decimal).
QString text(double shownValue);

} // namespace RenalClass
