#include "tape/TapeLine.h"

#include <QByteArray>
#include <limits>

QString TapeLine::cell(int column) const
{
    const std::string_view utf8 = cellUtf8(column);
    if (utf8.empty())
        return QString();
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

std::string_view TapeLine::cellUtf8(int column) const
{
    return std::string_view(m_text).substr(begin(column), end(column) - begin(column));
}

void TapeLine::setCell(int column, QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    setCellUtf8(column, std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

void TapeLine::setCellUtf8(int column, std::string_view utf8)
{
    const std::size_t from = begin(column);
    const std::size_t oldLength = end(column) - from;
    // A line is at most four cells of one file record: far below 4 GiB.
    Q_ASSERT(m_text.size() - oldLength + utf8.size() <= std::numeric_limits<quint32>::max());
    m_text.replace(from, oldLength, utf8);
    for (int k = column; k < CellCount - 1; ++k)
        m_ends[k] = quint32(m_ends[k] - oldLength + utf8.size());
}
