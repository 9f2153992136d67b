#include "dialogs/QtUserPrompt.h"

#include "dialogs/AppInfo.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

QtUserPrompt::QtUserPrompt(QWidget *owner, QString title)
    : m_owner(owner),
      m_title(title.isEmpty() ? AppInfo::title() : std::move(title))
{
}

void QtUserPrompt::message(const QString &text, Icon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case Icon::Information: boxIcon = QMessageBox::Information; break;
    case Icon::Warning: boxIcon = QMessageBox::Warning; break;
    case Icon::Critical: boxIcon = QMessageBox::Critical; break;
    case Icon::Question: boxIcon = QMessageBox::Question; break;
    case Icon::None: break;
    }
    QMessageBox box(boxIcon, m_title, text, QMessageBox::Ok, m_owner);
    box.exec();
}

UserPrompt::Answer QtUserPrompt::question(const QString &text)
{
    QMessageBox box(QMessageBox::Question, m_title, text, QMessageBox::Yes | QMessageBox::No, m_owner);
    // The program's questions ask before something that cannot be undone.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

UserPrompt::Answer QtUserPrompt::questionWithCancel(const QString &text)
{
    QMessageBox box(QMessageBox::Question, m_title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    m_owner);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Oui"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtUserPrompt::input(const QString &prompt, const QString &defaultAnswer)
{
    QInputDialog dialog(m_owner);
    dialog.setWindowTitle(m_title);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(m_masked ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(defaultAnswer);
    if (m_maxLength > 0) {
        if (auto *edit = dialog.findChild<QLineEdit *>())
            edit->setMaxLength(m_maxLength);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    QString answer = dialog.textValue();
    if (m_masked) {
        // The caller then holds the only copy of the password, which it can wipe.
        if (auto *edit = dialog.findChild<QLineEdit *>())
            edit->clear();
    }
    return answer;
}
