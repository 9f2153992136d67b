#include "datecalc/FrmDate.h"

FrmDate::FrmDate(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Calculateur de dates"));
    resize(400, 300);
}
