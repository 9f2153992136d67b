#pragma once

#include <QString>

#include <optional>

// Body mass index: weight (kg) over the square of the height (m), shown as a
// whole number with its class and silhouette picture.
namespace Bmi {

// The silhouettes, from very thin to very stout; each value is the picture's
// resource number, which the window shows.
enum class Picture { Thin = 300, Normal = 301, Overweight = 302, Obese = 303, SeverelyObese = 304 };

struct Result
{
    double index = 0; // the rounded index
    QString indexText;
    QString classText;
    Picture picture = Picture::Normal;
    QString oneDecimalText; // the index to one decimal
    QString whoClassText; // the WHO class of that index
    QString warning; // unlikely weight or height; empty: none
};

// w / h², unrounded.
double quotient(double weight, double height);

// The class is decided on the rounded index; each bound belongs to the lower class.
QString classText(double roundedIndex);
Picture picture(double roundedIndex);

// The adult classification of the World Health Organization, decided on the
// index rounded to one decimal.
QString whoClassText(double oneDecimalIndex);

// Both field texts as typed; nothing when the result must be blank.
std::optional<Result> evaluate(const QString &weightText, const QString &heightText);

} // namespace Bmi
