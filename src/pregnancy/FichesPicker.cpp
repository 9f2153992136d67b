#include "pregnancy/FichesPicker.h"

#include "pregnancy/FrmFiches.h"

FichesPicker::FichesPicker(QWidget *owner) : m_owner(owner) { }

void FichesPicker::pick(const QStringList &names, const Opener &open)
{
    FrmFiches window(names, open, m_owner);
    window.exec();
}
