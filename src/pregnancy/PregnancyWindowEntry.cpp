// The module "tarvolix_pregnancy": the pregnancy calendar and its encrypted
// records, with SQLCipher and libcrypto (see PregnancyModule.h).
#include "pregnancy/FrmGros.h"
#include "pregnancy/PregnancyModule.h"

namespace {

PregnancyModule::Window newWindow()
{
    auto *window = new FrmGros;
    return {window, window->aideAction(0), window->aideAction(1)};
}

} // namespace

extern "C" Q_DECL_EXPORT const PregnancyModule::Functions *tarvolix_pregnancy_functions()
{
    static const PregnancyModule::Functions functions{&newWindow};
    return &functions;
}
