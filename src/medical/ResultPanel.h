#pragma once

#include <QWidget>

// The tinted, rounded area behind a page's results. Purely decorative.
class ResultPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ResultPanel(const QString &name, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
