#pragma once

class QDate;
class QString;

// What the record commands need of the pregnancy window.
class FicheView
{
public:
    virtual ~FicheView() = default;

    // Empties the three date fields and every result shown from them (theoretical
    // term, status line, milestones, status on the calendar tab).
    virtual void clearPregnancy() = 0;
    // Writes a stored pregnancy: the start of pregnancy first, recomputing every
    // display from it, then the stored last period and delivery date with their own
    // milestones, so that the stored dates win over the defaults.
    virtual void showPregnancy(const QDate &ddg, const QDate &ddr, const QDate &acc) = 0;
    // The caption (the open record's identifier, or "Grossesse") and whether the
    // "&Supprimer la Fiche" command is enabled.
    virtual void showFicheState(const QString &caption, bool ficheOuverte) = 0;
};
