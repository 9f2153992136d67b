#include "pregnancy/FicheIdentifier.h"

namespace FicheIdentifier {

QString folded(const QString &identifier)
{
    return identifier.normalized(QString::NormalizationForm_C).toCaseFolded();
}

bool sameIdentifier(const QString &a, const QString &b)
{
    return folded(a) == folded(b);
}

bool isReserved(const QString &identifier)
{
    return identifier.toUpper() == QLatin1String("GROSSESSE");
}

QString cut(const QString &identifier)
{
    qsizetype end = 0;
    for (int count = 0; count < MaxLength && end < identifier.size(); ++count) {
        const bool pair = identifier.at(end).isHighSurrogate() && end + 1 < identifier.size()
                          && identifier.at(end + 1).isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return identifier.left(end);
}

} // namespace FicheIdentifier
