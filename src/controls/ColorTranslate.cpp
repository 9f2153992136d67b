#include "controls/ColorTranslate.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor systemColor(int index, const QPalette &palette)
{
    switch (index) {
    case 0x01: return palette.color(QPalette::Window); // desktop
    case 0x02: return palette.color(QPalette::Active, QPalette::Highlight); // active title bar
    case 0x03: return palette.color(QPalette::Inactive, QPalette::Mid); // inactive title bar
    case 0x04: return palette.color(QPalette::Window); // menu
    case 0x05: return palette.color(QPalette::Base); // window
    case 0x06: return palette.color(QPalette::Shadow); // window frame
    case 0x07: return palette.color(QPalette::WindowText); // menu text
    case 0x08: return palette.color(QPalette::Text); // window text
    case 0x09: return palette.color(QPalette::Active, QPalette::HighlightedText); // active title text
    case 0x0D: return palette.color(QPalette::Highlight); // highlight
    case 0x0E: return palette.color(QPalette::HighlightedText); // highlight text
    case 0x0F: return palette.color(QPalette::Button); // button face
    case 0x10: return palette.color(QPalette::Dark); // button shadow
    case 0x11: return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    case 0x12: return palette.color(QPalette::ButtonText); // button text
    case 0x13: return palette.color(QPalette::Inactive, QPalette::WindowText); // inactive title text
    case 0x14: return palette.color(QPalette::Light); // button highlight
    case 0x17: return palette.color(QPalette::ToolTipText); // tooltip text
    case 0x18: return palette.color(QPalette::ToolTipBase); // tooltip background
    default: return palette.color(QPalette::Button);
    }
}

} // namespace

QColor TranslateColor(quint32 color) { return TranslateColor(color, QGuiApplication::palette()); }

QColor TranslateColor(quint32 color, const QPalette &palette)
{
    if (color & 0x80000000u)
        return systemColor(int(color & 0xFFu), palette);
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

quint32 ColorToNotation(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}
