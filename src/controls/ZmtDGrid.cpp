#include "controls/ZmtDGrid.h"

#include "controls/ConverterAccessibility.h"
#include "controls/ConverterField.h"
#include "controls/Twips.h"
#include "controls/ZmtScrollRgn.h"

#include <QPainter>
#include <QStyleOptionButton>

using BaseConversion::Column;

namespace {

// Sizes come from a design in twips.
using Twips::toPixels;
constexpr int FieldWidth = toPixels(1935);
constexpr int FieldHeight = toPixels(285);
constexpr int ColumnLeft[3] = {0, toPixels(1920), toPixels(3840)};
constexpr int RegionTop = toPixels(240);
constexpr int RegionNarrowing = 4;
constexpr int SmallScroll = FieldHeight;
constexpr int LargeScroll = 3 * FieldHeight;

constexpr Column Columns[3] = {Column::Hexadecimal, Column::Octal, Column::Decimal};

} // namespace

ZmtDGrid::ZmtDGrid(QWidget *parent) : QWidget(parent), m_region(new ZmtScrollRgn(this))
{
    installConverterAccessibility();
    setAccessibleName(QStringLiteral("Convertisseur hexadécimal, octal, décimal"));
    setAccessibleDescription(QStringLiteral("Colonnes : Hexadécimal, Octal, Décimal"));
    m_region->setAccessibleName(QStringLiteral("Lignes de conversion"));
    m_region->setSmallScroll(SmallScroll);
    m_region->setLargeScroll(LargeScroll);
    m_region->move(0, RegionTop);
    addRow();
}

ConverterField *ZmtDGrid::field(int row, Column column) const
{
    if (row < 1 || row > rowCount())
        return nullptr;
    return m_rows[row - 1][int(column)];
}

ConverterField *ZmtDGrid::currentField() const { return m_current; }

QString ZmtDGrid::headerCaption(int index)
{
    static const char *const captions[HeaderCells] = {"Hexadécimal", "Octal", "Décimal"};
    return QString::fromUtf8(captions[index]);
}

QRect ZmtDGrid::headerCell(int index) const
{
    // Aligned on the first row's fields, whose borders overlap by one pixel.
    const int left = m_region->x() + m_region->contentArea()->x();
    const int height = RegionTop;
    switch (index) {
    case 0: return QRect(left, 0, FieldWidth, height);
    case 1: return QRect(left + FieldWidth, 0, FieldWidth - 1, height);
    default: return QRect(left + 2 * FieldWidth - 1, 0, FieldWidth - 1, height);
    }
}

void ZmtDGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int i = 0; i < 3; ++i) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = headerCell(i);
        option.state |= QStyle::State_Raised;
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
        const QRect textRect = option.rect.adjusted(2, 0, -2, 0);
        const QString caption = option.fontMetrics.elidedText(headerCaption(i), Qt::ElideRight, textRect.width());
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, caption);
    }
}

void ZmtDGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_region->resize(std::max(0, width() - RegionNarrowing), std::max(0, height() - RegionTop));
}

void ZmtDGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_current)
        m_current->setFocus();
}

void ZmtDGrid::addRow()
{
    if (rowCount() >= MaximumRows)
        return;
    const int row = rowCount() + 1;
    std::array<ConverterField *, 3> fields{};
    for (int c = 0; c < 3; ++c) {
        auto *f = new ConverterField(Columns[c], row, m_region->contentArea());
        // Placed under the row above as it stands now, scrolled or not: the
        // reset below moves every child back together.
        const int top = row == 1 ? 0 : m_rows.back()[c]->y() + FieldHeight;
        f->setGeometry(ColumnLeft[c], top, FieldWidth, FieldHeight);
        connect(f, &ConverterField::keyTyped, this, [this] { m_keyTyped = true; });
        connect(f, &ConverterField::editRefused, this, [this] { m_keyTyped = false; });
        connect(f, &QLineEdit::textChanged, this, [this, f] { convert(f); });
        connect(f, &ConverterField::upPressed, this, [this, f] { moveFocus(f, -1); });
        connect(f, &ConverterField::downPressed, this, [this, f] { moveFocus(f, +1); });
        connect(f, &ConverterField::focused, this, [this, f] { onFieldFocused(f); });
        fields[c] = f;
    }
    // Tab goes through a row from left to right, then to the next row.
    if (row > 1)
        setTabOrder(m_rows.back()[2], fields[0]);
    setTabOrder(fields[0], fields[1]);
    setTabOrder(fields[1], fields[2]);
    m_rows.push_back(fields);
    for (ConverterField *f : fields)
        f->show();
    if (row > 1)
        m_region->resetBar(m_rows[row - 2][0]);
}

void ZmtDGrid::convert(ConverterField *changed)
{
    if (!m_keyTyped)
        return;
    // Cleared first: the rewrites below change other fields and must not be
    // converted in turn.
    m_keyTyped = false;
    const int row = changed->row();
    const BaseConversion::RowTexts texts = BaseConversion::convertRow(changed->column(), changed->text());
    if (!texts.ok) {
        showRowFailure(row);
        return;
    }
    const QString results[3] = {texts.hexadecimal, texts.octal, texts.decimal};
    for (int c = 0; c < 3; ++c) {
        ConverterField *f = m_rows[row - 1][c];
        if (f != changed)
            f->setText(results[c]);
    }
    if (row == rowCount())
        addRow();
}

void ZmtDGrid::showRowFailure(int row)
{
    for (ConverterField *f : m_rows[row - 1])
        f->setText(BaseConversion::invalidEntryText());
}

void ZmtDGrid::moveFocus(ConverterField *from, int rowDelta)
{
    if (ConverterField *target = field(from->row() + rowDelta, from->column()))
        target->setFocus(Qt::OtherFocusReason);
}

void ZmtDGrid::onFieldFocused(ConverterField *f)
{
    m_current = f;
    m_region->ensureVisible(f);
}
