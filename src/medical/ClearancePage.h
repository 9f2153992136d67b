#pragma once

#include "medical/MedPage.h"

class MedNumberField;
class MedOption;

// Page "&Clairance Créat": the Cockcroft clearance of a man and of a woman.
class ClearancePage : public MedPage
{
    Q_OBJECT
public:
    explicit ClearancePage(UserPrompt &prompt, QWidget *parent = nullptr);

private:
    void calculate();

    MedNumberField *m_age;
    MedNumberField *m_weight;
    MedNumberField *m_creatinine;
    MedOption *m_milligrams;
    QList<QLabel *> m_results;
};
