#include "medical/MdrdPage.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"
#include "medical/Mdrd.h"
#include "medical/MedNumberField.h"
#include "medical/MedOption.h"
#include "medical/ResultPanel.h"

#include <QGridLayout>
#include <QLabel>

MdrdPage::MdrdPage(UserPrompt &prompt, QWidget *parent) : MedPage(2, prompt, parent)
{
    addTitle(QStringLiteral("lblCréatMDRD(3)"), QStringLiteral("Clairance de la créatinine selon la formule MDRD"));
    m_age = new MedNumberField(QStringLiteral("txtAgeMDRD"), false, this);
    m_creatinine = new MedNumberField(QStringLiteral("txtCréatMDRD"), true, this);
    m_milligrams = new MedOption(QStringLiteral("optCréatMDRD(0)"), QStringLiteral("mg/l"), true, this);
    MedOption *micromoles = new MedOption(QStringLiteral("optCréatMDRD(1)"), QStringLiteral("µmol/l"), false, this);
    MedOption *other = new MedOption(QStringLiteral("optOrigineMDRD(0)"), QStringLiteral("Non"), true, this);
    m_african = new MedOption(QStringLiteral("optOrigineMDRD(1)"), QStringLiteral("Oui"), false, this);
    MedOption::makeExclusive({m_milligrams, micromoles});
    MedOption::makeExclusive({other, m_african});
    ZmtCommonCommand *button = makeCalculateButton(QStringLiteral("rndCréatMDRD"), CaptionLayout::Right);

    QGridLayout *g = grid();
    QLabel *ageLabel = makeLabel(QStringLiteral("lblCréatMDRD(0)"), QStringLiteral("Age en année(s)"));
    ageLabel->setBuddy(m_age);
    QLabel *creatinineLabel = makeLabel(QStringLiteral("lblCréatMDRD(2)"), QStringLiteral("Créatininémie"));
    creatinineLabel->setBuddy(m_creatinine);
    m_age->setFixedWidth(90);
    m_creatinine->setFixedWidth(90);
    g->addWidget(ageLabel, 2, 0);
    g->addWidget(m_age, 2, 1);
    g->addWidget(creatinineLabel, 3, 0);
    g->addWidget(m_creatinine, 3, 1);
    g->addWidget(m_milligrams, 3, 2);
    g->addWidget(micromoles, 3, 3);
    g->addWidget(makeLabel(QStringLiteral("lblCréatMDRD(1)"), QStringLiteral("Origine africaine")), 4, 0);
    g->addWidget(other, 4, 2);
    g->addWidget(m_african, 4, 3);
    g->addWidget(button, 5, 0, 1, 4, Qt::AlignRight);
    g->setColumnStretch(4, 1);

    m_results =
        addClearanceResults(QStringLiteral("shaJoli(2)"),
                            QStringList{"lblCréatMDRD(4)", "lblCréatMDRD(5)", "lblCréatMDRD(6)", "lblCréatMDRD(7)",
                                        "lblCréatMDRD(8)", "lblCréatMDRD(9)", "lblCréatMDRD(10)"});

    trackInputs({m_age, m_creatinine}, {m_milligrams, micromoles, other, m_african}, m_results);

    setTabOrder(m_age, m_creatinine);
    setTabOrder(m_creatinine, m_milligrams);
    setTabOrder(m_milligrams, micromoles);
    setTabOrder(micromoles, other);
    setTabOrder(other, m_african);
    setTabOrder(m_african, button);
    connect(button, &ZmtCommonCommand::clicked, this, &MdrdPage::calculate);
}

void MdrdPage::calculate()
{
    const CreatinineUnit unit =
        m_milligrams->isChecked() ? CreatinineUnit::MilligramPerLitre : CreatinineUnit::MicromolePerLitre;
    apply(Mdrd::evaluate(m_age->text(), m_creatinine->text(), unit, m_african->isChecked()), {m_age, m_creatinine},
          m_results);
}
