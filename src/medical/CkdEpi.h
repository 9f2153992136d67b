#pragma once

#include "medical/CreatinineUnit.h"
#include "medical/FormOutcome.h"

#include <optional>

// Glomerular filtration rate estimated by the CKD-EPI equation (2009, without
// the ethnic coefficient), its stage of chronic kidney disease, and the rate
// of the patient's own body surface for drug dosing.
namespace CkdEpi {

enum class Sex { Male, Female };

enum Field { AgeField = 0, SexField = 1, CreatinineField = 2, HeightField = 3, WeightField = 4 };

// The unrounded rate in ml/min/1,73 m².
double rate(double age, double creatinine, CreatinineUnit unit, Sex sex);

// The stage of a rate as shown (a whole number).
QString stage(double shownRate);

// Mosteller: √(height in cm × weight in kg / 3600), in m².
double bodySurfaceArea(double heightCm, double weightKg);

// The rate of the patient's own surface (ml/min), from the unrounded values.
double nonIndexedRate(double rate, double bodySurfaceArea);

// Checks the typed fields in their order and computes. Results: rate, stage,
// body surface area, non-indexed rate; the last two are empty unless both
// height and weight are given.
FormOutcome evaluate(const QString &ageText, std::optional<Sex> sex, const QString &creatinineText, CreatinineUnit unit,
                     const QString &heightText, const QString &weightText);

} // namespace CkdEpi
