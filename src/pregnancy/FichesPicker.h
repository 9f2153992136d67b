#pragma once

#include "pregnancy/FichePicker.h"

class QWidget;

// Picks a record in the list window, shown modally over its owner.
class FichesPicker : public FichePicker
{
public:
    explicit FichesPicker(QWidget *owner);
    void pick(const QStringList &names, const Opener &open) override;

private:
    QWidget *m_owner;
};
