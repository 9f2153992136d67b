#pragma once

#include "medical/MedPage.h"

class MedNumberField;
class MedOption;

// Page "&LDL-Chol": the Friedewald LDL cholesterol in g/l and mmol/l.
class LdlPage : public MedPage
{
    Q_OBJECT
public:
    explicit LdlPage(UserPrompt &prompt, QWidget *parent = nullptr);

private:
    void calculate();

    QList<MedNumberField *> m_fields;
    MedOption *m_millimoles;
    QList<QLabel *> m_results;
};
