#pragma once

#include <QDate>
#include <QStringList>

#include <array>
#include <optional>

// The milestone lists of the pregnancy window and the date rule behind each
// item.
namespace Milestones {

// The four lists, each counted from its own base date.
enum class List {
    Divers, // "Divers": from the start of pregnancy
    Prenatal, // prenatal leave: from the term
    Medical, // medical landmarks: from the last period
    Postnatal, // postnatal leave: from the delivery
};
inline constexpr std::array kLists{List::Divers, List::Prenatal, List::Medical, List::Postnatal};

// The item texts of a list, in list order; empty for an unknown list.
QStringList items(List list);

// The result text of item `index` of `list` for the base date `dtrans` (start
// of pregnancy for Divers and Prenatal, last period for Medical, delivery for
// Postnatal). The two trisomy-screening items of Medical count from
// `startOfPregnancy` instead; without it they give an empty text. An unknown
// list or index, an invalid base, or a date outside the handled range gives
// an empty text.
QString actualiseDate(List list, int index, const QDate &dtrans, const std::optional<QDate> &startOfPregnancy);

} // namespace Milestones
