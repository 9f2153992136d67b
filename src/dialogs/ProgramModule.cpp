#include "dialogs/ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace ProgramModule {

QStringList searchPath()
{
    QStringList folders;
    const QString override = qEnvironmentVariable("TARVOLIX_MODULE_DIR");
    if (!override.isEmpty())
        folders << override;
    const QString own = QCoreApplication::applicationDirPath();
    folders << own << QDir::cleanPath(own + QLatin1Char('/') + QStringLiteral(TARVOLIX_MODULE_DIR_FROM_PROGRAM));
    return folders;
}

QFunctionPointer resolve(const QString &name, const char *symbol, QString *error)
{
    QString why;
    for (const QString &folder : searchPath()) {
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".so");
        if (!QFileInfo::exists(file))
            continue;
        QLibrary library(file);
        // Never unloaded: the module's windows and their meta-objects live
        // as long as the program.
        library.setLoadHints(QLibrary::PreventUnloadHint);
        if (QFunctionPointer function = library.resolve(symbol))
            return function;
        why = library.errorString();
        break;
    }
    if (error)
        *error = why.isEmpty() ? QStringLiteral("Le module %1 est introuvable (dossiers : %2).")
                                     .arg(name, searchPath().join(QStringLiteral(", ")))
                               : why;
    return nullptr;
}

} // namespace ProgramModule
