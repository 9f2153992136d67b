#pragma once

#include "medical/MedPage.h"

class MedNumberField;
class MedOption;

// Page "&DFG CKD-EPI": the CKD-EPI filtration rate with its stage, and the
// rate of the patient's own body surface when height and weight are given.
class CkdEpiPage : public MedPage
{
    Q_OBJECT
public:
    explicit CkdEpiPage(UserPrompt &prompt, QWidget *parent = nullptr);

private:
    void addFields();
    void addResults();
    void calculate();

    MedNumberField *m_age;
    MedNumberField *m_creatinine;
    MedNumberField *m_height;
    MedNumberField *m_weight;
    MedOption *m_man;
    MedOption *m_woman;
    MedOption *m_milligrams;
    MedOption *m_micromoles;
    QList<QLabel *> m_results;
};
