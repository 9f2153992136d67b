#include "calc/KeyboardMap.h"

#include <Qt>

namespace KeyboardMap {

namespace {

struct Row
{
    int first;
    int last;
    KeyGroup group;
    int index; // index of the key for `first`; rows of a range add code - first
};

// In the table's order: the first matching row applies.
constexpr Row Table[] = {
    {96, 105, KeyGroup::Digit, 0},     {48, 57, KeyGroup::Digit, 0},      {110, 110, KeyGroup::Decimal, 0},
    {188, 188, KeyGroup::Decimal, 0},  {27, 27, KeyGroup::Clear, 0},      {46, 46, KeyGroup::ClearEntry, 0},
    {8, 8, KeyGroup::Backspace, 0},    {117, 117, KeyGroup::Sign, 0},     {107, 107, KeyGroup::Operator, 0},
    {109, 109, KeyGroup::Operator, 1}, {106, 106, KeyGroup::Operator, 2}, {220, 220, KeyGroup::Operator, 2},
    {111, 111, KeyGroup::Operator, 3}, {191, 191, KeyGroup::Operator, 3}, {192, 192, KeyGroup::Operator, 4},
    {89, 89, KeyGroup::Operator, 5},   {76, 76, KeyGroup::Operator, 6},   {13, 13, KeyGroup::Equals, 0},
    {69, 69, KeyGroup::Function, 0},   {70, 70, KeyGroup::Function, 1},   {80, 80, KeyGroup::Constant, 0},
    {190, 190, KeyGroup::Function, 2}, {82, 82, KeyGroup::Function, 3},   {67, 67, KeyGroup::Function, 4},
    {75, 75, KeyGroup::Function, 5},   {73, 73, KeyGroup::Function, 6},   {78, 78, KeyGroup::Function, 7},
    {68, 68, KeyGroup::Function, 8},   {79, 79, KeyGroup::Function, 9},   {83, 83, KeyGroup::Function, 10},
    {84, 84, KeyGroup::Function, 11},  {112, 116, KeyGroup::Memory, 0},   {71, 71, KeyGroup::Grid, 0},
};

constexpr int KeyC = 67;
constexpr int KeyG = 71;

} // namespace

std::optional<Click> clickFor(int vk, int mask)
{
    if (mask == AltMask)
        return std::nullopt;
    for (const Row &row : Table) {
        if (vk < row.first || vk > row.last)
            continue;
        if ((vk == KeyC || vk == KeyG) && mask == CtrlMask)
            return std::nullopt;
        Click click;
        click.key = {row.group, row.index + (vk - row.first)};
        if (row.group == KeyGroup::Memory)
            click.releaseButton = mask + 1;
        click.releaseOnly = row.group == KeyGroup::Grid;
        return click;
    }
    return std::nullopt;
}

int virtualKeyFor(int qtKey, bool keypad, quint32 scanCode)
{
    if (keypad) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return 96 + (qtKey - Qt::Key_0);
        switch (qtKey) {
        case Qt::Key_Asterisk: return 106;
        case Qt::Key_Plus: return 107;
        case Qt::Key_Minus: return 109;
        case Qt::Key_Period:
        case Qt::Key_Comma: return 110;
        case Qt::Key_Slash: return 111;
        case Qt::Key_Enter:
        case Qt::Key_Return: return 13;
        default: break;
        }
    }
    // The top row: X11 key codes 10 ("1") to 18 ("9") and 19 ("0").
    if (!keypad && scanCode >= 10 && scanCode <= 19)
        return scanCode == 19 ? 48 : 49 + int(scanCode - 10);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F6)
        return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Comma: return 188;
    case Qt::Key_Asterisk:
    case Qt::Key_mu: return 220;
    case Qt::Key_Slash:
    case Qt::Key_Colon: return 191;
    case Qt::Key_Percent:
    case Qt::Key_Ugrave: return 192;
    case Qt::Key_Period:
    case Qt::Key_Semicolon: return 190;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Backspace: return 8;
    default: return 0;
    }
}

} // namespace KeyboardMap
