#include "pregnancy/FrmGros.h"

FrmGros::FrmGros(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Grossesse"));
    resize(400, 300);
}
