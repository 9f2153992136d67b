#pragma once

#include <QWidget>

// Window "Calculs médicaux". Its content arrives with its own feature work.
class FrmMed : public QWidget
{
    Q_OBJECT
public:
    explicit FrmMed(QWidget *parent = nullptr);
};
