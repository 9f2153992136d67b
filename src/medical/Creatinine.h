#pragma once

#include "medical/FormOutcome.h"

#include <optional>

// The creatinine typed on the renal pages. They refuse it with the same
// messages, so the refusals live here once.
namespace Creatinine {

// The refusal of a missing or zero creatinine (and of a negative one when the
// page's equation raises it to a power), focusing `field`; nothing when the
// value can be used.
std::optional<FormOutcome> refusal(const std::optional<double> &creatinine, int field, bool negativeRefused);

} // namespace Creatinine
