#include "pregnancy/PregnancyModule.h"

#include "dialogs/ProgramModule.h"

namespace PregnancyModule {

const Functions *load(QString *error)
{
    const auto entry = reinterpret_cast<Entry>(
        ProgramModule::resolve(QStringLiteral("tarvolix_pregnancy"), "tarvolix_pregnancy_functions", error));
    return entry ? entry() : nullptr;
}

} // namespace PregnancyModule
