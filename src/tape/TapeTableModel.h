#pragma once

#include <QAbstractTableModel>
#include <QPixmap>

class Tape;

// The tape as the grid flxCalc shows it: four columns, the line kinds as
// cell colours and the comment marker in column 2.
class TapeTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit TapeTableModel(Tape &tape, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const QPixmap &commentMarker() const;

    Tape &m_tape;
    // Read when a comment first shows: a new tape has none.
    mutable QPixmap m_commentMarker;
};
