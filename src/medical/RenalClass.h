#pragma once

#include "medical/FormOutcome.h"

#include <QString>

// The renal function class named beside a clearance or filtration rate.
namespace RenalClass {

// `shownValue` is the value as displayed (ml/min, rounded to one decimal).
QString text(double shownValue);

// The results of a clearance page: the man's and woman's rates rounded to
// one decimal with their classes, or a refusal when the entries overflow
// the formula.
FormOutcome clearanceOutcome(double man, double woman);

} // namespace RenalClass
