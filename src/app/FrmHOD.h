#pragma once

#include <QWidget>

class ZmtDGrid;

// Window "Convertisseur HOD": hosts the base converter and nothing else.
class FrmHOD : public QWidget
{
    Q_OBJECT
public:
    explicit FrmHOD(QWidget *parent = nullptr);

    ZmtDGrid *converter() const { return m_converter; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    ZmtDGrid *m_converter;
};
