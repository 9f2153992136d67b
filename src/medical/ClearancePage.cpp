#include "medical/ClearancePage.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"
#include "medical/Cockcroft.h"
#include "medical/MedNumberField.h"
#include "medical/MedOption.h"
#include "medical/ResultPanel.h"

#include <QGridLayout>
#include <QLabel>

ClearancePage::ClearancePage(UserPrompt &prompt, QWidget *parent) : MedPage(1, prompt, parent)
{
    addTitle(QStringLiteral("lblCréat(10)"),
             QStringLiteral("Clairance de la créatinine selon la formule de Cockcroft"));
    m_age = new MedNumberField(QStringLiteral("txtAge"), false, this);
    m_weight = new MedNumberField(QStringLiteral("txtPoids"), true, this);
    m_creatinine = new MedNumberField(QStringLiteral("txtCréat"), true, this);
    m_milligrams = new MedOption(QStringLiteral("optCréat(0)"), QStringLiteral("mg/l"), true, this);
    MedOption *micromoles = new MedOption(QStringLiteral("optCréat(1)"), QStringLiteral("µmol/l"), false, this);
    MedOption::makeExclusive({m_milligrams, micromoles});
    ZmtCommonCommand *button = makeCalculateButton(QStringLiteral("rndCréat"), CaptionLayout::Right);

    QGridLayout *g = grid();
    const QList<QPair<QString, QString>> captions = {
        {QStringLiteral("lblCréat(0)"), QStringLiteral("Age en année(s)")},
        {QStringLiteral("lblCréat(1)"), QStringLiteral("Poids en kg")},
        {QStringLiteral("lblCréat(2)"), QStringLiteral("Créatininémie")},
    };
    const QList<MedNumberField *> fields = {m_age, m_weight, m_creatinine};
    for (int row = 0; row < 3; ++row) {
        QLabel *label = makeLabel(captions[row].first, captions[row].second);
        label->setBuddy(fields[row]);
        fields[row]->setFixedWidth(90);
        g->addWidget(label, row + 2, 0);
        g->addWidget(fields[row], row + 2, 1);
    }
    g->addWidget(m_milligrams, 4, 2);
    g->addWidget(micromoles, 4, 3);
    g->addWidget(button, 5, 0, 1, 4, Qt::AlignRight);
    g->setColumnStretch(4, 1);

    m_results = addClearanceResults(QStringLiteral("shaJoli(1)"),
                                    QStringList{"lblCréat(3)", "lblCréat(4)", "lblCréat(5)", "lblCréat(6)",
                                                "lblCréat(7)", "lblCréat(8)", "lblCréat(9)"});

    trackInputs({m_age, m_weight, m_creatinine}, {m_milligrams, micromoles}, m_results);

    setTabOrder(m_age, m_weight);
    setTabOrder(m_weight, m_creatinine);
    setTabOrder(m_creatinine, m_milligrams);
    setTabOrder(m_milligrams, micromoles);
    setTabOrder(micromoles, button);
    connect(button, &ZmtCommonCommand::clicked, this, &ClearancePage::calculate);
}

void ClearancePage::calculate()
{
    const CreatinineUnit unit =
        m_milligrams->isChecked() ? CreatinineUnit::MilligramPerLitre : CreatinineUnit::MicromolePerLitre;
    apply(Cockcroft::evaluate(m_age->text(), m_weight->text(), m_creatinine->text(), unit),
          {m_age, m_weight, m_creatinine}, m_results);
}
