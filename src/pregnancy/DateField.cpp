#include "pregnancy/DateField.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QToolButton>

DateField::DateField(QWidget *parent) : QLineEdit(parent) { }

DateField *DateField::create(const QString &name, QWidget *parent)
{
    auto *edit = new DateField(parent);
    edit->setObjectName(name);
    edit->setMaxLength(30);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    return edit;
}

QToolButton *DateField::calendarButton(const QString &fieldName, QWidget *parent)
{
    auto *picture = new QToolButton(parent);
    picture->setObjectName(QStringLiteral("ima") + fieldName.mid(3));
    picture->setIcon(calendarIcon());
    picture->setAutoRaise(true);
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setAccessibleName(QStringLiteral("Calendrier"));
    return picture;
}

QIcon DateField::calendarIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(Qt::white);
    p.drawRect(1, 2, 13, 12);
    p.fillRect(2, 3, 12, 3, QColor(0, 128, 128));
    p.setPen(QColor(96, 96, 96));
    for (int y = 8; y <= 12; y += 2)
        for (int x = 3; x <= 12; x += 3)
            p.drawPoint(x, y);
    p.setPen(Qt::black);
    p.drawLine(4, 1, 4, 3);
    p.drawLine(11, 1, 11, 3);
    p.end();
    QIcon icon(pixmap);
    // Greyed beside a disabled field, as the field's own text is.
    QImage grey = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb c = grey.pixel(x, y);
            const int v = 160 + qGray(c) * 95 / 255;
            grey.setPixel(x, y, qRgba(v, v, v, qAlpha(c)));
        }
    icon.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
    return icon;
}

void DateField::selectWholeText() { setSelection(0, static_cast<int>(text().size())); }

void DateField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectWholeText();
    // A mouse click places the caret after the focus arrives; select again
    // once the click is through so that typing still replaces the date.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, [this] {
            if (hasFocus())
                selectWholeText();
        });
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit left();
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier) {
        emit pickerRequested();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit confirmed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// The meta-object code in this object file, not in the library's shared one:
// the program links the pregnancy window only through its module.
#include "moc_DateField.cpp"
