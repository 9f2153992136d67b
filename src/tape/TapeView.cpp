#include "tape/TapeView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

TapeView::TapeView(QWidget *parent)
    : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setIconSize(QSize(16, 15));
}

void TapeView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    for (int column = 0; column < 4; ++column) {
        setColumnWidth(column, ColumnWidthsTwips[column] / 15);
        setColumnHidden(column, ColumnWidthsTwips[column] == 0);
    }
    connect(model, &QAbstractItemModel::rowsInserted, this, &TapeView::followOpenLine);
}

// After a line is appended the open line is brought into view, then the
// grid scrolls one line further, as far as its range allows.
void TapeView::followOpenLine()
{
    const int open = model()->rowCount() - 1;
    scrollTo(model()->index(open, 1), QAbstractItemView::EnsureVisible);
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(std::min(bar->value() + 1, bar->maximum()));
}

void TapeView::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_G && !ctrl) {
        emit toggleModeRequested();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit editRequested(currentIndex().row());
        return;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F5) {
        emit storeRequested(currentIndex().row(), key - Qt::Key_F1);
        return;
    }
    // Only the grid's own navigation keys move the selection.
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        QTableView::keyPressEvent(event);
        return;
    default:
        event->ignore();
    }
}

void TapeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (currentIndex().isValid())
        emit editRequested(currentIndex().row());
}
