#pragma once

#include <QMainWindow>

class FrmCalc : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmCalc(QWidget *parent = nullptr);
};
