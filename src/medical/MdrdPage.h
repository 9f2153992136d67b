#pragma once

#include "medical/MedPage.h"

class MedNumberField;
class MedOption;

// Page "Créat &MDRD": the MDRD filtration estimate of a man and of a woman.
class MdrdPage : public MedPage
{
    Q_OBJECT
public:
    explicit MdrdPage(UserPrompt &prompt, QWidget *parent = nullptr);

private:
    void calculate();

    MedNumberField *m_age;
    MedNumberField *m_creatinine;
    MedOption *m_milligrams;
    MedOption *m_african;
    QList<QLabel *> m_results;
};
