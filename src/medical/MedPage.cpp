#include "medical/MedPage.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"
#include "dialogs/UserPrompt.h"
#include "medical/FormOutcome.h"
#include "medical/MedNumber.h"
#include "medical/ResultPanel.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {
const QString StaleTip = QStringLiteral("Résultat à recalculer : les valeurs ont changé.");
const QString StaleColour = QStringLiteral("color: #98a0aa;");
// Where a label keeps its own style while it is drawn greyed.
const char FreshStyle[] = "freshStyle";

// The small calculator drawn on the calculate buttons.
QPixmap calculatorPicture()
{
    QPixmap pixmap(20, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x3a, 0x3f, 0x4a), 1));
    painter.setBrush(QColor(0x6b, 0x74, 0x85));
    painter.drawRoundedRect(QRectF(1.5, 0.5, 17, 21), 2.5, 2.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc8, 0xe6, 0xc0));
    painter.drawRect(QRectF(4, 3, 12, 5));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(row == 2 && column == 2 ? QColor(0xf0, 0x8a, 0x3c) : QColor(0xf2, 0xf2, 0xf2));
            painter.drawRect(QRectF(4 + column * 4.3, 10 + row * 3.7, 3, 2.6));
        }
    }
    return pixmap;
}
} // namespace

MedPage::MedPage(int index, UserPrompt &prompt, QWidget *parent)
    : QFrame(parent),
      m_prompt(prompt),
      m_grid(new QGridLayout(this)),
      m_index(index)
{
    setObjectName(QStringLiteral("fraTab(%1)").arg(index));
    m_grid->setContentsMargins(16, 12, 16, 14);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(8);
}

QLabel *MedPage::addTitle(const QString &name, const QString &text)
{
    QLabel *title = makeLabel(name, text);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: #1f3b63;"));
    title->setWordWrap(true);
    m_grid->addWidget(title, 0, 0, 1, -1);
    m_grid->setRowMinimumHeight(1, 4);
    return title;
}

QLabel *MedPage::makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent ? parent : this);
    label->setObjectName(name);
    return label;
}

