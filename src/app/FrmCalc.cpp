#include "app/FrmCalc.h"

FrmCalc::FrmCalc(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Tarvolix"));
}
