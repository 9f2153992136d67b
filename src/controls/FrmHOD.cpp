#include "controls/FrmHOD.h"

FrmHOD::FrmHOD(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Convertisseur HOD"));
    resize(400, 300);
}
