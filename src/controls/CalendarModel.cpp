#include "controls/CalendarModel.h"

#include "controls/VirtualKeyCode.h"

#include <QLocale>

CalendarModel::CalendarModel(const QDate &value)
    : m_value(CalendarArithmetic::inRange(value) ? value : CalendarArithmetic::firstDate())
{
    layOut();
}

bool CalendarModel::setValue(const QDate &value)
{
    if (!CalendarArithmetic::inRange(value))
        return false;
    m_value = value;
    layOut();
    return true;
}

bool CalendarModel::moveDate(DateUnit unit, qint64 n)
{
    const std::optional<QDate> moved = CalendarArithmetic::move(m_value, unit, n);
    if (!moved)
        return false;
    m_value = *moved;
    layOut();
    return true;
}

bool CalendarModel::clickCell(int cell)
{
    if (cell < 0 || cell >= CellCount)
        return false;
    return moveDate(DateUnit::Day, cell - m_selectedCell);
}

bool CalendarModel::handleKey(int keyCode, int shiftMask, const QDate &today)
{
    using namespace VirtualKeyCode;
    switch (keyCode) {
    case Left: return moveDate(DateUnit::Day, -1);
    case Right: return moveDate(DateUnit::Day, 1);
    case Up: return moveDate(DateUnit::Day, -7);
    case Down: return moveDate(DateUnit::Day, 7);
    case Prior:
    case Next: {
        const int sign = keyCode == Next ? 1 : -1;
        if (shiftMask == CtrlMask)
            return moveDate(DateUnit::Year, sign);
        if (shiftMask == ShiftMask)
            return moveDate(DateUnit::Year, 10 * sign);
        return moveDate(DateUnit::Month, sign);
    }
    case Home: return setValue(today);
    default: return false;
    }
}

quint32 CalendarModel::cellTextColor(int cell) const
{
    if (cell == m_selectedCell)
        return m_colors.titleFore;
    return isShownMonthCell(cell) ? m_colors.fore : NeighbourGrey;
}

quint32 CalendarModel::cellBackColor(int cell) const
{
    return cell == m_selectedCell ? m_colors.titleBack : m_colors.back;
}

QString CalendarModel::title() const
{
    return QLocale(QLocale::French).standaloneMonthName(m_displayedMonth, QLocale::LongFormat) + QLatin1Char(' ')
        + QString::number(m_displayedYear);
}

QString CalendarModel::weekdayHeader(int column)
{
    static const char *const names[Columns] = {"lun", "mar", "mer", "jeu", "ven", "sam", "dim"};
    return QString::fromLatin1(names[column]);
}

void CalendarModel::layOut()
{
    m_displayedMonth = m_value.month();
    m_displayedYear = m_value.year();

    // Only the displayed month itself is ever built as a date, so the first
    // and last months of the range need no special case: the month before
    // any January is a December of 31 days.
    const int weekday = QDate(m_displayedYear, m_displayedMonth, 1).dayOfWeek(); // Monday = 1
    // A month starting on a Monday begins on the second row, so that at least
    // one day of the previous month is always shown.
    m_firstDayCell = weekday == 1 ? 7 : weekday - 1;
    const int days = CalendarArithmetic::daysInMonth(m_displayedYear, m_displayedMonth);
    m_lastDayCell = m_firstDayCell + days - 1;
    const int previousDays =
        m_displayedMonth == 1 ? 31 : CalendarArithmetic::daysInMonth(m_displayedYear, m_displayedMonth - 1);

    for (int cell = 0; cell < m_firstDayCell; ++cell)
        m_numbers[cell] = previousDays - (m_firstDayCell - 1 - cell);
    for (int cell = m_firstDayCell; cell <= m_lastDayCell; ++cell)
        m_numbers[cell] = cell - m_firstDayCell + 1;
    for (int cell = m_lastDayCell + 1; cell < CellCount; ++cell)
        m_numbers[cell] = cell - m_lastDayCell;

    m_selectedCell = m_value.day() + m_firstDayCell - 1;
}
