#pragma once

#include <QtGlobal>

class QWidget;

// The system colour chooser, centred on the active window. Its sixteen
// custom colours are shared by every opening while the program runs.
namespace ColorDialog {

// The chosen colour in the program's notation, or -1 when the user cancels.
qint64 choose(quint32 initial);

} // namespace ColorDialog
