#include "medical/LdlPage.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"
#include "medical/Friedewald.h"
#include "medical/MedNumberField.h"
#include "medical/MedOption.h"
#include "medical/ResultPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

LdlPage::LdlPage(UserPrompt &prompt, QWidget *parent) : MedPage(4, prompt, parent)
{
    addTitle(QStringLiteral("lblLDL(0)"), QStringLiteral("LDL-Cholestérol selon la formule de Friedwald"));
    const QStringList captions = {QStringLiteral("Cholestérol total"), QStringLiteral("Triglycérides"),
                                  QStringLiteral("HDL-Cholestérol")};
    QGridLayout *g = grid();
    for (int i = 0; i < 3; ++i) {
        auto *field = new MedNumberField(QStringLiteral("txtLDL(%1)").arg(i), true, this);
        field->setFixedWidth(90);
        QLabel *label = makeLabel(QStringLiteral("lblLDL(%1)").arg(i + 1), captions[i]);
        label->setBuddy(field);
        g->addWidget(label, i + 2, 0);
        g->addWidget(field, i + 2, 1);
        m_fields.append(field);
    }
    MedOption *grams = new MedOption(QStringLiteral("optLDL(0)"), QStringLiteral("g/l"), true, this);
    m_millimoles = new MedOption(QStringLiteral("optLDL(1)"), QStringLiteral("mmol/l"), false, this);
    MedOption::makeExclusive({grams, m_millimoles});
    g->addWidget(makeLabel(QStringLiteral("lblLDL(4)"), QStringLiteral("Unités")), 5, 0);
    auto *unitRow = new QHBoxLayout;
    unitRow->addWidget(grams);
    unitRow->addWidget(m_millimoles);
    unitRow->addStretch();
    g->addLayout(unitRow, 5, 1, 1, 2);
    ZmtCommonCommand *button = makeCalculateButton(QStringLiteral("rndLDL"), CaptionLayout::Left);
    g->addWidget(button, 6, 0, 1, 3, Qt::AlignRight);
    g->setColumnStretch(3, 1);

    ResultPanel *panel = makeResultPanel(QStringLiteral("shaJoli(4)"));
    auto *results = new QGridLayout(panel);
    results->setContentsMargins(14, 10, 14, 10);
    results->addWidget(makeLabel(QStringLiteral("lblLDL(5)"), QStringLiteral("LDL-Cholestérol en g/l"), panel), 0, 0);
    results->addWidget(makeLabel(QStringLiteral("lblLDL(6)"), QStringLiteral("en mmol/l"), panel), 1, 0,
                       Qt::AlignRight);
    results->addWidget(makeLabel(QStringLiteral("lblLDL(9)"), QStringLiteral("Cholestérol non-HDL en g/l"), panel), 3,
                       0);
    results->addWidget(makeLabel(QStringLiteral("lblLDL(10)"), QStringLiteral("en mmol/l"), panel), 4, 0,
                       Qt::AlignRight);
    results->setRowMinimumHeight(2, 4);
    for (int i : {7, 8, 11, 12})
        m_results.append(makeValue(QStringLiteral("lblLDL(%1)").arg(i), panel));
    const int rows[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; ++i)
        results->addWidget(m_results[i], rows[i], 1);
    results->setColumnStretch(2, 1);
    g->addWidget(panel, 7, 0, 1, 4);
    addWarningLine(8);
    g->setRowStretch(9, 1);

    trackInputs({m_fields[0], m_fields[1], m_fields[2]}, {grams, m_millimoles}, m_results);

    setTabOrder(m_fields[0], m_fields[1]);
    setTabOrder(m_fields[1], m_fields[2]);
    setTabOrder(m_fields[2], grams);
    setTabOrder(grams, m_millimoles);
    setTabOrder(m_millimoles, button);
    connect(button, &ZmtCommonCommand::clicked, this, &LdlPage::calculate);
}

void LdlPage::calculate()
{
    const Friedewald::Unit unit =
        m_millimoles->isChecked() ? Friedewald::Unit::MillimolePerLitre : Friedewald::Unit::GramPerLitre;
    apply(Friedewald::evaluate(m_fields[0]->text(), m_fields[1]->text(), m_fields[2]->text(), unit),
          {m_fields[0], m_fields[1], m_fields[2]}, m_results);
}
