#pragma once

#include <QDate>
#include <QStringList>

#include <optional>

// The milestone lists of the pregnancy window and the date rule behind each
// item. A contexte names one list: 0 "Divers", 1 prenatal leave (from the
// term), 2 medical landmarks (from the last period), 3 postnatal leave (from
// the delivery).
namespace Milestones {

inline constexpr int kContexteCount = 4;

// The item texts of a list, in list order; empty for an unknown contexte.
QStringList items(int contexte);

// The result text of item `index` of list `contexte` for the base date
// `dtrans` (start of pregnancy for contextes 0 and 1, last period for 2,
// delivery for 3). The two trisomy-screening items of contexte 2 count from
// `startOfPregnancy` instead; without it they give an empty text. An unknown
// contexte or index, an invalid base, or a date outside the handled range
// gives an empty text.
QString actualiseDate(int contexte, int index, const QDate &dtrans, const std::optional<QDate> &startOfPregnancy);

} // namespace Milestones
