#include "controls/ZmtCommonCommand.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommandAccessible.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
std::optional<QSizeF> pictureSize(const QPixmap &picture)
{
    if (picture.isNull())
        return std::nullopt;
    return picture.deviceIndependentSize();
}
} // namespace

ZmtCommonCommand::ZmtCommonCommand(QWidget *parent)
    : QWidget(parent),
      m_backColor(palette().color(QPalette::Button)),
      m_foreColor(palette().color(QPalette::ButtonText)),
      m_textFlags(CaptionLayout::textFlags(m_multiLine, m_alignment))
{
    ZmtCommonCommandAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

ZmtCommonCommand::~ZmtCommonCommand() = default;

void ZmtCommonCommand::setCaption(const QString &caption)
{
    m_caption = caption;
    m_accessKey = CaptionLayout::accessKey(caption);
    grabAccessKey();
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
    updateGeometry();
    update();
}

void ZmtCommonCommand::grabAccessKey()
{
    if (m_shortcutId != 0) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    if (m_accessKey.isNull() || m_accessKey.isSpace())
        return;
    const int key = m_accessKey.toUpper().unicode();
    m_shortcutId = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key))));
}

void ZmtCommonCommand::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

void ZmtCommonCommand::setDisposition(int disposition)
{
    if (disposition < CaptionLayout::Above || disposition > CaptionLayout::RightOf || disposition == m_disposition)
        return;
    m_disposition = disposition;
    update();
}

void ZmtCommonCommand::setAlignment(int alignment)
{
    if (alignment < CaptionLayout::Left || alignment > CaptionLayout::Centre || alignment == m_alignment)
        return;
    m_alignment = alignment;
    m_textFlags = CaptionLayout::textFlags(m_multiLine, m_alignment);
    update();
}

void ZmtCommonCommand::setMultiLine(bool multiLine)
{
    if (multiLine == m_multiLine)
        return;
    m_multiLine = multiLine;
    m_textFlags = CaptionLayout::textFlags(m_multiLine, m_alignment);
    update();
}

void ZmtCommonCommand::setHasBorder(bool hasBorder)
{
    m_hasBorder = hasBorder;
    update();
}

void ZmtCommonCommand::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void ZmtCommonCommand::setForeColor(const QColor &color)
{
    m_foreColor = color;
    if (isEnabled())
        update();
}

QColor ZmtCommonCommand::captionColor() const
{
    return isEnabled() ? m_foreColor : palette().color(QPalette::Disabled, QPalette::WindowText);
}

QSize ZmtCommonCommand::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic | Qt::TextSingleLine, m_caption);
    const QSize pic = m_picture.isNull() ? QSize() : m_picture.deviceIndependentSize().toSize();
    if (m_disposition == CaptionLayout::Above || m_disposition == CaptionLayout::Below)
        return QSize(qMax(text.width(), pic.width()) + 12, text.height() + pic.height() + 12);
    return QSize(text.width() + pic.width() + 16, qMax(text.height(), pic.height()) + 12);
}

void ZmtCommonCommand::click()
{
    if (isEnabled())
        emit clicked();
}

bool ZmtCommonCommand::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        click();
        return true;
    }
    return QWidget::event(event);
}

void ZmtCommonCommand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    if (m_hasBorder) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= m_pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        option.palette.setColor(QPalette::Button, m_backColor);
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    }

    const std::optional<QSizeF> picSize = pictureSize(m_picture);
    const int flags = qtTextFlags();
    const QFontMetrics metrics = fontMetrics();
    const CaptionLayout::Placement placement =
        CaptionLayout::place(size(), picSize, m_disposition,
                             [&](const QRect &area) { return metrics.boundingRect(area, flags, m_caption).size(); });

    if (picSize)
        paintPicture(painter, placement.picture);
    paintCaption(painter, placement.caption);

    if (m_hasFocus) {
        // A dotted rectangle, whatever the style: some styles draw no focus mark at all.
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        const QRect mark = CaptionLayout::focusRect(size(), picSize, placement.picture, m_hasBorder);
        painter.drawRect(mark.adjusted(0, 0, -1, -1));
    }
}

void ZmtCommonCommand::paintPicture(QPainter &painter, QPoint at)
{
    if (isEnabled()) {
        painter.drawPixmap(at, m_picture);
        return;
    }
    QStyleOption option;
    option.initFrom(this);
    painter.drawPixmap(at, style()->generatedIconPixmap(QIcon::Disabled, m_picture, &option));
}

void ZmtCommonCommand::paintCaption(QPainter &painter, const QRect &area)
{
    QString text = m_caption;
    if (!m_multiLine) {
        const QFontMetrics metrics = fontMetrics();
        text = CaptionLayout::elideAtWord(text, area.width(), [&](const QString &candidate) {
            return metrics.size(Qt::TextShowMnemonic | Qt::TextSingleLine, candidate).width();
        });
    }
    painter.setPen(captionColor());
    painter.drawText(area, qtTextFlags(), text);
}

int ZmtCommonCommand::qtTextFlags() const
{
    int flags = Qt::TextShowMnemonic;
    if (m_textFlags & CaptionLayout::WordBreak)
        flags |= Qt::TextWordWrap | Qt::AlignTop;
    if (m_textFlags & CaptionLayout::SingleLine)
        flags |= Qt::TextSingleLine;
    if (m_textFlags & CaptionLayout::VerticalCenter)
        flags |= Qt::AlignVCenter;
    if (m_textFlags & CaptionLayout::AlignRight)
        flags |= Qt::AlignRight;
    else if (m_textFlags & CaptionLayout::AlignCenter)
        flags |= Qt::AlignHCenter;
    else
        flags |= Qt::AlignLeft;
    return flags;
}

void ZmtCommonCommand::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    update();
    QWidget::focusInEvent(event);
}

void ZmtCommonCommand::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    m_pressed = false;
    update();
    QWidget::focusOutEvent(event);
}

void ZmtCommonCommand::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        m_pressed = false;
        update();
    }
    QWidget::changeEvent(event);
}

void ZmtCommonCommand::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty())
        emit keyPressed(event->text());
    // Keyboard users press the focused button like any other push button.
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        click();
    event->accept();
}

void ZmtCommonCommand::keyReleaseEvent(QKeyEvent *event)
{
    emit keyUp(event->key(), event->modifiers());
    if (!event->isAutoRepeat() && event->key() == Qt::Key_Space)
        click();
    event->accept();
}

void ZmtCommonCommand::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        update();
    }
}

void ZmtCommonCommand::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseUp(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint()))
        click();
}

void ZmtCommonCommand::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click raises only DblClick, not a second Click.
    emit mouseDown(event->button(), event->modifiers(), event->position().toPoint());
    emit doubleClicked();
}

void ZmtCommonCommand::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}
