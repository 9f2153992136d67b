#include "medical/BmiPage.h"

#include "medical/Bmi.h"
#include "medical/BmiSilhouette.h"
#include "medical/MedNumberField.h"
#include "medical/ResultPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>

BmiPage::BmiPage(UserPrompt &prompt, QWidget *parent) : MedPage(3, prompt, parent)
{
    addTitle(QStringLiteral("lblIMC(0)"), QStringLiteral("Indice de masse corporelle"));
    m_weight = new MedNumberField(QStringLiteral("txtIMC(0)"), true, this);
    m_height = new MedNumberField(QStringLiteral("txtIMC(1)"), true, this);
    m_weight->setFixedWidth(90);
    m_height->setFixedWidth(90);

    QGridLayout *g = grid();
    QLabel *weightLabel = makeLabel(QStringLiteral("lblIMC(1)"), QStringLiteral("Poids en kg"));
    weightLabel->setBuddy(m_weight);
    QLabel *heightLabel = makeLabel(QStringLiteral("lblIMC(2)"), QStringLiteral("Taille en m"));
    heightLabel->setBuddy(m_height);
    g->addWidget(weightLabel, 2, 0);
    g->addWidget(m_weight, 2, 1);
    g->addWidget(heightLabel, 3, 0);
    g->addWidget(m_height, 3, 1);
    g->setColumnStretch(2, 1);

    ResultPanel *panel = makeResultPanel(QStringLiteral("shaJoli(3)"));
    auto *results = new QGridLayout(panel);
    results->setContentsMargins(14, 10, 14, 10);
    results->addWidget(makeLabel(QStringLiteral("lblIMC(4)"), QStringLiteral("Indice de masse corporelle:"), panel), 0,
                       0);
    m_index = makeValue(QStringLiteral("lblIMC(3)"), panel);
    m_index->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_class = makeValue(QStringLiteral("lblIMC(5)"), panel);
    m_class->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_picture = new QLabel(panel);
    m_picture->setObjectName(QStringLiteral("imaIMC"));
    m_picture->setFixedSize(BmiSilhouette::Width, BmiSilhouette::Height);
    m_whoIndex = makeValue(QStringLiteral("lblIMC(7)"), panel);
    m_whoIndex->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_whoClass = makeValue(QStringLiteral("lblIMC(8)"), panel);
    m_whoClass->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    results->addWidget(m_index, 0, 1);
    results->addWidget(m_class, 1, 0, 1, 2);
    results->setRowMinimumHeight(2, 6);
    results->addWidget(makeLabel(QStringLiteral("lblIMC(6)"), QStringLiteral("Classification OMS"), panel), 3, 0);
    results->addWidget(m_whoIndex, 3, 1);
    results->addWidget(m_whoClass, 4, 0, 1, 2);
    results->addWidget(m_picture, 0, 3, 6, 1, Qt::AlignRight | Qt::AlignVCenter);
    results->setColumnStretch(2, 1);
    results->setRowStretch(5, 1);
    g->addWidget(panel, 4, 0, 1, 3);
    addWarningLine(5);
    g->setRowStretch(6, 1);

    setTabOrder(m_weight, m_height);
    connect(m_weight, &QLineEdit::textChanged, this, &BmiPage::recompute);
    connect(m_height, &QLineEdit::textChanged, this, &BmiPage::recompute);
}

void BmiPage::recompute()
{
    const std::optional<Bmi::Result> result = Bmi::evaluate(m_weight->text(), m_height->text());
    if (!result) {
        m_index->clear();
        m_class->clear();
        m_whoIndex->clear();
        m_whoClass->clear();
        showWarning(QString());
        m_picture->clear();
        m_picture->setProperty("picture", 0);
        return;
    }
    m_index->setText(result->indexText);
    m_class->setText(result->classText);
    m_whoIndex->setText(result->oneDecimalText);
    m_whoClass->setText(result->whoClassText);
    showWarning(result->warning);
    m_picture->setPixmap(BmiSilhouette::picture(result->picture));
    // Which silhouette is shown, for assistive tools and tests.
    m_picture->setProperty("picture", int(result->picture));
    m_picture->setAccessibleName(result->classText);
}
