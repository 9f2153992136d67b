#include "tape/TapePrintModule.h"

#include "dialogs/ProgramModule.h"

namespace TapePrintModule {

const Functions *load(QString *error)
{
    const auto entry = reinterpret_cast<Entry>(
        ProgramModule::resolve(QStringLiteral("tarvolix_print"), "tarvolix_print_functions", error));
    return entry ? entry() : nullptr;
}

} // namespace TapePrintModule
