#pragma once

#include "controls/CalendarArithmetic.h"

#include <QDate>
#include <QString>

#include <array>

// What the month calendar shows and how it moves, without any drawing: the
// 42 day cells of six Monday-first weeks, which one holds the selected date,
// the colour of every cell, and the date moves of the mouse and keyboard.
// Colours are 0x00BBGGRR values.
class CalendarModel
{
public:
    static constexpr int CellCount = 42;
    static constexpr int Columns = 7;
    static constexpr quint32 NeighbourGrey = 0x808080;

    struct Colors
    {
        quint32 back = 0xFFFFFF;
        quint32 fore = 0x000000;
        quint32 titleBack = 0xFF0000;
        quint32 titleFore = 0xFFFFFF;
    };

    explicit CalendarModel(const QDate &value);

    QDate value() const { return m_value; }
    // Refused (false) for a date outside 1 January 100 .. 31 December 9999.
    bool setValue(const QDate &value);

    // Moves the selected date; false, with nothing changed, when the move
    // would leave the range.
    bool moveDate(DateUnit unit, qint64 n);
    // A click on a day cell: moves by days to the date the cell shows.
    bool clickCell(int cell);
    // Navigation keys by virtual-key code and Shift mask. Returns true when
    // the date changed (Home always counts as a change, even on today).
    bool handleKey(int keyCode, int shiftMask, const QDate &today);

    int displayedMonth() const { return m_displayedMonth; }
    int displayedYear() const { return m_displayedYear; }
    int firstDayCell() const { return m_firstDayCell; }
    int lastDayCell() const { return m_lastDayCell; }
    int selectedCell() const { return m_selectedCell; }

    int cellNumber(int cell) const { return m_numbers.at(cell); }
    bool isShownMonthCell(int cell) const { return cell >= m_firstDayCell && cell <= m_lastDayCell; }
    quint32 cellTextColor(int cell) const;
    quint32 cellBackColor(int cell) const;

    // "août 2011": the French month name and the year.
    QString title() const;
    // "lun" .. "dim" for columns 0 .. 6.
    static QString weekdayHeader(int column);

    const Colors &colors() const { return m_colors; }
    void setColors(const Colors &colors) { m_colors = colors; }

private:
    void layOut();

    QDate m_value;
    Colors m_colors;
    int m_displayedMonth = 1;
    int m_displayedYear = 100;
    int m_firstDayCell = 0;
    int m_lastDayCell = 0;
    int m_selectedCell = 0;
    std::array<int, CellCount> m_numbers{};
};
