#include "pregnancy/RecordFileLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace RecordFileLocation {

QString fileName() { return QStringLiteral("Fiches.gro"); }

QString resolve(const QString &programDir, bool programDirWritable, const QString &userDataDir)
{
    const QString shipped = programDir + QLatin1Char('/') + fileName();
    if (programDirWritable || userDataDir.isEmpty())
        return shipped;
    const QString own = userDataDir + QLatin1Char('/') + fileName();
    if (!QFileInfo::exists(own) && QFileInfo(shipped).isFile() && QDir().mkpath(userDataDir)
        && QFile::copy(shipped, own)) {
        // Patient data: readable by its owner only, and writable although the
        // shipped copy is not.
        QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return own;
}

QString forThisProgram()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    // A system installation keeps records per user even when run as root, so
    // that a package upgrade never replaces them with the empty shipped file.
    const bool systemFolder = programDir.startsWith(QLatin1String("/usr/"));
    return resolve(programDir, QFileInfo(programDir).isWritable() && !systemFolder,
                   QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

} // namespace RecordFileLocation
