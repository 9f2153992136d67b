#include "medical/TobaccoPage.h"

#include "medical/ResultPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

TobaccoPage::TobaccoPage(UserPrompt &prompt, QWidget *parent) : MedPage(5, prompt, parent)
{
    QGridLayout *g = grid();
    g->setVerticalSpacing(4);
    for (int question = 0; question < TobaccoScore::QuestionCount; ++question) {
        QLabel *text =
            makeLabel(QStringLiteral("lblTabacTitre(%1)").arg(question), TobaccoScore::questionText(question));
        text->setWordWrap(true);
        text->setMinimumWidth(200);
        g->addWidget(text, question, 0);
        int column = 1;
        for (int box : TobaccoScore::boxesOf(question)) {
            auto *check = new QCheckBox(TobaccoScore::answerCaption(box), this);
            check->setObjectName(QStringLiteral("chkTabac(%1)").arg(box));
            check->setProperty("Tag", QString::number(TobaccoScore::answerPoints(box)));
            g->addWidget(check, question, column++);
            connect(check, &QCheckBox::clicked, this, [this, box](bool checked) { boxClicked(box, checked); });
            if (!m_boxes.isEmpty())
                setTabOrder(m_boxes.last(), check);
            m_boxes.append(check);
        }
    }
    g->setColumnStretch(0, 1);

    ResultPanel *panel = makeResultPanel(QStringLiteral("shaJoli(5)"));
    auto *results = new QGridLayout(panel);
    results->setContentsMargins(14, 8, 14, 8);
    QLabel *title = makeLabel(QStringLiteral("lblTabac(0)"), QStringLiteral("SCORE"), panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    m_scoreLabel = makeValue(QStringLiteral("lblTabac(1)"), panel);
    m_scoreLabel->setMinimumWidth(24);
    m_classLabel = makeLabel(QStringLiteral("lblTabac(2)"), QString(), panel);
    results->addWidget(title, 0, 0);
    results->addWidget(m_scoreLabel, 0, 1);
    results->addWidget(m_classLabel, 0, 2);
    results->setColumnStretch(2, 1);
    g->setRowMinimumHeight(TobaccoScore::QuestionCount, 4);
    g->addWidget(panel, TobaccoScore::QuestionCount + 1, 0, 1, 4);
    g->setRowStretch(TobaccoScore::QuestionCount + 2, 1);

    m_scoreLabel->setText(QString::number(m_score.score()));
    m_classLabel->setText(m_score.classText());
}

void TobaccoPage::boxClicked(int box, bool checked)
{
    for (int other : m_score.setChecked(box, checked)) {
        // The model has already taken these answers back.
        const QSignalBlocker blocker(m_boxes[other]);
        m_boxes[other]->setChecked(false);
    }
    m_scoreLabel->setText(QString::number(m_score.score()));
    m_classLabel->setText(m_score.classText());
}
