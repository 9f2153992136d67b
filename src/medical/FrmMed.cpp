#include "medical/FrmMed.h"

FrmMed::FrmMed(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Calculs médicaux"));
    resize(400, 300);
}
