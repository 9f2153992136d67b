#include "medical/Bmi.h"
#include "medical/CkdEpi.h"
#include "medical/Cockcroft.h"
#include "medical/Friedewald.h"
#include "medical/Mdrd.h"
#include "medical/RenalClass.h"

#include <QTest>

#include <cmath>

namespace {
const QString Normal = QStringLiteral("(Fonction rénale normale: 80 à 125)");
const QString Mild = QStringLiteral("(Insuffisance rénale légère: 60 à 80)");
const QString Moderate = QStringLiteral("(Insuffisance rénale modérée: 30 à 60)");
const QString Severe = QStringLiteral("(Insuffisance rénale sévère: 15 à 30)");
const QString VerySevere = QStringLiteral("(Insuffisance rénale très sévère)");
const QString Extreme = QStringLiteral("(Insuffisance rénale extrèmement sévère)");
const QString MissingAge = QStringLiteral("Renseignez l'âge.");
const QString MissingCreatinine = QStringLiteral("Renseignez la créatininémie.");
const QString ZeroCreatinine = QStringLiteral("La valeur de la créatininémie ne doit pas être nulle.");
const QString TriglyceridesTooHigh =
    QStringLiteral("Triglycérides supérieurs à 5 g/l.\r\nCalcul du LDL impossible.");
constexpr int Mg = int(CreatinineUnit::MilligramPerLitre);
constexpr int Umol = int(CreatinineUnit::MicromolePerLitre);
} // namespace

namespace {
const QString G1 = QStringLiteral("Stade G1 : DFG normal ou élevé");
const QString G2 = QStringLiteral("Stade G2 : DFG légèrement diminué");
const QString G3a = QStringLiteral("Stade G3a : diminution légère à modérée");
const QString G3b = QStringLiteral("Stade G3b : diminution modérée à sévère");
const QString G4 = QStringLiteral("Stade G4 : diminution sévère");
const QString G5 = QStringLiteral("Stade G5 : insuffisance rénale terminale");
constexpr int NoSex = 0;
constexpr int Man = 1;
constexpr int Woman = 2;

std::optional<CkdEpi::Sex> sexOf(int sex)
{
    if (sex == NoSex)
        return std::nullopt;
    return sex == Man ? CkdEpi::Sex::Male : CkdEpi::Sex::Female;
}
} // namespace

namespace {
const QString Check = QStringLiteral(" Vérifiez la saisie.");
const QString FriedewaldUnreliable = QStringLiteral(
    "Formule de Friedewald peu fiable au-delà de 3,4 g/l de triglycérides : préférez un dosage direct du LDL.");

// The warning line of a calculator; inputs as its fields are typed.
QString warningOf(const QString &calculator, const QStringList &in)
{
    if (calculator == QLatin1String("Cockcroft"))
        return Cockcroft::evaluate(in[0], in[1], in[2], CreatinineUnit::MicromolePerLitre).warning;
    if (calculator == QLatin1String("MDRD"))
        return Mdrd::evaluate(in[0], in[1], CreatinineUnit::MilligramPerLitre, false).warning;
    if (calculator == QLatin1String("CKD-EPI"))
        return CkdEpi::evaluate(in[0], CkdEpi::Sex::Male, in[1], CreatinineUnit::MicromolePerLitre, in[2], in[3])
            .warning;
    if (calculator == QLatin1String("IMC"))
        return Bmi::evaluate(in[0], in[1]).value().warning;
    return Friedewald::evaluate(in[0], in[1], in[2],
                                in.value(3) == QLatin1String("mmol/l") ? Friedewald::Unit::MillimolePerLitre
                                                                      : Friedewald::Unit::GramPerLitre)
        .warning;
}
} // namespace

