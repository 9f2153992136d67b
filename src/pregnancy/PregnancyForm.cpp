#include "pregnancy/PregnancyForm.h"

#include "pregnancy/DateText.h"
#include "pregnancy/Milestones.h"
#include "pregnancy/PregnancyStatus.h"

namespace {

using List = Milestones::List;

std::size_t at(auto e) { return static_cast<std::size_t>(e); }

bool known(List list) { return at(list) < Milestones::kLists.size(); }

PregnancyForm::Label resultLabelOf(List list)
{
    switch (list) {
    case List::Divers: return PregnancyForm::Label::Adm0;
    case List::Prenatal: return PregnancyForm::Label::Adm1;
    case List::Medical: return PregnancyForm::Label::Med0;
    case List::Postnatal: break;
    }
    return PregnancyForm::Label::Post0;
}

PregnancyForm::Field baseFieldOf(List list)
{
    switch (list) {
    case List::Medical: return PregnancyForm::Field::Ddr;
    case List::Postnatal: return PregnancyForm::Field::Acc;
    case List::Divers:
    case List::Prenatal: break;
    }
    return PregnancyForm::Field::Ddg;
}

} // namespace

PregnancyForm::PregnancyForm(Clock today, QObject *parent) : QObject(parent), m_today(std::move(today)) { }

PregnancyForm::DateField &PregnancyForm::slot(Field field) { return m_fields[at(field)]; }

const PregnancyForm::DateField &PregnancyForm::slot(Field field) const { return m_fields[at(field)]; }

QString PregnancyForm::text(Field field) const { return slot(field).text; }

void PregnancyForm::setText(Field field, const QString &text)
{
    DateField &f = slot(field);
    if (f.text == text)
        return;
    f.text = text;
    f.modified = true;
    emit textChanged(field);
    // The weeks of amenorrhoea follow the last period as it is typed.
    if (field == Field::Ddr)
        showAmenorrhoea();
}

bool PregnancyForm::isModified(Field field) const { return slot(field).modified; }

std::optional<QDate> PregnancyForm::date(Field field) const { return DateText::parse(slot(field).text); }

QString PregnancyForm::label(Label label) const { return m_labels[at(label)]; }

void PregnancyForm::setLabel(Label label, const QString &text)
{
    QString &current = m_labels[at(label)];
    if (current == text)
        return;
    current = text;
    emit labelChanged(label);
}

int PregnancyForm::listIndex(List list) const { return known(list) ? m_listIndex[at(list)] : -1; }

void PregnancyForm::chooseListItem(List list, int index)
{
    if (!known(list))
        return;
    m_listIndex[at(list)] = index;
    recomputeMilestone(list);
}

void PregnancyForm::recomputeMilestone(List list)
{
    const std::optional<QDate> base = date(baseFieldOf(list));
    if (base)
        setLabel(resultLabelOf(list), actualiseDate(list, listIndex(list), *base));
}

QDate PregnancyForm::calendarDay() const { return m_calendarDay; }

void PregnancyForm::setCalendarDay(const QDate &day)
{
    m_calendarDay = day;
    showCalendarStatus();
    showAmenorrhoea();
}

void PregnancyForm::showCalendarStatus()
{
    setLabel(Label::CalendrierJour, m_calendarDay.isValid() ? DateText::shortForm(m_calendarDay) : QString());
    setLabel(Label::CalendrierStatut, PregnancyStatus::actualiseDatation(date(Field::Ddg), m_calendarDay));
}

void PregnancyForm::showAmenorrhoea()
{
    const std::optional<QDate> ddr = date(Field::Ddr);
    const std::optional<QDate> ddg = date(Field::Ddg);
    setLabel(Label::DatationSA, PregnancyStatus::amenorrhoea(ddr, ddg, m_today()));
    setLabel(Label::CalendrierSA, PregnancyStatus::amenorrhoea(ddr, ddg, m_calendarDay));
}

