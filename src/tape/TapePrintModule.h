#pragma once

#include <QString>
#include <functional>

class CPrintDlg;
class Tape;

// The printing of the tape listing is the module "tarvolix_print" (see
// dialogs/ProgramModule.h): Qt's printing library is loaded the first time
// the user prints, not with the calculator window.
namespace TapePrintModule {

using ShowSetup = std::function<bool(CPrintDlg &dialog)>;

// What the module exports, through its function "tarvolix_print_functions".
struct Functions
{
    // The print set-up form over the dialog's printer; false when cancelled.
    bool (*showSetup)(CPrintDlg &dialog);
    // Asks for the printer through `showSetup`, then prints the tape's
    // listing. The message to show: empty when printed or cancelled.
    QString (*print)(const Tape &tape, const ShowSetup &showSetup);
};
using Entry = const Functions *(*)();

// The module's functions, loading it on first use; null when it cannot be
// loaded, with the reason in `error`.
const Functions *load(QString *error = nullptr);

} // namespace TapePrintModule
