#include "controls/Calendar.h"

#include "controls/ColorTranslate.h"
#include "controls/Twips.h"
#include "controls/VirtualKeyCode.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <mutex>

namespace {

// The layout is laid down in twips.
constexpr int px(int twips) { return Twips::toPixels(twips); }

constexpr int WidthTwips = 2500;
constexpr int HeightTwips = 2300;

// The control was laid out for an 8-point sans-serif face; the nearest
// narrow face available is taken, and made smaller still if a text would
// otherwise spill over its neighbours.
QFont controlFont(const QFont &base, bool bold)
{
    QFont font = base;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), base.family()});
    font.setPixelSize(11);
    font.setBold(bold);
    font.setUnderline(false);
    return font;
}

QFont fitted(QFont font, const QStringList &texts, int width)
{
    for (int size = font.pixelSize(); size > 7; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(texts.cbegin(), texts.cend(),
                                      [&](const QString &text) { return metrics.horizontalAdvance(text) <= width; });
        if (fits)
            break;
    }
    return font;
}

QString displayDate(const QDate &date)
{
    return QLocale(QLocale::French).toString(date, QStringLiteral("d MMMM yyyy"));
}

class CalendarAccessible : public QAccessibleWidget
{
public:
    explicit CalendarAccessible(Calendar *calendar) : QAccessibleWidget(calendar, QAccessible::Table) { }

    QString text(QAccessible::Text t) const override
    {
        const auto *calendar = static_cast<const Calendar *>(widget());
        switch (t) {
        case QAccessible::Name:
            return calendar->accessibleName().isEmpty() ? QStringLiteral("Calendrier") : calendar->accessibleName();
        case QAccessible::Value: return displayDate(calendar->value());
        case QAccessible::Description: return QStringLiteral("Date choisie : %1").arg(displayDate(calendar->value()));
        default: return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *calendarAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Calendar") && object && object->isWidgetType())
        return new CalendarAccessible(static_cast<Calendar *>(object));
    return nullptr;
}

void installAccessibleFactory()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(calendarAccessibleFactory); });
}

void drawButtonFace(QImage &image)
{
    const int w = image.width();
    const int h = image.height();
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    for (int x = 0; x < w; ++x) {
        image.setPixelColor(x, 0, Qt::white);
        image.setPixelColor(x, h - 2, QColor(0x80, 0x80, 0x80));
        image.setPixelColor(x, h - 1, Qt::black);
    }
    for (int y = 0; y < h - 1; ++y) {
        image.setPixelColor(0, y, Qt::white);
        image.setPixelColor(w - 2, y, QColor(0x80, 0x80, 0x80));
        image.setPixelColor(w - 1, y, Qt::black);
    }
    image.setPixelColor(w - 2, 0, Qt::white);
    image.setPixelColor(0, h - 2, Qt::white);
}

// A triangle three pixels wide and five high; its point is at column tipX,
// dy rows below the middle.
void drawTriangle(QImage &image, int tipX, int dy, int direction, const QColor &color)
{
    const int middle = image.height() / 2 + dy;
    for (int step = 0; step < 3; ++step) {
        const int x = tipX - direction * step;
        for (int y = middle - step; y <= middle + step; ++y)
            image.setPixelColor(x, y, color);
    }
}

} // namespace

