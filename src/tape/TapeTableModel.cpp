#include "tape/TapeTableModel.h"

#include "controls/ColorTranslate.h"
#include "tape/Tape.h"
#include "tape/TapeLineColours.h"

#include <QBrush>

TapeTableModel::TapeTableModel(Tape &tape, QObject *parent) : QAbstractTableModel(parent), m_tape(tape)
{
    connect(&tape, &Tape::aboutToAppendLine, this, [this] {
        const int row = rowCount();
        beginInsertRows(QModelIndex(), row, row);
    });
    connect(&tape, &Tape::lineAppended, this, &TapeTableModel::endInsertRows);
    connect(&tape, &Tape::aboutToRemoveLine, this,
            [this](qint64 line) { beginRemoveRows(QModelIndex(), int(line), int(line)); });
    connect(&tape, &Tape::lineRemoved, this, &TapeTableModel::endRemoveRows);
    connect(&tape, &Tape::aboutToReset, this, &TapeTableModel::beginResetModel);
    connect(&tape, &Tape::tapeReset, this, &TapeTableModel::endResetModel);
    connect(&tape, &Tape::lineChanged, this,
            [this](qint64 line) { emit dataChanged(index(int(line), 0), index(int(line), columnCount() - 1)); });
}

int TapeTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_tape.rowCount()); }

int TapeTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 4; }

QVariant TapeTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const TapeLine &line = m_tape.line(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: return line.cell(column);
    case Qt::BackgroundRole:
        if (const quint32 back = TapeLineColours::back(line.kind); column <= 1 && back != 0)
            return QBrush(TranslateColor(back));
        return {};
    case Qt::ForegroundRole:
        // Column 0 too: a struck-out line keeps its operator on the dark back.
        if (const quint32 fore = TapeLineColours::valueFore(line.kind); column <= 1 && fore != 0)
            return QBrush(TranslateColor(fore));
        return {};
    case Qt::TextAlignmentRole:
        // Operators and values stand right-aligned, as in print.
        if (column == Tape::OperatorColumn || column == Tape::ValueColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::DecorationRole:
        if (column == Tape::CommentColumn && !line.cellIsEmpty(column))
            return commentMarker();
        return {};
    case Qt::ToolTipRole:
        if (column == Tape::CommentColumn && !line.cellIsEmpty(column))
            return line.cell(column).trimmed();
        return {};
    default: return {};
    }
}

const QPixmap &TapeTableModel::commentMarker() const
{
    if (m_commentMarker.isNull())
        m_commentMarker.load(QStringLiteral(":/comment-marker.xpm"));
    return m_commentMarker;
}
