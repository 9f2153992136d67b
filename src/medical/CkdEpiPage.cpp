#include "medical/CkdEpiPage.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"
#include "medical/CkdEpi.h"
#include "medical/MedNumberField.h"
#include "medical/MedOption.h"
#include "medical/ResultPanel.h"

#include <QGridLayout>
#include <QLabel>

CkdEpiPage::CkdEpiPage(UserPrompt &prompt, QWidget *parent) : MedPage(6, prompt, parent)
{
    addTitle(QStringLiteral("lblCKD(0)"), QStringLiteral("Débit de filtration glomérulaire estimé (CKD-EPI 2009)"));
    addFields();
    addResults();
    trackInputs({m_age, m_creatinine, m_height, m_weight}, {m_man, m_woman, m_milligrams, m_micromoles}, m_results);
}

void CkdEpiPage::addFields()
{
    m_age = new MedNumberField(QStringLiteral("txtAgeCKD"), false, this);
    m_creatinine = new MedNumberField(QStringLiteral("txtCréatCKD"), true, this);
    m_height = new MedNumberField(QStringLiteral("txtTailleCKD"), true, this);
    m_weight = new MedNumberField(QStringLiteral("txtPoidsCKD"), true, this);
    // No sex is chosen at first: the rate depends on it, so the user must say.
    m_man = new MedOption(QStringLiteral("optSexeCKD(0)"), QStringLiteral("Homme"), false, this);
    m_woman = new MedOption(QStringLiteral("optSexeCKD(1)"), QStringLiteral("Femme"), false, this);
    m_milligrams = new MedOption(QStringLiteral("optCréatCKD(0)"), QStringLiteral("mg/l"), true, this);
    m_micromoles = new MedOption(QStringLiteral("optCréatCKD(1)"), QStringLiteral("µmol/l"), false, this);
    MedOption::makeExclusive({m_man, m_woman});
    MedOption::makeExclusive({m_milligrams, m_micromoles});
    ZmtCommonCommand *button = makeCalculateButton(QStringLiteral("rndCréatCKD"), CaptionLayout::Right);

    QGridLayout *g = grid();
    const QList<QPair<int, QString>> captions = {
        {1, QStringLiteral("Age en année(s)")}, {2, QStringLiteral("Sexe")},
        {3, QStringLiteral("Créatininémie")},   {4, QStringLiteral("Taille en cm")},
        {5, QStringLiteral("Poids en kg")},
    };
    const QList<QWidget *> buddies = {m_age, m_man, m_creatinine, m_height, m_weight};
    for (int row = 0; row < 5; ++row) {
        QLabel *label = makeLabel(QStringLiteral("lblCKD(%1)").arg(captions[row].first), captions[row].second);
        label->setBuddy(buddies[row]);
        g->addWidget(label, row + 2, 0);
    }
    for (MedNumberField *field : {m_age, m_creatinine, m_height, m_weight})
        field->setFixedWidth(90);
    g->addWidget(m_age, 2, 1);
    g->addWidget(m_man, 3, 2);
    g->addWidget(m_woman, 3, 3);
    g->addWidget(m_creatinine, 4, 1);
    g->addWidget(m_milligrams, 4, 2);
    g->addWidget(m_micromoles, 4, 3);
    g->addWidget(m_height, 5, 1);
    g->addWidget(m_weight, 6, 1);
    QLabel *optional = makeLabel(QStringLiteral("lblCKD(6)"), QStringLiteral("(facultatifs)"));
    optional->setStyleSheet(QStringLiteral("color: #5b6472; font-style: italic;"));
    g->addWidget(optional, 5, 2, 2, 2, Qt::AlignLeft | Qt::AlignVCenter);
    g->addWidget(button, 7, 0, 1, 4, Qt::AlignRight);
    g->setColumnStretch(4, 1);

    setTabOrder(m_age, m_man);
    setTabOrder(m_man, m_woman);
    setTabOrder(m_woman, m_creatinine);
    setTabOrder(m_creatinine, m_milligrams);
    setTabOrder(m_milligrams, m_micromoles);
    setTabOrder(m_micromoles, m_height);
    setTabOrder(m_height, m_weight);
    setTabOrder(m_weight, button);
    connect(button, &ZmtCommonCommand::clicked, this, &CkdEpiPage::calculate);
}

void CkdEpiPage::addResults()
{
    ResultPanel *panel = makeResultPanel(QStringLiteral("shaJoli(6)"));
    auto *results = new QGridLayout(panel);
    results->setContentsMargins(14, 10, 14, 10);
    results->addWidget(makeLabel(QStringLiteral("lblCKD(7)"), QStringLiteral("DFG estimé en ml/min/1,73 m²"), panel), 0,
                       0);
    QLabel *note = makeLabel(QStringLiteral("lblCKD(10)"),
                             QStringLiteral("Maladie rénale chronique si DFG < 60 depuis plus de 3 mois,\n"
                                            "ou marqueur d'atteinte rénale (albuminurie...)."),
                             panel);
    note->setStyleSheet(QStringLiteral("color: #4a5361; font-style: italic;"));
    results->addWidget(note, 1, 0, 1, 3);
    results->setRowMinimumHeight(2, 4);
    results->addWidget(
        makeLabel(QStringLiteral("lblCKD(11)"), QStringLiteral("Surface corporelle (Mosteller) en m²"), panel), 3, 0);
    results->addWidget(
        makeLabel(QStringLiteral("lblCKD(13)"), QStringLiteral("DFG non indexé (adaptation des posologies)"), panel), 4,
        0);
    results->addWidget(makeLabel(QStringLiteral("lblCKD(15)"), QStringLiteral("ml/min"), panel), 4, 2);

    m_results = {makeValue(QStringLiteral("lblCKD(8)"), panel),
                 makeLabel(QStringLiteral("lblCKD(9)"), QString(), panel),
                 makeValue(QStringLiteral("lblCKD(12)"), panel), makeValue(QStringLiteral("lblCKD(14)"), panel)};
    results->addWidget(m_results[0], 0, 1);
    results->addWidget(m_results[1], 0, 2);
    results->addWidget(m_results[2], 3, 1);
    results->addWidget(m_results[3], 4, 1);
    results->setColumnStretch(2, 1);
    grid()->addWidget(panel, 8, 0, 1, 5);
    addWarningLine(9);
    grid()->setRowStretch(10, 1);
}

void CkdEpiPage::calculate()
{
    std::optional<CkdEpi::Sex> sex;
    if (m_man->isChecked())
        sex = CkdEpi::Sex::Male;
    else if (m_woman->isChecked())
        sex = CkdEpi::Sex::Female;
    const CreatinineUnit unit =
        m_milligrams->isChecked() ? CreatinineUnit::MilligramPerLitre : CreatinineUnit::MicromolePerLitre;
    apply(CkdEpi::evaluate(m_age->text(), sex, m_creatinine->text(), unit, m_height->text(), m_weight->text()),
          {m_age, m_man, m_creatinine, m_height, m_weight}, m_results);
}
