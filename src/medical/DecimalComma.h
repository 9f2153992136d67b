#pragma once

#include <QString>

#include <optional>

// French fields take a comma as decimal separator: a full stop typed into a
// numeric field is rewritten as a comma once its key is released.
namespace DecimalComma {

struct Rewrite
{
    QString text;
    int caret = 0;
};

// `caret` is the caret position (0-based) when the key is released, i.e. just
// after the character that key typed. Returns the rewritten text and caret
// (at the end), or nothing when there is no typed separator to rewrite.
std::optional<Rewrite> apply(const QString &text, int caret);

} // namespace DecimalComma
