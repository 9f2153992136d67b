#pragma once

#include <QString>

// Where the record file "Fiches.gro" lives. Beside the program when its folder is
// writable (a build tree, a copy in the user's own folder); otherwise (an installation
// under /usr) in the user's data folder, where the empty file shipped beside the
// program is copied on first use. The program never creates a record file itself.
namespace RecordFileLocation {

QString fileName();
QString resolve(const QString &programDir, bool programDirWritable, const QString &userDataDir);
// The location for the running program.
QString forThisProgram();

} // namespace RecordFileLocation
