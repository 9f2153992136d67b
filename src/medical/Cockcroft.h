#pragma once

#include "medical/CreatinineUnit.h"
#include "medical/FormOutcome.h"

// Creatinine clearance (ml/min) by the Cockcroft formula, for a man and a woman.
namespace Cockcroft {

// Field indexes used in FormOutcome::focusField.
enum Field { AgeField = 0, WeightField = 1, CreatinineField = 2 };

// The man's unrounded clearance: (140 − age) × weight / (k × creatinine × 0.8),
// k being 8.8 for mg/l and 1 for µmol/l.
double manClearance(double age, double weight, double creatinine, CreatinineUnit unit);

// The woman's unrounded clearance, from the man's unrounded one.
double womanClearance(double manClearance);

// Checks the typed fields in their order and computes. Results: man's value,
// woman's value, man's class, woman's class.
FormOutcome evaluate(const QString &ageText, const QString &weightText, const QString &creatinineText,
                     CreatinineUnit unit);

} // namespace Cockcroft
