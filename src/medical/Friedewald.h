#pragma once

#include "medical/FormOutcome.h"
#include "medical/LipidUnit.h"

#include <optional>

// LDL cholesterol by the Friedewald formula, computed in single precision as
// the laboratory values are given with few digits.
namespace Friedewald {

using Unit = LipidUnit;
enum Field { TotalField = 0, TriglyceridesField = 1, HdlField = 2 };

// The unrounded LDL in g/l: total − (triglycerides / 5 + HDL), every input taken
// without its sign and converted to g/l first. Nothing when the triglycerides
// exceed 5 g/l (5 itself is accepted).
std::optional<float> ldl(float total, float triglycerides, float hdl, Unit unit);

// The unrounded non-HDL cholesterol in g/l: total − HDL, taken as ldl() takes them.
float nonHdl(float total, float hdl, Unit unit);

// The LDL in g/l as shown: rounded to two decimals, held in single precision.
float shownGramPerLitre(float ldl);

// The LDL (or non-HDL) in mmol/l, from the shown g/l value, rounded to two decimals.
double shownMillimolePerLitre(float shownGramPerLitre);

// Checks the typed fields in their order and computes. Results: LDL in g/l and
// mmol/l, then non-HDL cholesterol in g/l and mmol/l (shown the same way). Above
// the triglyceride limit the refusal blanks the LDL but keeps the non-HDL.
FormOutcome evaluate(const QString &totalText, const QString &triglyceridesText, const QString &hdlText, Unit unit);

} // namespace Friedewald
