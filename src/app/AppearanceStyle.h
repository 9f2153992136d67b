#pragma once

#include <QString>
#include <array>
#include <cstddef>

// The calculator's colour roles: window and keys, key symbols, grid, display
// background, display text. The settings store ("Color1" ... "Color5") and
// the custom buttons of the "Personnalisation" window number them 1 to 5 in
// this order.
enum class ColorRole { Window, KeyText, Grid, DisplayBack, DisplayText };
constexpr int ColorRoleCount = 5;
constexpr ColorRole colorRoleNumbered(int number) { return ColorRole(number - 1); }

// The calculator's colour for each role, in the program's notation
// (0x00BBGGRR, or 0x800000nn for the system colour nn).
struct AppearanceColors
{
    std::array<quint32, ColorRoleCount> values{};

    quint32 &operator[](ColorRole role) { return values[std::size_t(role)]; }
    quint32 operator[](ColorRole role) const { return values[std::size_t(role)]; }
    friend bool operator==(const AppearanceColors &, const AppearanceColors &) = default;
};

// The three predefined styles and the custom one, and how their values are
// written as text in the settings store.
namespace AppearanceStyle {

constexpr int First = 1;
constexpr int Custom = 4;
constexpr int Default = 1;

// The colours of predefined style 1 to 3; any other number gives style 1.
AppearanceColors predefined(int style);
// The colours a custom style starts from when nothing is stored.
AppearanceColors defaultCustom();

// "Style prédéfini 1" ... "Personnalisé".
QString name(int style);

// A stored style text: 1 to 4, or 0 when it is not one of them.
int parseStyle(const QString &text);
// A stored colour text: a signed 32-bit decimal number; anything else gives
// the fallback.
quint32 parseColor(const QString &text, quint32 fallback);
// The colour as a signed 32-bit decimal number (system colours negative).
QString colorText(quint32 color);

} // namespace AppearanceStyle
