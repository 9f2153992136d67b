#pragma once

#include "calc/CalcTape.h"

#include <QString>
#include <string>
#include <string_view>

// One line of the calculation tape: four cells and the line's kind.
//
// The four cells share one UTF-8 buffer. An operator and a number fit in
// the string's own storage, so a long tape costs no allocation per line
// and about a third of the memory of four separate strings.
class TapeLine
{
public:
    static constexpr int CellCount = 4;

    QString cell(int column) const;
    std::string_view cellUtf8(int column) const;
    bool cellIsEmpty(int column) const { return begin(column) == end(column); }

    void setCell(int column, QStringView text);
    void setCellUtf8(int column, std::string_view utf8);

    CalcTape::Kind kind = CalcTape::Kind::Operand;

private:
    std::size_t begin(int column) const { return column == 0 ? 0 : m_ends[column - 1]; }
    std::size_t end(int column) const { return column == CellCount - 1 ? m_text.size() : m_ends[column]; }

    std::string m_text;
    quint32 m_ends[CellCount - 1] = {}; // where cells 0..2 end in m_text
};
