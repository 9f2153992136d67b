#pragma once

#include <QWidget>

// Window "Convertisseur HOD". Its content arrives with its own feature work.
class FrmHOD : public QWidget
{
    Q_OBJECT
public:
    explicit FrmHOD(QWidget *parent = nullptr);
};