class TestMedFormulas : public QObject
{
    Q_OBJECT
private slots:
    void renalClass_data()
    {
        QTest::addColumn<double>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("125") << 125.0 << Normal;
        QTest::newRow("80") << 80.0 << Normal;
        QTest::newRow("79,9") << 79.9 << Mild;
        QTest::newRow("60") << 60.0 << Mild;
        QTest::newRow("59,9") << 59.9 << Moderate;
        QTest::newRow("30") << 30.0 << Moderate;
        QTest::newRow("29,9") << 29.9 << Severe;
        QTest::newRow("15") << 15.0 << Severe;
        QTest::newRow("14,9") << 14.9 << VerySevere;
        QTest::newRow("10") << 10.0 << VerySevere;
        QTest::newRow("9,9") << 9.9 << Extreme;
        QTest::newRow("0") << 0.0 << Extreme;
        QTest::newRow("negative") << -9.9 << Extreme;
    }

    void renalClass()
    {
        QFETCH(double, shown);
        QFETCH(QString, text);
        QCOMPARE(RenalClass::text(shown), text);
    }

    void bmi_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("index"); // empty: the result is blank
        QTest::addColumn<QString>("classText");
        QTest::addColumn<int>("picture");
        QTest::newRow("70 kg 1,75 m") << "70" << "1,75" << "23" << "Poids normal" << 301;
        QTest::newRow("81,5 kg 1,8 m") << "81,5" << "1,8" << "25" << "Poids normal" << 301;
        QTest::newRow("rounded before the class") << "50" << "1,6" << "20" << "Poids normal" << 301;
        QTest::newRow("25,4 stays normal") << "25,4" << "1" << "25" << "Poids normal" << 301;
        QTest::newRow("25,6 is overweight") << "25,6" << "1" << "26" << "Surpoids" << 302;
        QTest::newRow("40,5 to even is obese") << "40,5" << "1" << "40" << "Obésité" << 303;
        QTest::newRow("30 is overweight") << "30" << "1" << "30" << "Surpoids" << 302;
        QTest::newRow("30,6 is obese") << "30,6" << "1" << "31" << "Obésité" << 303;
        QTest::newRow("height 1 while typing") << "70" << "1" << "70" << "Obésité sévère" << 304;
        QTest::newRow("weight 0") << "0" << "1,75" << "0" << "Maigreur" << 300;
        QTest::newRow("19,5 to even is thin") << "19,5" << "1" << "20" << "Poids normal" << 301;
        QTest::newRow("19,4 is thin") << "19,4" << "1" << "19" << "Maigreur" << 300;
        // Values worked out by hand.
        QTest::newRow("95 kg 1,62 m") << "95" << "1,62" << "36" << "Obésité" << 303;
        QTest::newRow("45 kg 1,7 m") << "45" << "1,7" << "16" << "Maigreur" << 300;
        QTest::newRow("120 kg 1,7 m") << "120" << "1,7" << "42" << "Obésité sévère" << 304;
        QTest::newRow("64 kg 1,70 m") << "64" << "1,70" << "22" << "Poids normal" << 301;
        QTest::newRow("87,5 kg 1,70 m") << "87,5" << "1,70" << "30" << "Surpoids" << 302;
        QTest::newRow("height 0") << "70" << "0" << "" << "" << 0;
        QTest::newRow("height 0,0") << "70" << "0,0" << "" << "" << 0;
        QTest::newRow("height empty") << "70" << "" << "" << "" << 0;
        QTest::newRow("weight empty") << "" << "1,75" << "" << "" << 0;
        QTest::newRow("weight not a number") << "7a" << "1,75" << "" << "" << 0;
        QTest::newRow("height not a number") << "70" << "1.75" << "" << "" << 0;
        QTest::newRow("overflowing quotient") << "1e300" << "1e-300" << "" << "" << 0;
    }

    void bmi()
    {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(QString, index);
        QFETCH(QString, classText);
        QFETCH(int, picture);
        const std::optional<Bmi::Result> result = Bmi::evaluate(weight, height);
        QCOMPARE(result.has_value(), !index.isEmpty());
        if (result) {
            QCOMPARE(result->indexText, index);
            QCOMPARE(result->classText, classText);
            QCOMPARE(int(result->picture), picture);
        }
    }

    void cockcroft_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("creatinine");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("60 y 70 kg 10 mg/l") << "60" << "70" << "10" << Mg
                                            << QStringList{"79,5", "67,6", Mild, Mild};
        QTest::newRow("60 y 70 kg 88 umol/l") << "60" << "70" << "88" << Umol
                                              << QStringList{"79,5", "67,6", Mild, Mild};
        QTest::newRow("40 y 80 kg 100 umol/l") << "40" << "80" << "100" << Umol
                                               << QStringList{"100", "85", Normal, Normal};
        // Values worked out by hand from (140 − age) × weight × 1.25 / creatinine.
        QTest::newRow("80 y 60 kg 120 umol/l") << "80" << "60" << "120" << Umol
                                               << QStringList{"37,5", "31,9", Moderate, Moderate};
        QTest::newRow("85 y 50 kg 200 umol/l") << "85" << "50" << "200" << Umol
                                               << QStringList{"17,2", "14,6", Severe, VerySevere};
        QTest::newRow("90 y 45 kg 300 umol/l") << "90" << "45" << "300" << Umol
                                               << QStringList{"9,4", "8", Extreme, Extreme};
        QTest::newRow("25 y 65 kg 70 umol/l") << "25" << "65" << "70" << Umol
                                              << QStringList{"133,5", "113,5", Normal, Normal};
        QTest::newRow("decimal entries") << "70" << "72,5" << "14,5" << Mg
                                         << QStringList{"49,7", "42,3", Moderate, Moderate};
        QTest::newRow("age 140") << "140" << "70" << "10" << Mg
                                 << QStringList{"0", "0", Extreme, Extreme};
        QTest::newRow("age over 140") << "150" << "70" << "10" << Mg
                                      << QStringList{"-9,9", "-8,5", Extreme, Extreme};
    }

    void cockcroft()
    {
        QFETCH(QString, age);
        QFETCH(QString, weight);
        QFETCH(QString, creatinine);
        QFETCH(int, unit);
        QFETCH(QStringList, results);
        const FormOutcome outcome = Cockcroft::evaluate(age, weight, creatinine, CreatinineUnit(unit));
        QVERIFY2(outcome.ok(), qPrintable(outcome.message));
        QCOMPARE(outcome.results, results);
    }

    void cockcroftRefusals_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("creatinine");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("all empty: age first") << "" << "" << "" << MissingAge << 0;
        QTest::newRow("age and weight empty") << "" << "" << "10" << MissingAge << 0;
        QTest::newRow("age not a number") << "6O" << "70" << "10" << MissingAge << 0;
        QTest::newRow("weight empty") << "60" << "" << "10" << "Renseignez le poids." << 1;
        QTest::newRow("creatinine empty") << "60" << "70" << "" << MissingCreatinine << 2;
        QTest::newRow("creatinine 0") << "60" << "70" << "0" << ZeroCreatinine << 2;
        QTest::newRow("creatinine 0,0") << "60" << "70" << "0,0" << ZeroCreatinine << 2;
        QTest::newRow("overflowing numerator") << "-1e300" << "1e300" << "10"
                                               << "Ces valeurs ne permettent pas de calculer la clairance."
                                               << -1;
        QTest::newRow("vanishing denominator") << "60" << "70" << "1e-320"
                                               << "Ces valeurs ne permettent pas de calculer la clairance."
                                               << -1;
    }

    void cockcroftRefusals()
    {
        QFETCH(QString, age);
        QFETCH(QString, weight);
        QFETCH(QString, creatinine);
        QFETCH(QString, message);
        QFETCH(int, field);
        const FormOutcome outcome =
            Cockcroft::evaluate(age, weight, creatinine, CreatinineUnit::MilligramPerLitre);
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.focusField, field);
        QVERIFY(!outcome.clearResults);
        QVERIFY(outcome.results.isEmpty());
    }

    void cockcroftClosedForm_data()
    {
        QTest::addColumn<double>("age");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("micromoles");
        QTest::newRow("young") << 20.0 << 55.0 << 60.0;
        QTest::newRow("old") << 95.0 << 48.0 << 180.0;
        QTest::newRow("heavy") << 50.0 << 130.0 << 95.0;
    }

    // The mg/l entry must give the same clearance as the µmol/l one, and both the
    // documented closed form.
    void cockcroftClosedForm()
    {
        QFETCH(double, age);
        QFETCH(double, weight);
        QFETCH(double, micromoles);
        const double expected = (140 - age) * weight * 1.25 / micromoles;
        const double fromMicromoles =
            Cockcroft::manClearance(age, weight, micromoles, CreatinineUnit::MicromolePerLitre);
        const double fromMilligrams =
            Cockcroft::manClearance(age, weight, micromoles / 8.8, CreatinineUnit::MilligramPerLitre);
        QVERIFY(std::fabs(fromMicromoles - expected) < 1e-9 * expected);
        QVERIFY(std::fabs(fromMilligrams - expected) < 1e-9 * expected);
        QVERIFY(std::fabs(Cockcroft::womanClearance(fromMicromoles) - 0.85 * expected) < 1e-9 * expected);
    }

    void mdrd_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("creatinine");
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("african");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("60 y 10 mg/l") << "60" << "10" << Mg << false
                                      << QStringList{"81,4", "60,4", Normal, Mild};
        QTest::newRow("60 y 88,4 umol/l") << "60" << "88,4" << Umol << false
                                          << QStringList{"81,4", "60,4", Normal, Mild};
        QTest::newRow("60 y 10 mg/l African") << "60" << "10" << Mg << true
                                              << QStringList{"98,5", "73,1", Normal, Mild};
        QTest::newRow("75 y 20 mg/l") << "75" << "20" << Mg << false
                                      << QStringList{"35", "25,9", Moderate, Severe};
        // Values computed separately from the closed form.
        QTest::newRow("70 y 15 mg/l") << "70" << "15" << Mg << false
                                      << QStringList{"49,4", "36,7", Moderate, Moderate};
        QTest::newRow("45 y 8 mg/l African") << "45" << "8" << Mg << true
                                             << QStringList{"135,1", "100,2", Normal, Normal};
        QTest::newRow("30 y 309,4 umol/l") << "30" << "309,4" << Umol << false
                                           << QStringList{"22,1", "16,4", Severe, Severe};
    }

    void mdrd()
    {
        QFETCH(QString, age);
        QFETCH(QString, creatinine);
        QFETCH(int, unit);
        QFETCH(bool, african);
        QFETCH(QStringList, results);
        const FormOutcome outcome = Mdrd::evaluate(age, creatinine, CreatinineUnit(unit), african);
        QVERIFY2(outcome.ok(), qPrintable(outcome.message));
        QCOMPARE(outcome.results, results);
    }

    void mdrdRefusals_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("creatinine");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("both empty: age first") << "" << "" << MissingAge << 0;
        QTest::newRow("creatinine empty") << "60" << "" << MissingCreatinine << 1;
        QTest::newRow("creatinine 0") << "60" << "0" << ZeroCreatinine << 1;
        QTest::newRow("creatinine 0,0") << "60" << "0,0" << ZeroCreatinine << 1;
        QTest::newRow("age 0") << "0" << "10" << "L'âge doit être supérieur à zéro." << 0;
        QTest::newRow("negative age") << "-5" << "10" << "L'âge doit être supérieur à zéro." << 0;
        QTest::newRow("negative creatinine")
            << "60" << "-10" << "La valeur de la créatininémie ne doit pas être négative." << 1;
        QTest::newRow("overflowing rate") << "1e-300" << "1e-300"
                                          << "Ces valeurs ne permettent pas de calculer la clairance."
                                          << -1;
    }

    void mdrdRefusals()
    {
        QFETCH(QString, age);
        QFETCH(QString, creatinine);
        QFETCH(QString, message);
        QFETCH(int, field);
        const FormOutcome outcome =
            Mdrd::evaluate(age, creatinine, CreatinineUnit::MilligramPerLitre, false);
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.focusField, field);
        QVERIFY(outcome.results.isEmpty());
    }

    void friedewald_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("triglycerides");
        QTest::addColumn<QString>("hdl");
        QTest::addColumn<bool>("millimoles");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("2,2 1 0,5 g/l") << "2,2" << "1" << "0,5" << false << QStringList{"1,5", "3,87", "1,7", "4,39"};
        QTest::newRow("limit is inclusive") << "2,5" << "5" << "0,5" << false
                                            << QStringList{"1", "2,58", "2", "5,16"};
        QTest::newRow("6 5,71 1,2 mmol/l") << "6" << "5,71" << "1,2" << true
                                           << QStringList{"0,86", "2,22", "1,86", "4,8"};
        QTest::newRow("minus sign ignored") << "-2,2" << "1" << "0,5" << false
                                            << QStringList{"1,5", "3,87", "1,7", "4,39"};
        QTest::newRow("negative LDL shown") << "1" << "2" << "0,9" << false
                                            << QStringList{"-0,3", "-0,77", "0,1", "0,26"};
        // Worked out by hand: 2.0124 − (1.3125 / 5 + 0.4644) = 1.2855.
        QTest::newRow("5,2 1,5 1,2 mmol/l") << "5,2" << "1,5" << "1,2" << true
                                            << QStringList{"1,29", "3,33", "1,55", "4"};
        // 2.4 − (1.6 / 5 + 0.55) = 1.53; 1.53 × 2.58 = 3.9474.
        QTest::newRow("2,4 1,6 0,55 g/l") << "2,4" << "1,6" << "0,55" << false
                                          << QStringList{"1,53", "3,95", "1,85", "4,77"};
    }

    void friedewald()
    {
        QFETCH(QString, total);
        QFETCH(QString, triglycerides);
        QFETCH(QString, hdl);
        QFETCH(bool, millimoles);
        QFETCH(QStringList, results);
        const FormOutcome outcome = Friedewald::evaluate(
            total, triglycerides, hdl,
            millimoles ? Friedewald::Unit::MillimolePerLitre : Friedewald::Unit::GramPerLitre);
        QVERIFY2(outcome.ok(), qPrintable(outcome.message));
        QCOMPARE(outcome.results, results);
    }

    void friedewaldRefusals_data()
    {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("triglycerides");
        QTest::addColumn<QString>("hdl");
        QTest::addColumn<bool>("millimoles");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        QTest::addColumn<QStringList>("results"); // empty: the results shown stay
        QTest::newRow("all empty: total first") << "" << "" << "" << false
                                                << "Renseignez le cholestérol total." << 0 << QStringList{};
        QTest::newRow("triglycerides empty") << "2" << "" << "" << false
                                             << "Renseignez les triglycérides." << 1 << QStringList{};
        QTest::newRow("hdl empty") << "2" << "1" << "" << false
                                   << "Renseignez le HDL-Cholestérol." << 2 << QStringList{};
        QTest::newRow("hdl not a number") << "2" << "1" << "0.5" << false
                                          << "Renseignez le HDL-Cholestérol." << 2 << QStringList{};
        // Over the limit the LDL is blanked; the non-HDL cholesterol does not need the triglycerides.
        QTest::newRow("5,01 g/l refused") << "2,5" << "5,01" << "0,5" << false << TriglyceridesTooHigh << -1
                                          << QStringList{"", "", "2", "5,16"};
        QTest::newRow("5,72 mmol/l refused") << "6" << "5,72" << "1,2" << true << TriglyceridesTooHigh << -1
                                             << QStringList{"", "", "1,86", "4,8"};
        QTest::newRow("negative triglycerides over the limit") << "6" << "-6" << "1" << false << TriglyceridesTooHigh
                                                               << -1 << QStringList{"", "", "5", "12,9"};
        QTest::newRow("beyond single precision") << "1e40" << "1" << "1" << false
                                                 << "Cette valeur est trop grande." << 0 << QStringList{};
    }

    void friedewaldRefusals()
    {
        QFETCH(QString, total);
        QFETCH(QString, triglycerides);
        QFETCH(QString, hdl);
        QFETCH(bool, millimoles);
        QFETCH(QString, message);
        QFETCH(int, field);
        QFETCH(QStringList, results);
        const FormOutcome outcome = Friedewald::evaluate(
            total, triglycerides, hdl,
            millimoles ? Friedewald::Unit::MillimolePerLitre : Friedewald::Unit::GramPerLitre);
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.focusField, field);
        QCOMPARE(outcome.clearResults, !results.isEmpty());
        QCOMPARE(outcome.results, results);
    }

    void bmiWho_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("whoClass");
        QTest::newRow("87,5 kg 1,70 m") << "87,5" << "1,70" << "30,3" << "obésité modérée (classe I)";
        QTest::newRow("70 kg 1,75 m") << "70" << "1,75" << "22,9" << "corpulence normale";
        // With a height of 1 m the index is the weight.
        QTest::newRow("18,4") << "18,4" << "1" << "18,4" << "insuffisance pondérale";
        QTest::newRow("18,5") << "18,5" << "1" << "18,5" << "corpulence normale";
        QTest::newRow("24,9") << "24,9" << "1" << "24,9" << "corpulence normale";
        QTest::newRow("25") << "25" << "1" << "25" << "surpoids";
        QTest::newRow("29,96 shows 30") << "29,96" << "1" << "30" << "obésité modérée (classe I)";
        QTest::newRow("34,9") << "34,9" << "1" << "34,9" << "obésité modérée (classe I)";
        QTest::newRow("35") << "35" << "1" << "35" << "obésité sévère (classe II)";
        QTest::newRow("39,9") << "39,9" << "1" << "39,9" << "obésité sévère (classe II)";
        QTest::newRow("40") << "40" << "1" << "40" << "obésité morbide (classe III)";
    }

    void bmiWho()
    {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(QString, index);
        QFETCH(QString, whoClass);
        const std::optional<Bmi::Result> result = Bmi::evaluate(weight, height);
        QVERIFY(result);
        QCOMPARE(result->oneDecimalText, index);
        QCOMPARE(result->whoClassText, whoClass);
    }

    void ckdEpi_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("creatinine");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("woman 60 y 80") << "60" << Woman << "80" << Umol << "" << "" << QStringList{"69", G2, "", ""};
        QTest::newRow("man 60 y 80") << "60" << Man << "80" << Umol << "" << "" << QStringList{"92", G1, "", ""};
        QTest::newRow("man 75 y 150") << "75" << Man << "150" << Umol << "" << "" << QStringList{"39", G3b, "", ""};
        // 14,6 is shown 15: the stage follows the number shown.
        QTest::newRow("woman 85 y 250") << "85" << Woman << "250" << Umol << "" << "" << QStringList{"15", G4, "", ""};
        QTest::newRow("man 175 cm 70 kg") << "60" << Man << "80" << Umol << "175" << "70"
                                          << QStringList{"92", G1, "1,84", "98"};
        QTest::newRow("woman 160 cm 55 kg") << "60" << Woman << "80" << Umol << "160" << "55"
                                            << QStringList{"69", G2, "1,56", "62,4"};
        // Values computed separately from the equation.
        QTest::newRow("woman 8 mg/l") << "60" << Woman << "8" << Mg << "" << "" << QStringList{"80", G2, "", ""};
        QTest::newRow("man 6 mg/l 180 cm 90 kg") << "30" << Man << "6" << Mg << "180" << "90"
                                                 << QStringList{"135", G1, "2,12", "165,4"};
        QTest::newRow("woman 45 y 60 165 cm 62 kg") << "45" << Woman << "60" << Umol << "165" << "62"
                                                    << QStringList{"106", G1, "1,69", "103"};
        QTest::newRow("man 70 y 400") << "70" << Man << "400" << Umol << "" << "" << QStringList{"12", G5, "", ""};
        QTest::newRow("man 50 y 110") << "50" << Man << "110" << Umol << "" << "" << QStringList{"67", G2, "", ""};
        QTest::newRow("height without weight") << "60" << Man << "80" << Umol << "175" << ""
                                               << QStringList{"92", G1, "", ""};
        QTest::newRow("weight not a number") << "60" << Man << "80" << Umol << "175" << "7O"
                                             << QStringList{"92", G1, "", ""};
    }

    void ckdEpi()
    {
        QFETCH(QString, age);
        QFETCH(int, sex);
        QFETCH(QString, creatinine);
        QFETCH(int, unit);
        QFETCH(QString, height);
        QFETCH(QString, weight);
        QFETCH(QStringList, results);
        const FormOutcome outcome =
            CkdEpi::evaluate(age, sexOf(sex), creatinine, CreatinineUnit(unit), height, weight);
        QVERIFY2(outcome.ok(), qPrintable(outcome.message));
        QCOMPARE(outcome.results, results);
    }

    void ckdEpiStage_data()
    {
        QTest::addColumn<double>("shown");
        QTest::addColumn<QString>("stage");
        const QList<std::pair<double, QString>> rows = {{120, G1}, {90, G1}, {89, G2}, {60, G2}, {59, G3a}, {45, G3a},
                                                        {44, G3b}, {30, G3b}, {29, G4}, {15, G4},  {14, G5},  {0, G5}};
        for (const auto &[shown, stage] : rows)
            QTest::addRow("%g", shown) << shown << stage;
    }

    void ckdEpiStage()
    {
        QFETCH(double, shown);
        QFETCH(QString, stage);
        QCOMPARE(CkdEpi::stage(shown), stage);
    }

    void ckdEpiRefusals_data()
    {
        QTest::addColumn<QString>("age");
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("creatinine");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        QTest::newRow("all missing: age first") << "" << NoSex << "" << MissingAge << 0;
        QTest::newRow("sex before creatinine") << "60" << NoSex << "" << "Précisez le sexe." << 1;
        QTest::newRow("creatinine empty") << "60" << Woman << "" << MissingCreatinine << 2;
        QTest::newRow("creatinine 0") << "60" << Man << "0" << ZeroCreatinine << 2;
        QTest::newRow("negative creatinine")
            << "60" << Man << "-80" << "La valeur de la créatininémie ne doit pas être négative." << 2;
        QTest::newRow("overflowing rate") << "-1e300" << Man << "80"
                                          << "Ces valeurs ne permettent pas de calculer le DFG." << -1;
    }

    void ckdEpiRefusals()
    {
        QFETCH(QString, age);
        QFETCH(int, sex);
        QFETCH(QString, creatinine);
        QFETCH(QString, message);
        QFETCH(int, field);
        const FormOutcome outcome =
            CkdEpi::evaluate(age, sexOf(sex), creatinine, CreatinineUnit::MicromolePerLitre, QString(), QString());
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.focusField, field);
        QVERIFY(outcome.results.isEmpty());
    }

    void warnings_data()
    {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("warning");
        QTest::newRow("plausible clearance") << "Cockcroft" << QStringList{"18", "350", "80"} << "";
        QTest::newRow("age 200, negative clearance")
            << "Cockcroft" << QStringList{"200", "70", "80"}
            << "Valeur inhabituelle : âge 200 ans." + Check
                   + "\nRésultat impossible : clairance négative (-65,6 ml/min)." + Check;
        QTest::newRow("weight 500") << "Cockcroft" << QStringList{"60", "500", "80"}
                                    << "Valeur inhabituelle : poids 500 kg." + Check;
        QTest::newRow("weight 1,9") << "Cockcroft" << QStringList{"60", "1,9", "80"}
                                    << "Valeur inhabituelle : poids 1,9 kg." + Check;
        QTest::newRow("negative creatinine")
            << "Cockcroft" << QStringList{"60", "70", "-80"}
            << "Valeur inhabituelle : créatininémie -80 µmol/l." + Check
                   + "\nRésultat impossible : clairance négative (-87,5 ml/min)." + Check;
        QTest::newRow("MDRD age 17") << "MDRD" << QStringList{"17", "10"}
                                     << "Valeur inhabituelle : âge 17 ans." + Check;
        QTest::newRow("MDRD age 1") << "MDRD" << QStringList{"1", "10"} << "Valeur inhabituelle : âge 1 an." + Check;
        QTest::newRow("MDRD age 120") << "MDRD" << QStringList{"120", "10"} << "";
        QTest::newRow("CKD-EPI age 121") << "CKD-EPI" << QStringList{"121", "80", "", ""}
                                         << "Valeur inhabituelle : âge 121 ans." + Check;
        QTest::newRow("CKD-EPI height in metres")
            << "CKD-EPI" << QStringList{"60", "80", "1,75", "70"}
            << "Valeur inhabituelle : taille 1,75 cm. La taille se saisit en centimètres (ex. 175).";
        QTest::newRow("CKD-EPI height 30 cm") << "CKD-EPI" << QStringList{"60", "80", "30", "70"}
                                              << "Valeur inhabituelle : taille 30 cm." + Check;
        QTest::newRow("CKD-EPI 40 cm 2 kg") << "CKD-EPI" << QStringList{"60", "80", "40", "2"} << "";
        QTest::newRow("CKD-EPI weight without height")
            << "CKD-EPI" << QStringList{"60", "80", "", "70"}
            << "Surface corporelle non calculée : renseignez la taille en cm et le poids en kg.";
        QTest::newRow("CKD-EPI neither height nor weight") << "CKD-EPI" << QStringList{"60", "80", "", ""} << "";
        QTest::newRow("height in centimetres")
            << "IMC" << QStringList{"70", "175"}
            << "Valeur inhabituelle : taille 175 m. La taille se saisit en mètres (ex. 1,75).";
        QTest::newRow("height 2,6 m") << "IMC" << QStringList{"70", "2,6"}
                                      << "Valeur inhabituelle : taille 2,6 m." + Check;
        QTest::newRow("height 0,39 m") << "IMC" << QStringList{"70", "0,39"}
                                       << "Valeur inhabituelle : taille 0,39 m." + Check;
        QTest::newRow("0,4 m 2,5 m") << "IMC" << QStringList{"2", "0,4"} << "";
        QTest::newRow("weight 0") << "IMC" << QStringList{"0", "2,5"} << "Valeur inhabituelle : poids 0 kg." + Check;
        QTest::newRow("HDL equals total, negative LDL")
            << "LDL" << QStringList{"1", "1", "1"}
            << "Valeur inhabituelle : HDL-cholestérol 1 g/l, supérieur ou égal au cholestérol total 1 g/l." + Check
                   + "\nRésultat impossible : LDL-cholestérol négatif (-0,2 g/l)." + Check;
        QTest::newRow("triglycerides 3,4") << "LDL" << QStringList{"2,5", "3,4", "0,5"} << "";
        QTest::newRow("triglycerides 3,41") << "LDL" << QStringList{"2,5", "3,41", "0,5"} << FriedewaldUnreliable;
        QTest::newRow("triglycerides 5") << "LDL" << QStringList{"2,5", "5", "0,5"} << FriedewaldUnreliable;
        QTest::newRow("triglycerides 3,89 mmol/l")
            << "LDL" << QStringList{"6", "3,89", "1,2", "mmol/l"} << FriedewaldUnreliable;
        QTest::newRow("HDL over total, LDL refused")
            << "LDL" << QStringList{"1", "6", "2"}
            << "Valeur inhabituelle : HDL-cholestérol 2 g/l, supérieur ou égal au cholestérol total 1 g/l." + Check;
    }

    void warnings()
    {
        QFETCH(QString, calculator);
        QFETCH(QStringList, inputs);
        QFETCH(QString, warning);
        QCOMPARE(warningOf(calculator, inputs), warning);
    }
};

QTEST_GUILESS_MAIN(TestMedFormulas)
#include "test_med_formulas.moc"
