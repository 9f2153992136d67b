#pragma once

#include "pregnancy/FicheView.h"

#include <QDate>
#include <QString>

// Stands for the pregnancy window: keeps what the record commands showed.
class FakeFicheView : public FicheView
{
public:
    QDate ddg;
    QDate ddr;
    QDate acc;
    QString caption = QStringLiteral("Grossesse");
    bool ficheOuverte = false;
    int clears = 0;
    int loads = 0;

    void clearPregnancy() override
    {
        ddg = ddr = acc = QDate();
        ++clears;
    }
    void showPregnancy(const QDate &start, const QDate &period, const QDate &delivery) override
    {
        ddg = start;
        ddr = period;
        acc = delivery;
        ++loads;
    }
    void showFicheState(const QString &text, bool open) override
    {
        caption = text;
        ficheOuverte = open;
    }
};