Calendar::Calendar(QWidget *parent) : QWidget(parent), m_model(QDate::currentDate())
{
    installAccessibleFactory();
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Calendar::~Calendar() = default;

QSize Calendar::sizeHint() const { return QSize(px(WidthTwips), px(HeightTwips)); }

void Calendar::setValue(const QDate &value)
{
    if (!m_model.setValue(value))
        return;
    dateChanged(0);
}

void Calendar::setColors(const CalendarModel::Colors &colors)
{
    m_model.setColors(colors);
    update();
}

void Calendar::setBackColor(quint32 color)
{
    CalendarModel::Colors colors = m_model.colors();
    colors.back = color;
    setColors(colors);
}

void Calendar::setForeColor(quint32 color)
{
    CalendarModel::Colors colors = m_model.colors();
    colors.fore = color;
    setColors(colors);
}

void Calendar::setTitleBackColor(quint32 color)
{
    CalendarModel::Colors colors = m_model.colors();
    colors.titleBack = color;
    setColors(colors);
}

void Calendar::setTitleForeColor(quint32 color)
{
    CalendarModel::Colors colors = m_model.colors();
    colors.titleFore = color;
    setColors(colors);
}

void Calendar::setBorderStyle(int style)
{
    m_borderStyle = style == 0 ? 0 : 1;
    update();
}

void Calendar::setAppearance(int appearance)
{
    m_appearance = appearance == 0 ? 0 : 1;
    update();
}

void Calendar::refresh() { repaint(); }

int Calendar::frameWidth() const
{
    if (m_borderStyle == 0)
        return 0;
    return m_appearance == 0 ? 1 : 2;
}

QRect Calendar::cellRect(int cell) const
{
    const int column = cell % CalendarModel::Columns;
    const int row = cell / CalendarModel::Columns;
    const int f = frameWidth();
    return QRect(f + px(360 * column), f + px(720 + 240 * row), px(300), px(220));
}

QRect Calendar::arrowRect(int index) const
{
    const int f = frameWidth();
    return QRect(f + px(index == 0 ? 120 : 2040), f + px(120), px(300), px(225));
}

QRect Calendar::titleRect() const
{
    const int f = frameWidth();
    return QRect(f + px(360), f + px(120), px(1815), px(255));
}

QImage Calendar::arrowImage(Arrow arrow)
{
    QImage image(px(300), px(225), QImage::Format_RGB32);
    drawButtonFace(image);
    const bool forward = arrow == Arrow::ForwardEnabled || arrow == Arrow::ForwardDisabled;
    const int direction = forward ? 1 : -1;
    const int tipX = forward ? 11 : 8;
    if (arrow == Arrow::BackEnabled || arrow == Arrow::ForwardEnabled) {
        drawTriangle(image, tipX, 0, direction, Qt::black);
    } else {
        drawTriangle(image, tipX + 1, 1, direction, Qt::white);
        drawTriangle(image, tipX, 0, direction, QColor(0x80, 0x80, 0x80));
    }
    return image;
}

bool Calendar::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        const Hit hit = hitTest(help->pos());
        if (hit.target == Target::Arrow) {
            QToolTip::showText(help->globalPos(), arrowToolTip(hit.index), this, arrowRect(hit.index));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

QString Calendar::arrowToolTip(int index)
{
    return index == 0 ? QStringLiteral("Clic gauche: reculer d'un mois. Clic droit: reculer d'une année")
                      : QStringLiteral("Clic gauche: avancer d'un mois. Clic droit: avancer d'une année");
}

void Calendar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(rect(), TranslateColor(backColor(), pal));
    const int f = frameWidth();
    painter.save();
    painter.setClipRect(rect().adjusted(f, f, -f, -f));
    painter.fillRect(QRect(f, f, px(2550), px(495)), TranslateColor(titleBackColor(), pal));
    paintTitle(painter);
    paintGrid(painter);
    painter.restore();
    paintFrame(painter);
}

void Calendar::paintTitle(QPainter &painter) const
{
    const QPalette &pal = palette();
    QFont titleFont = fitted(controlFont(font(), true), {m_model.title()}, titleRect().width());
    titleFont.setUnderline(hasFocus());
    painter.setFont(titleFont);
    painter.setPen(TranslateColor(titleForeColor(), pal));
    painter.drawText(titleRect(), Qt::AlignHCenter | Qt::AlignTop, m_model.title());

    const bool enabled = isEnabled();
    painter.drawImage(arrowRect(0).topLeft(), arrowImage(enabled ? Arrow::BackEnabled : Arrow::BackDisabled));
    painter.drawImage(arrowRect(1).topLeft(), arrowImage(enabled ? Arrow::ForwardEnabled : Arrow::ForwardDisabled));
}

void Calendar::paintGrid(QPainter &painter) const
{
    const QPalette &pal = palette();
    const int f = frameWidth();
    QStringList headers;
    for (int column = 0; column < CalendarModel::Columns; ++column)
        headers << CalendarModel::weekdayHeader(column);
    // Headers may use the gap between the columns, leaving room on both sides.
    const QFont headerFont = fitted(controlFont(font(), false), headers, px(300) + 2);
    painter.setFont(headerFont);
    painter.setPen(TranslateColor(titleBackColor(), pal));
    const QFontMetrics metrics(headerFont);
    // The last header is centred too, but kept clear of the frame.
    const int innerRight = width() - f - 1;
    for (int column = 0; column < CalendarModel::Columns; ++column) {
        const QString text = CalendarModel::weekdayHeader(column);
        const int textWidth = metrics.horizontalAdvance(text);
        const int centred = f + px(360 * column) + (px(300) - textWidth) / 2;
        const QRect header(std::min(centred, innerRight - textWidth), f + px(480), textWidth, px(255));
        painter.drawText(header, Qt::AlignLeft | Qt::AlignTop, text);
    }

    painter.setPen(Qt::black);
    painter.drawLine(f, f + px(675), f + px(2460), f + px(675));

    painter.setFont(fitted(controlFont(font(), false), {QStringLiteral("28")}, px(300)));
    for (int cell = 0; cell < CalendarModel::CellCount; ++cell) {
        const QRect box = cellRect(cell);
        painter.fillRect(box, TranslateColor(m_model.cellBackColor(cell), pal));
        painter.setPen(TranslateColor(m_model.cellTextColor(cell), pal));
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::number(m_model.cellNumber(cell)));
    }
}

