#include "tape/TapeView.h"

#include "calc/Functions.h"
#include "calc/Operators.h"
#include "controls/Twips.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

TapeView::TapeView(QWidget *parent) : QTableView(parent)
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
    setTextElideMode(Qt::ElideNone);
    horizontalHeader()->setStretchLastSection(true); // the comment takes a wider grid
    fitFontToColumns();
    // The grid is disabled while a line is edited and in calculator mode;
    // its lines must stay readable then.
    QPalette p = palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::Base, QPalette::WindowText})
        p.setColor(QPalette::Disabled, role, p.color(QPalette::Active, role));
    setPalette(p);
}

void TapeView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    for (int column = 0; column < 4; ++column) {
        setColumnWidth(column, Twips::toPixels(ColumnWidthsTwips[column]));
        setColumnHidden(column, ColumnWidthsTwips[column] == 0);
    }
    connect(model, &QAbstractItemModel::rowsInserted, this, &TapeView::followOpenLine);
}

namespace {

// Whether the longest number text fits the value column and every function
// name and operator the first one. The value column is measured first: it
// takes a few texts, and a size too large for it needs no name measured.
bool fitsColumns(const QFontMetricsF &metrics, qreal nameRoom, qreal valueRoom)
{
    qreal digit = 0;
    for (char c = '0'; c <= '9'; ++c)
        digit = std::max(digit, metrics.horizontalAdvance(QLatin1Char(c)));
    // A negative mantissa of 15 digits with a three-digit exponent.
    if (metrics.horizontalAdvance(QStringLiteral("-,E-")) + 18 * digit > valueRoom)
        return false;
    for (const QString &text : {QStringLiteral("Annulation"), QStringLiteral("Erreur!")})
        if (metrics.horizontalAdvance(text) > valueRoom)
            return false;
    for (const QStringList *names : {&Functions::names(), &Operators::symbols()})
        for (const QString &text : *names)
            if (metrics.horizontalAdvance(text) > nameRoom)
                return false;
    return true;
}

} // namespace

// The grid's widths are fixed; its font is the largest, from 8 points down,
// in which every function name and the longest number text fit their
// columns whole, whatever the font family.
void TapeView::fitFontToColumns()
{
    const qreal padding = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    const qreal room0 = Twips::toPixels(ColumnWidthsTwips[0]) - padding;
    const qreal room1 = Twips::toPixels(ColumnWidthsTwips[1]) - padding;
    QFont fitted = font();
    // The size fits this family only: the grid keeps it.
    fitted.setFamily(fitted.family());
    for (qreal size = 8; size >= 5; size -= 0.5) {
        fitted.setPointSizeF(size);
        if (fitsColumns(QFontMetricsF(fitted), room0, room1))
            break;
    }
    setFont(fitted);
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
    case Qt::Key_Right: QTableView::keyPressEvent(event); return;
    default: event->ignore();
    }
}

void TapeView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (currentIndex().isValid())
        emit editRequested(currentIndex().row());
}
