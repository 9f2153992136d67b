#include "pregnancy/FicheIdentifier.h"

namespace FicheIdentifier {

namespace {

// Default-ignorable characters that are not format characters: combining grapheme
// joiner, Hangul and Khmer fillers, Mongolian selectors, variation selectors.
bool isIgnorable(char32_t c)
{
    return c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180F)
        || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFFA0 || (c >= 0xE0100 && c <= 0xE01EF);
}

bool isHidden(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format: // zero-width characters, soft hyphen, direction marks
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph: return true;
    default: return isIgnorable(c);
    }
}

} // namespace

QString folded(const QString &identifier)
{
    // Decomposing first lets simple case folding reach what full folding would
    // (ligatures, letters with a subscript iota); ß is the one full folding left.
    QString key = identifier.normalized(QString::NormalizationForm_KD).toCaseFolded();
    key.replace(QChar(0x00DF), QLatin1String("ss"));
    return key.normalized(QString::NormalizationForm_KC).simplified();
}

bool sameIdentifier(const QString &a, const QString &b) { return folded(a) == folded(b); }

bool isReserved(const QString &identifier) { return folded(identifier) == QLatin1String("grossesse"); }

bool hasHiddenCharacters(const QString &identifier)
{
    for (qsizetype i = 0; i < identifier.size(); ++i) {
        char32_t c = identifier.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < identifier.size() && identifier.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(identifier.at(i), identifier.at(i + 1));
            ++i;
        }
        if (isHidden(c))
            return true;
    }
    return false;
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
