#pragma once

#include <QString>
#include <QStringList>

// Which window the command line opens first.
enum class StartupWindow { Calculator, Pregnancy, Medical };

namespace StartupRoute {

// The argument text as the user typed it after the program's name. The
// platform hands the arguments over split, so they are joined again with
// single spaces: "/grossesse x" stays distinct from "/grossesse".
QString argumentText(const QStringList &arguments);

// Exact, case-sensitive comparison of the whole argument text.
StartupWindow windowFor(const QString &argumentText);

} // namespace StartupRoute