QLabel *MedPage::makeValue(const QString &name, QWidget *parent)
{
    QLabel *label = makeLabel(name, QString(), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #0b3d91;"));
    label->setMinimumWidth(56);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

ZmtCommonCommand *MedPage::makeCalculateButton(const QString &name, int alignment)
{
    auto *button = new ZmtCommonCommand(this);
    button->setObjectName(name);
    button->setCaption(QStringLiteral("Calculer avec ces valeurs"));
    button->setPicture(calculatorPicture());
    button->setDisposition(CaptionLayout::LeftOf);
    button->setAlignment(alignment);
    button->setMultiLine(false);
    button->setHasBorder(true);
    const int textWidth = button->fontMetrics().horizontalAdvance(button->caption());
    button->setFixedSize(textWidth + 50, 34);
    return button;
}

ResultPanel *MedPage::makeResultPanel(const QString &name) { return new ResultPanel(name, this); }

void MedPage::apply(const FormOutcome &outcome, const QList<QWidget *> &fields, const QList<QLabel *> &results)
{
    if (outcome.ok() || outcome.clearResults) {
        for (qsizetype i = 0; i < results.size(); ++i)
            results[i]->setText(outcome.results.value(i));
        showWarning(outcome.warning);
        m_computedFrom = enteredValues();
        refreshStaleness();
    }
    if (outcome.ok())
        return;
    m_prompt.message(outcome.message, UserPrompt::Icon::Warning);
    if (outcome.focusField >= 0 && outcome.focusField < fields.size())
        fields[outcome.focusField]->setFocus(Qt::OtherFocusReason);
}

QLabel *MedPage::addWarningLine(int row)
{
    m_warning = makeLabel(QStringLiteral("lblAlerte(%1)").arg(m_index), QString());
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral(
        "color: #8a2c00; background: #fff3e0; border: 1px solid #f0b37e; border-radius: 4px; padding: 4px 6px;"));
    m_warning->setProperty(FreshStyle, m_warning->styleSheet());
    m_warning->setVisible(false);
    m_grid->addWidget(m_warning, row, 0, 1, -1);
    return m_warning;
}

void MedPage::showWarning(const QString &text)
{
    if (!m_warning)
        return;
    m_warning->setText(text);
    // A wrapped label does not make the window taller by itself: ask for the
    // height its text needs across the page, so that nothing is cut off.
    const QMargins margins = m_grid->contentsMargins();
    const int width = contentsRect().width() - margins.left() - margins.right();
    m_warning->setMinimumHeight(text.isEmpty() || width <= 0 ? 0 : m_warning->heightForWidth(width));
    m_warning->setVisible(!text.isEmpty());
}

void MedPage::trackInputs(const QList<QLineEdit *> &fields, const QList<QAbstractButton *> &options,
                          const QList<QLabel *> &results)
{
    m_trackedFields = fields;
    m_trackedOptions = options;
    m_trackedResults = results;
    if (m_warning)
        m_trackedResults.append(m_warning);
    for (QLabel *label : std::as_const(m_trackedResults)) {
        if (!label->property(FreshStyle).isValid())
            label->setProperty(FreshStyle, label->styleSheet());
    }
    for (QLineEdit *field : fields)
        connect(field, &QLineEdit::textChanged, this, &MedPage::refreshStaleness);
    for (QAbstractButton *option : options)
        connect(option, &QAbstractButton::toggled, this, &MedPage::refreshStaleness);
}

// A value typed differently ("70" and "70,0") is the same value.
QStringList MedPage::enteredValues() const
{
    QStringList values;
    for (QLineEdit *field : m_trackedFields) {
        const std::optional<double> value = MedNumber::read(field->text());
        values.append(value ? QString::number(*value, 'g', 17) : QLatin1Char('"') + field->text());
    }
    for (QAbstractButton *option : m_trackedOptions)
        values.append(option->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    return values;
}

void MedPage::refreshStaleness()
{
    const bool stale = !m_computedFrom.isEmpty() && enteredValues() != m_computedFrom;
    for (QLabel *label : std::as_const(m_trackedResults))
        setStale(label, stale && !label->text().isEmpty());
}

void MedPage::setStale(QLabel *label, bool stale)
{
    const QString fresh = label->property(FreshStyle).toString();
    const QString wanted = stale ? fresh + StaleColour : fresh;
    if (label->styleSheet() != wanted)
        label->setStyleSheet(wanted);
    label->setToolTip(stale ? StaleTip : QString());
    label->setAccessibleDescription(stale ? StaleTip : QString());
}

QList<QLabel *> MedPage::addClearanceResults(const QString &panelName, const QStringList &names)
{
    ResultPanel *panel = makeResultPanel(panelName);
    auto *results = new QGridLayout(panel);
    results->setContentsMargins(14, 10, 14, 10);
    results->addWidget(makeLabel(names[0], QStringLiteral("Clairance de la créatinine en ml/mn"), panel), 0, 0, 1, 3);
    results->addWidget(makeLabel(names[1], QStringLiteral("Homme:"), panel), 1, 0);
    results->addWidget(makeLabel(names[2], QStringLiteral("Femme:"), panel), 2, 0);
    const QList<QLabel *> labels{makeValue(names[3], panel), makeValue(names[4], panel),
                                 makeLabel(names[5], QString(), panel), makeLabel(names[6], QString(), panel)};
    results->addWidget(labels[0], 1, 1);
    results->addWidget(labels[1], 2, 1);
    results->addWidget(labels[2], 1, 2);
    results->addWidget(labels[3], 2, 2);
    results->setColumnStretch(2, 1);
    m_grid->addWidget(panel, 6, 0, 1, 5);
    addWarningLine(7);
    m_grid->setRowStretch(8, 1);
    return labels;
}
