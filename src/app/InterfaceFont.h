#pragma once

#include <QString>

// The windows are laid out for a proportional font. A minimal system whose only
// fonts are Liberation's resolves the default sans-serif to Liberation Mono, so
// the font is checked at start-up and replaced by a proportional one if need be.
namespace InterfaceFont {
// Makes the application font proportional; returns the family in use.
QString ensureProportional();
} // namespace InterfaceFont
