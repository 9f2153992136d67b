#pragma once

#include "medical/MedPage.h"

class MedNumberField;

// Page "&IMC": the body mass index, recomputed on every change of its fields.
class BmiPage : public MedPage
{
    Q_OBJECT
public:
    explicit BmiPage(UserPrompt &prompt, QWidget *parent = nullptr);

private:
    void recompute();

    MedNumberField *m_weight;
    MedNumberField *m_height;
    QLabel *m_index;
    QLabel *m_class;
    QLabel *m_whoIndex;
    QLabel *m_whoClass;
    QLabel *m_picture;
};
