#pragma once

#include <QFunctionPointer>
#include <QString>
#include <QStringList>

// The parts of the program that need libraries its first window does not
// (Qt's printing library; SQLCipher and libcrypto for the records) are
// modules, loaded the first time they are used, so that the calculator
// window maps without loading those libraries. A module is a shared object
// named after it ("tarvolix_print.so") that exports one function.
namespace ProgramModule {

// The folders searched for a module, in order: TARVOLIX_MODULE_DIR when it
// is set (the tests' build tree), the program's own folder (a build tree),
// then the installed modules' folder, found from the program's.
QStringList searchPath();

// The function `symbol` of module `name`, loading the module on first use
// (it then stays loaded). Null when no folder holds a module that loads and
// exports it; `error` then says why.
QFunctionPointer resolve(const QString &name, const char *symbol, QString *error = nullptr);

} // namespace ProgramModule
