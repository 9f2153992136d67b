#pragma once

#include "medical/MedPage.h"
#include "medical/TobaccoScore.h"

class QCheckBox;

// Page "&Fagerström": the tobacco dependence test, scored on every click.
class TobaccoPage : public MedPage
{
    Q_OBJECT
public:
    explicit TobaccoPage(UserPrompt &prompt, QWidget *parent = nullptr);

    quint8 score() const { return m_score.score(); }

private:
    void boxClicked(int box, bool checked);

    TobaccoScore m_score;
    QList<QCheckBox *> m_boxes;
    QLabel *m_scoreLabel;
    QLabel *m_classLabel;
};
