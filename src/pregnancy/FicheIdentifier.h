#pragma once

#include <QString>

// Rules for the identifier under which a pregnancy is saved.
namespace FicheIdentifier {

inline constexpr int MaxLength = 60;

// The key two identifiers share when they differ only in letter case, accented
// capitals included ("Élodie" and "élodie"), however the accents were typed.
QString folded(const QString &identifier);
// Same identifier without regard to letter case.
bool sameIdentifier(const QString &a, const QString &b);
// "Grossesse" is the caption of a window with no record, so it names no record.
bool isReserved(const QString &identifier);
// The first 60 characters; a character made of two UTF-16 units is never split.
QString cut(const QString &identifier);

} // namespace FicheIdentifier