void Calendar::paintFrame(QPainter &painter) const
{
    if (m_borderStyle == 0)
        return;
    const QRect r = rect();
    if (m_appearance == 0) {
        painter.setPen(Qt::black);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    // Sunken edge: shadow and dark lines top-left, light lines bottom-right.
    const auto edge = [&painter](const QRect &box, const QColor &topLeft, const QColor &bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(box.topLeft(), box.topRight());
        painter.drawLine(box.topLeft(), box.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(box.bottomLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomRight());
    };
    edge(r.adjusted(0, 0, -1, -1), QColor(0x80, 0x80, 0x80), Qt::white);
    edge(r.adjusted(1, 1, -2, -2), Qt::black, QColor(0xC0, 0xC0, 0xC0));
}

Calendar::Hit Calendar::hitTest(const QPoint &pos) const
{
    for (int index = 0; index < 2; ++index) {
        if (arrowRect(index).contains(pos))
            return {Target::Arrow, index};
    }
    if (titleRect().contains(pos))
        return {Target::Title, 0};
    const int f = frameWidth();
    for (int column = 0; column < CalendarModel::Columns; ++column) {
        if (QRect(f + px(360 * column), f + px(480), px(300), px(255)).contains(pos))
            return {Target::Header, column};
    }
    for (int cell = 0; cell < CalendarModel::CellCount; ++cell) {
        if (cellRect(cell).contains(pos))
            return {Target::Cell, cell};
    }
    return {Target::Background, -1};
}

void Calendar::dateChanged(int userAction)
{
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    emit change(userAction);
}

void Calendar::mousePressEvent(QMouseEvent *event)
{
    m_pressed = hitTest(event->position().toPoint());
    if (m_pressed.target == Target::Arrow) {
        const qint64 n = m_pressed.index == 1 ? 1 : -1;
        const DateUnit unit = event->button() == Qt::LeftButton ? DateUnit::Month : DateUnit::Year;
        if (m_model.moveDate(unit, n))
            dateChanged(1);
    }
}

void Calendar::mouseReleaseEvent(QMouseEvent *event)
{
    const Hit pressed = m_pressed;
    m_pressed = Hit();
    const Hit released = hitTest(event->position().toPoint());
    if (pressed.target != released.target || pressed.index != released.index)
        return;
    if (released.target == Target::Cell) {
        if (m_model.clickCell(released.index))
            dateChanged(1);
        emit dateClick(value());
        emit click();
    } else if (released.target == Target::Background) {
        emit click();
    }
}

void Calendar::mouseDoubleClickEvent(QMouseEvent *event)
{
    const Hit hit = hitTest(event->position().toPoint());
    if (hit.target == Target::Arrow) {
        // The second press of a quick double click on an arrow is one more step.
        mousePressEvent(event);
    } else if (hit.target == Target::Background) {
        emit dblClick();
    }
}

void Calendar::keyPressEvent(QKeyEvent *event)
{
    const int keyCode = VirtualKeyCode::fromQtKey(event->key());
    const int shift = VirtualKeyCode::shiftMask(event->modifiers());
    if (m_model.handleKey(keyCode, shift, QDate::currentDate()))
        dateChanged(1);
    emit keyDown(keyCode, shift);
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).unicode() != 0)
        emit keyPress(text.at(0).unicode());
    event->accept();
}

void Calendar::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat())
        return;
    emit keyUp(VirtualKeyCode::fromQtKey(event->key()), VirtualKeyCode::shiftMask(event->modifiers()));
}

void Calendar::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void Calendar::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void Calendar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = Hit();
        update();
    }
    QWidget::changeEvent(event);
}

void Calendar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (size() != sizeHint())
        resize(sizeHint());
}
