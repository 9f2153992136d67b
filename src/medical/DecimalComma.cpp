#include "medical/DecimalComma.h"

namespace DecimalComma {

std::optional<Rewrite> apply(const QString &text, int caret)
{
    // Caret at 0: the key was typed while another control had the focus, so
    // there is nothing of ours to rewrite.
    if (caret <= 0 || caret > text.size())
        return std::nullopt;
    const QChar typed = text.at(caret - 1);
    // Only the separator just typed is rewritten (the keypad key may already
    // give a comma, which is then left as it is but the caret still moves).
    if (typed != QLatin1Char('.') && typed != QLatin1Char(','))
        return std::nullopt;
    Rewrite rewrite{text, 0};
    rewrite.text[caret - 1] = QLatin1Char(',');
    rewrite.caret = int(rewrite.text.size());
    return rewrite;
}

} // namespace DecimalComma
