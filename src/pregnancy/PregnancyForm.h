#pragma once

#include "pregnancy/Milestones.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// The state of the pregnancy window without its widgets: the three date
// texts with their modified flags, the chosen milestone of each list, the day
// picked on the calendar tab, and every result text. The window mirrors it.
class PregnancyForm : public QObject
{
    Q_OBJECT
public:
    // The three date fields: start of pregnancy (master date), last period,
    // delivery.
    enum class Field { Ddg, Ddr, Acc };
    Q_ENUM(Field)
    // The texts the form computes.
    enum class Label {
        TermeTheorique,
        Datation,
        Adm0,
        Adm1,
        Med0,
        Post0,
        CalendrierJour,
        CalendrierStatut,
        // Weeks of amenorrhoea beside the two status lines.
        DatationSA,
        CalendrierSA,
    };
    static constexpr int kLabelCount = 10;
    Q_ENUM(Label)
    using Clock = std::function<QDate()>;

    explicit PregnancyForm(Clock today = &QDate::currentDate, QObject *parent = nullptr);

    QString text(Field field) const;
    // Any change of a field's text, typed or computed, marks the field modified.
    void setText(Field field, const QString &text);
    bool isModified(Field field) const;
    // The field's date, when its text reads as one.
    std::optional<QDate> date(Field field) const;

    QString label(Label label) const;

    // The chosen item of a milestone list; -1 for an unknown list.
    int listIndex(Milestones::List list) const;
    // The user picks an item: its result is recomputed when the list's base
    // field holds a date, and kept otherwise.
    void chooseListItem(Milestones::List list, int index);

    QDate calendarDay() const;
    // The calendar tab's day changed: show it and its status.
    void setCalendarDay(const QDate &day);

    // Recomputes everything from the start of pregnancy; does nothing unless
    // that field holds a date. Overwrites the last period and the delivery.
    void actualiseDateGen();
    // The result of one milestone item; clears the last-period flag for the
    // medical list and the delivery flag for the postnatal list.
    QString actualiseDate(Milestones::List list, int index, const QDate &dtrans);

    // Enter in a field: normalise and recompute its dependants when it holds
    // a date, modified or not.
    void confirm(Field field);
    // The field lost the focus: as Enter, but only when it was modified and
    // the pop-up date picker is not what took the focus.
    void leave(Field field, bool pickerVisible);

    // A dating found from the cycle or the scan: the start is written and
    // everything recomputed, then the last period found replaces the default
    // one and its landmark, as if both had been typed and confirmed.
    void applyDating(const QDate &ddg, const QDate &ddr);

    // Empties the fields and every result except the calendar tab's day.
    void clear();
    // Shows stored dates: the start recomputes everything, then the stored
    // last period and delivery replace the defaults and their milestones.
    void load(const QDate &ddg, const QDate &ddr, const QDate &acc);

signals:
    void textChanged(PregnancyForm::Field field);
    void labelChanged(PregnancyForm::Label label);

private:
    struct DateField
    {
        QString text;
        bool modified = false;
    };

    DateField &slot(Field field);
    const DateField &slot(Field field) const;
    void setLabel(Label label, const QString &text);
    void normaliseAndRecompute(Field field, const QDate &date);
    void recomputeMilestone(Milestones::List list);
    void showCalendarStatus();
    void showAmenorrhoea();

    Clock m_today;
    std::array<DateField, 3> m_fields;
    std::array<QString, kLabelCount> m_labels;
    std::array<int, Milestones::kLists.size()> m_listIndex{};
    QDate m_calendarDay;
};
