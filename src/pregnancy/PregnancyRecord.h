#pragma once

#include <QDate>
#include <QString>

// One saved pregnancy: its identifier and the three dates of the pregnancy window.
struct PregnancyRecord
{
    QString name;
    QDate ddg; // presumed start of pregnancy
    QDate ddr; // last menstrual period
    QDate acc; // delivery date

    friend bool operator==(const PregnancyRecord &, const PregnancyRecord &) = default;
};
