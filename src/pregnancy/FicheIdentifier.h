#pragma once

#include <QString>

// Rules for the identifier under which a pregnancy is saved.
namespace FicheIdentifier {

inline constexpr int MaxLength = 60;

// The key two identifiers share when a reader could not tell them apart in the
// record list: letter case (full case folding, "straße" and "STRASSE"), how accents
// were typed, compatibility forms ("ﬁ" and "fi", a no-break space and a space) and
// runs of blanks.
QString folded(const QString &identifier);
// Same identifier for the record list.
bool sameIdentifier(const QString &a, const QString &b);
// "Grossesse" is the caption of a window with no record, so it names no record.
bool isReserved(const QString &identifier);
// Control characters, invisible characters (zero-width, soft hyphen, fillers...) and
// text direction marks: they would make identifiers that look the same, or empty.
bool hasHiddenCharacters(const QString &identifier);
// The first 60 characters; a character made of two UTF-16 units is never split.
QString cut(const QString &identifier);

} // namespace FicheIdentifier
