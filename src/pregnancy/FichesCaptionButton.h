#pragma once

#include <QPushButton>

// The caption buttons "OK" and "Annuler" of the record list. A push button stands in
// for the program's own drawn caption button (picture above a centred one-line
// caption) until that control is available; swapping it changes this file only.
using FichesCaptionButton = QPushButton;

// `answersEnter`: the button Enter presses in the dialog.
inline FichesCaptionButton *createFichesCaptionButton(const QString &caption, QWidget *parent,
                                                     bool answersEnter = false)
{
    auto *button = new FichesCaptionButton(caption, parent);
    button->setDefault(answersEnter);
    return button;
}
