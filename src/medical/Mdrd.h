#pragma once

#include "medical/CreatinineUnit.h"
#include "medical/FormOutcome.h"

// Glomerular filtration rate (ml/min) estimated by the MDRD formula.
namespace Mdrd {

enum Field { AgeField = 0, CreatinineField = 1 };

// The man's unrounded rate:
// 186.9 × (creatinine in mg/dl)^−1.154 × age^−0.203 × (1.21 if of African origin).
double manRate(double age, double creatinine, CreatinineUnit unit, bool africanOrigin);

// The woman's unrounded rate, from the man's unrounded one.
double womanRate(double manRate);

// Checks the typed fields in their order and computes. Results: man's value,
// woman's value, man's class, woman's class.
FormOutcome evaluate(const QString &ageText, const QString &creatinineText, CreatinineUnit unit, bool africanOrigin);

} // namespace Mdrd
