#include "controls/ConverterField.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

QString columnName(BaseConversion::Column column)
{
    switch (column) {
    case BaseConversion::Column::Hexadecimal: return QStringLiteral("Hexadécimal");
    case BaseConversion::Column::Octal: return QStringLiteral("Octal");
    case BaseConversion::Column::Decimal: break;
    }
    return QStringLiteral("Décimal");
}

// The span of `after` that differs from `before` once their common beginning and
// end are set aside: what an edit inserted.
QStringView insertedPart(const QString &before, const QString &after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && after.at(prefix) == before.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && after.at(after.size() - 1 - suffix) == before.at(before.size() - 1 - suffix))
        ++suffix;
    return QStringView(after).mid(prefix, after.size() - prefix - suffix);
}

} // namespace

ConverterField::ConverterField(BaseConversion::Column column, int row, QWidget *parent)
    : QLineEdit(parent),
      m_column(column),
      m_row(row)
{
    setAccessibleName(QStringLiteral("%1, ligne %2").arg(columnName(column)).arg(row));
    // textEdited (user edits only) comes before textChanged, so m_before still
    // holds the previous text when the edit is judged. Connected before anyone
    // else can listen to textChanged.
    connect(this, &QLineEdit::textEdited, this, &ConverterField::checkUserEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { m_before = text(); });
}

void ConverterField::checkUserEdit()
{
    // Only what the edit inserted is judged: the invalid-entry marker written by
    // the converter stays deletable, and digits typed after it are let in (the
    // row then fails again until the marker is gone).
    if (BaseConversion::acceptsText(m_column, insertedPart(m_before, text()))) {
        emit keyTyped();
        return;
    }
    const QString before = m_before;
    {
        const QSignalBlocker blocker(this);
        setText(before);
    }
    emit editRefused();
}

void ConverterField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit upPressed();
        event->accept();
        return;
    case Qt::Key_Down:
        emit downPressed();
        event->accept();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        emit keyTyped();
        QLineEdit::keyPressEvent(event);
        return;
    default: break;
    }
    // Shortcuts (Ctrl+V and the like) are not characters: what they insert is
    // judged as an edit.
    const bool isShortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const QString text = event->text();
    const bool isCharacter = !isShortcut && !text.isEmpty() && text.at(0).isPrint();
    if (isCharacter) {
        if (!BaseConversion::acceptsText(m_column, text)) {
            event->accept(); // discarded before it reaches the field
            return;
        }
        emit keyTyped();
    }
    QLineEdit::keyPressEvent(event);
}

void ConverterField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focused();
}
