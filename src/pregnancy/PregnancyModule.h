#pragma once

#include <QString>

class QAction;
class QWidget;

// The pregnancy calendar with its record store is the module
// "tarvolix_pregnancy" (see dialogs/ProgramModule.h): SQLCipher and libcrypto
// are loaded when the calendar first opens, not with the calculator window.
namespace PregnancyModule {

// A new pregnancy window ("Grossesse") and its "&Aide" items, which the
// program wires to its help and about window.
struct Window
{
    QWidget *window = nullptr;
    QAction *help = nullptr;
    QAction *about = nullptr;
};

// What the module exports, through its function "tarvolix_pregnancy_functions".
struct Functions
{
    Window (*newWindow)();
};
using Entry = const Functions *(*)();

// The module's functions, loading it on first use; null when it cannot be
// loaded, with the reason in `error`.
const Functions *load(QString *error = nullptr);

} // namespace PregnancyModule
