#include "pregnancy/Milestones.h"

#include "pregnancy/DateText.h"

#include <array>
#include <span>

namespace Milestones {

namespace {

enum class Base { Given, Term, StartOfPregnancy };
enum class Pattern { Long, DayMonthYear };

struct Step
{
    int days = 0;
    int months = 0;
};

struct Row
{
    const char *text;
    Base base;
    Step first;
    std::optional<Step> second;
    const char *prefix;
    const char *middle;
    Pattern pattern;
};

constexpr Step days(int n) { return Step{n, 0}; }
constexpr Step months(int n) { return Step{0, n}; }

const std::array kDivers{
    Row{"Limite déclaration", Base::Given, days(97), {}, "", "", Pattern::Long},
    Row{"Limite IVG", Base::Given, days(97), {}, "", "", Pattern::Long},
    Row{"Exonération ticket modérateur (6e mois)", Base::Given, months(5), {}, "", "", Pattern::Long},
};

const std::array kPrenatal{
    Row{"Grossesse unique (0 ou 1 enfant)", Base::Term, days(-42), {}, "", "", Pattern::Long},
    Row{"Grossesse unique (0 ou 1 enfant) + 14 j patho", Base::Term, days(-56), {}, "", "", Pattern::Long},
    Row{"Grossesse unique (2 enfants et plus)", Base::Term, days(-56), {}, "", "", Pattern::Long},
    Row{"Grossesse unique (2 enfants et plus) + 14 j patho", Base::Term, days(-70), {}, "", "", Pattern::Long},
    Row{"Grossesse gémellaire", Base::Term, days(-84), {}, "", "", Pattern::Long},
    Row{"Grossesse gémellaire + 14 j patho", Base::Term, days(-98), {}, "", "", Pattern::Long},
    Row{"Grossesse multiple", Base::Term, days(-168), {}, "", "", Pattern::Long},
    Row{"Grossesse multiple + 14 j patho", Base::Term, days(-182), {}, "", "", Pattern::Long},
    Row{"Repos prénatal minimal (2 semaines)", Base::Term, days(-14), {}, "", "", Pattern::Long},
};

const std::array kMedical{
    Row{"Limite IVG par RU 486", Base::Given, days(62), {}, "jusqu'au ", "", Pattern::DayMonthYear},
    Row{"Echographie du 1er trimestre", Base::Given, days(77), {}, "à partir du ", "", Pattern::DayMonthYear},
    Row{"T21: dépistage combiné du 1er trim", Base::StartOfPregnancy, days(63), days(83), "du ", " au ",
        Pattern::DayMonthYear},
    Row{"T21: dépistage séquentiel intégré", Base::StartOfPregnancy, days(84), days(111), "du ", " au ",
        Pattern::DayMonthYear},
    Row{"Amniocentèse", Base::Given, days(105), {}, "à partir du ", "", Pattern::DayMonthYear},
    Row{"Echographie du 2nd trimestre", Base::Given, days(147), {}, "à partir du ", "", Pattern::DayMonthYear},
    Row{"Dépistage du diabète gestationnel", Base::Given, days(168), days(202), "entre le ", " et le ",
        Pattern::DayMonthYear},
    Row{"AgHBs et numération plaquettaire", Base::Given, days(172), {}, "vers le ", "", Pattern::DayMonthYear},
    Row{"Echographie du 3è trimestre", Base::Given, days(217), {}, "à partir du ", "", Pattern::DayMonthYear},
};

const std::array kPostnatal{
    Row{"Grossesse unique (< 2 enfants)", Base::Given, days(69), {}, "jusqu'au ", "", Pattern::Long},
    Row{"Grossesse unique (>= 2 enfants)", Base::Given, days(125), {}, "jusqu'au ", "", Pattern::Long},
    Row{"Grossesse gémellaire", Base::Given, days(153), {}, "jusqu'au ", "", Pattern::Long},
    Row{"Grossesse multiple", Base::Given, days(153), {}, "jusqu'au ", "", Pattern::Long},
    Row{"Repos postnatal minimal (6 semaines)", Base::Given, days(41), {}, "jusqu'au ", "", Pattern::Long},
};

std::span<const Row> rowsOf(List list)
{
    switch (list) {
    case List::Divers: return kDivers;
    case List::Prenatal: return kPrenatal;
    case List::Medical: return kMedical;
    case List::Postnatal: return kPostnatal;
    }
    return {};
}

std::optional<QDate> apply(const QDate &base, const Step &step)
{
    if (step.months != 0)
        return DateText::addMonths(base, step.months);
    return DateText::addDays(base, step.days);
}

QString format(const QDate &date, Pattern pattern)
{
    return pattern == Pattern::Long ? DateText::longPattern(date) : DateText::dayMonthYear(date);
}

std::optional<QDate> baseOf(const Row &row, const QDate &dtrans, const std::optional<QDate> &startOfPregnancy)
{
    switch (row.base) {
    case Base::Given: return DateText::inRange(dtrans) ? std::optional<QDate>(dtrans) : std::nullopt;
    case Base::Term: return DateText::addMonths(dtrans, 9);
    case Base::StartOfPregnancy: return startOfPregnancy;
    }
    return std::nullopt;
}

} // namespace

QStringList items(List list)
{
    QStringList texts;
    for (const Row &row : rowsOf(list))
        texts << QString::fromUtf8(row.text);
    return texts;
}

QString actualiseDate(List list, int index, const QDate &dtrans, const std::optional<QDate> &startOfPregnancy)
{
    const std::span<const Row> rows = rowsOf(list);
    if (index < 0 || index >= static_cast<int>(rows.size()))
        return {};
    const Row &row = rows[static_cast<std::size_t>(index)];
    const std::optional<QDate> base = baseOf(row, dtrans, startOfPregnancy);
    if (!base)
        return {};
    const std::optional<QDate> first = apply(*base, row.first);
    if (!first)
        return {};
    QString text = QString::fromUtf8(row.prefix) + format(*first, row.pattern);
    if (row.second) {
        const std::optional<QDate> second = apply(*base, *row.second);
        if (!second)
            return {};
        text += QString::fromUtf8(row.middle) + format(*second, row.pattern);
    }
    return text;
}

} // namespace Milestones
