#include "tape/EditFrame.h"

#include "calc/Functions.h"
#include "calc/Operators.h"
#include "controls/Twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Twips::toPixels;
constexpr int InnerLeft = toPixels(120);
constexpr int InnerWidth = toPixels(4215);

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace

EditFrame::EditFrame(QWidget *parent) : QGroupBox(QStringLiteral("Edition de la grille"), parent)
{
    setObjectName(QStringLiteral("fraEdition"));
    setGeometry(twipsRect(0, 0, 4455, 5415));
    setAutoFillBackground(true);

    m_operationFrame = new QGroupBox(QStringLiteral("Opérateur"), this);
    m_operationFrame->setObjectName(QStringLiteral("fraOpération"));
    m_operationFrame->resize(InnerWidth, toPixels(1185));
    m_operator = new QComboBox(m_operationFrame);
    m_operator->setObjectName(QStringLiteral("cboOpération"));
    m_operator->setAccessibleName(QStringLiteral("Opérateur"));
    m_operator->addItems(Operators::symbols());
    m_operand = new QLineEdit(m_operationFrame);
    m_operand->setObjectName(QStringLiteral("txtOpération"));
    m_operand->setAccessibleName(QStringLiteral("Valeur"));
    auto *operationLayout = new QHBoxLayout(m_operationFrame);
    operationLayout->addWidget(m_operator);
    operationLayout->addWidget(m_operand, 1);

    m_functionFrame = new QGroupBox(QStringLiteral("Fonction"), this);
    m_functionFrame->setObjectName(QStringLiteral("fraFonction"));
    m_functionFrame->resize(InnerWidth, toPixels(780));
    m_function = new QComboBox(m_functionFrame);
    m_function->setObjectName(QStringLiteral("cboFonction"));
    m_function->setAccessibleName(QStringLiteral("Fonction"));
    m_function->addItems(Functions::names());
    auto *functionLayout = new QHBoxLayout(m_functionFrame);
    functionLayout->setContentsMargins(9, 2, 9, 4);
    functionLayout->addWidget(m_function);

    m_commentFrame = new QGroupBox(QStringLiteral("Commentaire"), this);
    m_commentFrame->setObjectName(QStringLiteral("fraCommentaire"));
    m_commentFrame->resize(InnerWidth, toPixels(900));
    m_comment = new QLineEdit(m_commentFrame);
    m_comment->setObjectName(QStringLiteral("txtCommentaire"));
    m_comment->setAccessibleName(QStringLiteral("Commentaire"));
    (new QHBoxLayout(m_commentFrame))->addWidget(m_comment);
    connect(m_comment, &QLineEdit::textEdited, this, [this] { m_commentChanged = true; });

    const QString captions[3] = {QStringLiteral("&Supprimer"), QStringLiteral("&OK"), QStringLiteral("&Annuler")};
    for (int i = 0; i < 3; ++i) {
        m_buttons[i] = new QPushButton(captions[i], this);
        m_buttons[i]->setObjectName(QStringLiteral("cmdAction%1").arg(i));
        m_buttons[i]->setGeometry(InnerLeft + i * (InnerWidth / 3) + 2, toPixels(5415 - 600), InnerWidth / 3 - 4, 26);
    }
    button(LineEditor::Button::Ok)->setDefault(true);
    for (const auto b : {LineEditor::Button::Remove, LineEditor::Button::Ok, LineEditor::Button::Cancel})
        connect(button(b), &QPushButton::clicked, this, [this, b] { emit buttonClicked(b); });
    hide();
}

void EditFrame::showFor(const LineEditor::Opening &opening)
{
    using L = LineEditor::Layout;
    setTitle(opening.caption);
    m_comment->setText(opening.comment);
    m_commentChanged = false;
    m_operationFrame->setVisible(opening.layout == L::Operand || opening.layout == L::FirstOperand);
    m_functionFrame->setVisible(opening.layout == L::Function);
    m_commentFrame->setVisible(true);
    button(LineEditor::Button::Remove)->setEnabled(opening.layout != L::Total);
    m_operator->setEnabled(opening.layout != L::FirstOperand);
    switch (opening.layout) {
    case L::Function:
        m_functionFrame->move(InnerLeft, toPixels(360));
        m_commentFrame->move(InnerLeft, toPixels(1155));
        m_function->setCurrentIndex(m_function->findText(opening.op));
        break;
    case L::Total: m_commentFrame->move(InnerLeft, toPixels(360)); break;
    default:
        m_operationFrame->move(InnerLeft, toPixels(360));
        m_commentFrame->move(InnerLeft, toPixels(1625));
        m_operator->setCurrentIndex(opening.op.isEmpty() ? -1 : m_operator->findText(opening.op));
        m_operand->setText(opening.value);
        break;
    }
    show();
    raise();
    switch (opening.layout) {
    case L::Function: m_function->setFocus(); break;
    case L::Total: m_comment->setFocus(); break;
    case L::FirstOperand: m_operand->setFocus(); break;
    default: m_operator->setFocus(); break;
    }
}

LineEditor::Fields EditFrame::fields() const
{
    return {m_operator->currentText(), m_operand->text(), m_function->currentText(), m_comment->text(),
            m_commentChanged};
}

void EditFrame::focusOperand()
{
    m_operand->setText(m_operand->text().replace(QLatin1Char('.'), QLatin1Char(',')));
    m_operand->setFocus();
    m_operand->selectAll();
}

void EditFrame::focusComment()
{
    m_comment->setFocus();
    m_comment->selectAll();
}

void EditFrame::close()
{
    hide();
    m_operationFrame->hide();
    m_functionFrame->hide();
    m_commentFrame->hide();
    button(LineEditor::Button::Remove)->setEnabled(true);
    m_operator->setEnabled(true);
}
