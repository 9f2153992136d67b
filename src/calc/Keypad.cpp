#include "calc/Keypad.h"

#include "calc/Operators.h"

#include <QStringList>

namespace Keypad {

namespace {

constexpr int Column[] = {120, 600, 1080, 1680, 2160, 2880, 3360, 3840};

Place at(KeyGroup group, int index, int left, int top) { return {{group, index}, left, top}; }

QVector<Place> buildPlaces()
{
    using G = KeyGroup;
    QVector<Place> p;
    // Digits 7-9, 4-6, 1-3 in three columns, 0 below them.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p << at(G::Digit, 7 - 3 * row + col, Column[col], 360 + 480 * row);
    p << at(G::Digit, 0, Column[0], 1800) << at(G::Sign, 0, Column[1], 1800) << at(G::Decimal, 0, Column[2], 1800);
    for (int op = 0; op < 4; ++op)
        p << at(G::Operator, op, Column[3], 360 + 480 * op);
    p << at(G::Backspace, 0, Column[5], 360) << at(G::ClearEntry, 0, Column[6], 360) << at(G::Clear, 0, Column[7], 360);
    p << at(G::Function, 0, Column[5], 840) << at(G::Function, 1, Column[6], 840) << at(G::Constant, 0, Column[7], 840);
    p << at(G::Equals, 0, Column[4], 1320) << at(G::Function, 2, Column[5], 1320) << at(G::Function, 3, Column[6], 1320)
      << at(G::Function, 6, Column[7], 1320);
    p << at(G::Operator, 4, Column[4], 1800) << at(G::Function, 4, Column[5], 1800)
      << at(G::Function, 5, Column[6], 1800) << at(G::Operator, 5, Column[7], 1800);
    p << at(G::Function, 7, Column[5], 2280) << at(G::Operator, 6, Column[6], 2280)
      << at(G::Function, 8, Column[7], 2280);
    const int memoryLeft[] = {120, 600, 1080, 1560, 2040};
    for (int m = 0; m < 5; ++m)
        p << at(G::Memory, m, memoryLeft[m], 2760);
    p << at(G::Function, 9, Column[5], 2760) << at(G::Function, 10, Column[6], 2760)
      << at(G::Function, 11, Column[7], 2760);
    p << at(G::Grid, 0, 2880, 3840);
    return p;
}

const QStringList &operatorTooltips()
{
    static const QStringList list{QStringLiteral("+ du pavé numérique"),
                                  QStringLiteral("- du pavé numérique"),
                                  QStringLiteral("* du clavier et du pavé numérique"),
                                  QStringLiteral("/ du clavier et du pavé numérique"),
                                  QStringLiteral("Reste de la division de x par y. Clavier: %"),
                                  QStringLiteral("x puissance y. Clavier: Y"),
                                  QStringLiteral("Logarithme de base n. Clavier: L")};
    return list;
}

const QStringList &functionTooltips()
{
    static const QStringList list{
        QStringLiteral("Euro. Clavier: E"),
        QStringLiteral("Franc. Clavier: F"),
        QStringLiteral("Clic gauche: retourne la partie entière. Clic droit: retourne la partie décimale. "
                       "Clavier: ; et Shift-;"),
        QStringLiteral("Racine carrée. Clavier: R"),
        QStringLiteral("x au carré. Clavier: C"),
        QStringLiteral("x au cube. Clavier: K"),
        QStringLiteral("1/x. Clavier: I"),
        QStringLiteral("Clic gauche: logarithme népérien de x. Clic droit: e puissance x. Clavier: N et Shift-N"),
        QStringLiteral("Gestion des décimales. Clic gauche: sans arrondi. Clic droit: avec arrondi. "
                       "Clavier: D et Shift-D"),
        QStringLiteral("Cosinus arrondi à 4 décimales. Clavier: O"),
        QStringLiteral("Sinus arrondi à 4 décimales. Clavier: S"),
        QStringLiteral("Tangente arrondie à 4 décimales. Clavier: T")};
    return list;
}

const QStringList &functionSymbols()
{
    static const QStringList list{QStringLiteral("Euro"),          QStringLiteral("Franc"), QStringLiteral("Int"),
                                  QStringLiteral("Racine carrée"), QStringLiteral("x²"),    QStringLiteral("x³"),
                                  QStringLiteral("1/x"),           QStringLiteral("Log"),   QStringLiteral("Déc"),
                                  QStringLiteral("Cos"),           QStringLiteral("Sin"),   QStringLiteral("Tan")};
    return list;
}

} // namespace

const QVector<Place> &places()
{
    static const QVector<Place> list = buildPlaces();
    return list;
}

QString tooltip(KeyId key)
{
    switch (key.group) {
    case KeyGroup::Digit: return QStringLiteral("Touches 0 à 9 du clavier et du pavé numérique");
    case KeyGroup::Decimal: return QStringLiteral(", du clavier et du pavé numérique");
    case KeyGroup::Sign: return QStringLiteral("Changement de signe. Clavier: F6");
    case KeyGroup::Backspace: return QStringLiteral("Efface un caractère. Clavier: BackSpace");
    case KeyGroup::ClearEntry: return QStringLiteral("Annule l'entrée. Clavier: Suppr");
    case KeyGroup::Clear: return QStringLiteral("Réinitialise. Clavier: Echap");
    case KeyGroup::Operator: return operatorTooltips().value(key.index);
    case KeyGroup::Equals: return QStringLiteral("Touche Entrée du clavier et du pavé numérique.");
    case KeyGroup::Function: return functionTooltips().value(key.index);
    case KeyGroup::Constant: return QStringLiteral("Pi. Clavier: P");
    case KeyGroup::Memory:
        return QStringLiteral("Emplacement mémoire. Clic gauche: mémorisation. Clic droit: rappel. "
                              "Clavier: F1 à F5 et Shift-F1 à Shift-F5");
    case KeyGroup::Grid: return QString();
    }
    return QString();
}

QString accessibleName(KeyId key)
{
    switch (key.group) {
    case KeyGroup::Digit: return QString::number(key.index);
    case KeyGroup::Decimal: return QStringLiteral(",");
    case KeyGroup::Sign: return QStringLiteral("+/-");
    case KeyGroup::Backspace: return QStringLiteral("Efface un caractère");
    case KeyGroup::ClearEntry: return QStringLiteral("CE");
    case KeyGroup::Clear: return QStringLiteral("C");
    case KeyGroup::Operator: return Operators::symbol(Operator(key.index));
    case KeyGroup::Equals: return QStringLiteral("=");
    case KeyGroup::Function: return functionSymbols().value(key.index);
    case KeyGroup::Constant: return QStringLiteral("Pi");
    case KeyGroup::Memory: return QStringLiteral("M%1").arg(key.index + 1);
    case KeyGroup::Grid: return QStringLiteral("Editer la grille");
    }
    return QString();
}

} // namespace Keypad
