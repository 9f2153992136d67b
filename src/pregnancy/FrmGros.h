#pragma once

#include <QWidget>

// Window "Grossesse". Its content arrives with its own feature work.
class FrmGros : public QWidget
{
    Q_OBJECT
public:
    explicit FrmGros(QWidget *parent = nullptr);
};
