#pragma once

#include <QWidget>

// Window "Calculateur de dates". Its content arrives with its own feature work.
class FrmDate : public QWidget
{
    Q_OBJECT
public:
    explicit FrmDate(QWidget *parent = nullptr);
};