void PregnancyForm::actualiseDateGen()
{
    const std::optional<QDate> ddg = date(Field::Ddg);
    if (!ddg)
        return;
    slot(Field::Ddg).modified = false;
    const std::optional<QDate> term = DateText::addMonths(*ddg, 9);
    setLabel(Label::TermeTheorique, term ? DateText::longPattern(*term) : QString());
    setText(Field::Acc, term ? DateText::shortForm(*term) : QString());
    setLabel(Label::Datation, PregnancyStatus::actualiseDatation(ddg, m_today()));
    setLabel(Label::Adm0, actualiseDate(List::Divers, listIndex(List::Divers), *ddg));
    setLabel(Label::Adm1, actualiseDate(List::Prenatal, listIndex(List::Prenatal), *ddg));
    const std::optional<QDate> ddr = DateText::addDays(*ddg, -14);
    setText(Field::Ddr, ddr ? DateText::shortForm(*ddr) : QString());
    // The two derived fields may be out of range at the very ends of the
    // calendar; their milestones are then emptied like any other result.
    setLabel(Label::Med0, actualiseDate(List::Medical, listIndex(List::Medical), ddr.value_or(QDate())));
    setLabel(Label::Post0, actualiseDate(List::Postnatal, listIndex(List::Postnatal), term.value_or(QDate())));
    showCalendarStatus();
    showAmenorrhoea();
}

QString PregnancyForm::actualiseDate(List list, int index, const QDate &dtrans)
{
    if (list == List::Medical)
        slot(Field::Ddr).modified = false;
    else if (list == List::Postnatal)
        slot(Field::Acc).modified = false;
    return Milestones::actualiseDate(list, index, dtrans, date(Field::Ddg));
}

void PregnancyForm::normaliseAndRecompute(Field field, const QDate &day)
{
    setText(field, DateText::shortForm(day));
    switch (field) {
    case Field::Ddg: actualiseDateGen(); break;
    case Field::Ddr: recomputeMilestone(List::Medical); break;
    case Field::Acc: recomputeMilestone(List::Postnatal); break;
    }
}

void PregnancyForm::confirm(Field field)
{
    if (const std::optional<QDate> day = date(field))
        normaliseAndRecompute(field, *day);
}

void PregnancyForm::leave(Field field, bool pickerVisible)
{
    if (pickerVisible || !isModified(field))
        return;
    if (const std::optional<QDate> day = date(field))
        normaliseAndRecompute(field, *day);
}

void PregnancyForm::applyDating(const QDate &ddg, const QDate &ddr)
{
    if (!DateText::inRange(ddg) || !DateText::inRange(ddr))
        return;
    normaliseAndRecompute(Field::Ddg, ddg);
    normaliseAndRecompute(Field::Ddr, ddr);
}

void PregnancyForm::clear()
{
    setText(Field::Ddg, {});
    setText(Field::Ddr, {});
    setText(Field::Acc, {});
    for (Label label : {Label::TermeTheorique, Label::Datation, Label::Adm0, Label::Adm1, Label::Med0, Label::Post0,
                        Label::CalendrierStatut, Label::DatationSA, Label::CalendrierSA})
        setLabel(label, {});
}

void PregnancyForm::load(const QDate &ddg, const QDate &ddr, const QDate &acc)
{
    const auto shortOrEmpty = [](const QDate &d) { return DateText::inRange(d) ? DateText::shortForm(d) : QString(); };
    setText(Field::Ddg, shortOrEmpty(ddg));
    actualiseDateGen();
    setText(Field::Ddr, shortOrEmpty(ddr));
    if (DateText::inRange(ddr))
        setLabel(Label::Med0, actualiseDate(List::Medical, listIndex(List::Medical), ddr));
    setText(Field::Acc, shortOrEmpty(acc));
    if (DateText::inRange(acc))
        setLabel(Label::Post0, actualiseDate(List::Postnatal, listIndex(List::Postnatal), acc));
}
