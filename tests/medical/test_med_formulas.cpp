#include "medical/Bmi.h"
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

class TestMedFormulas : public QObject
{
    Q_OBJECT
private slots:
    void renalClass_data();
    void renalClass();
    void bmi_data();
    void bmi();
    void cockcroft_data();
    void cockcroft();
    void cockcroftRefusals_data();
    void cockcroftRefusals();
    void cockcroftClosedForm_data();
    void cockcroftClosedForm();
    void mdrd_data();
    void mdrd();
    void mdrdRefusals_data();
    void mdrdRefusals();
    void friedewald_data();
    void friedewald();
    void friedewaldRefusals_data();
    void friedewaldRefusals();
};

void TestMedFormulas::renalClass_data()
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

void TestMedFormulas::renalClass()
{
    QFETCH(double, shown);
    QFETCH(QString, text);
    QCOMPARE(RenalClass::text(shown), text);
}

void TestMedFormulas::bmi_data()
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
    QTest::newRow("height 0") << "70" << "0" << "" << "" << 0;
    QTest::newRow("height 0,0") << "70" << "0,0" << "" << "" << 0;
    QTest::newRow("height empty") << "70" << "" << "" << "" << 0;
    QTest::newRow("weight empty") << "" << "1,75" << "" << "" << 0;
    QTest::newRow("weight not a number") << "7a" << "1,75" << "" << "" << 0;
    QTest::newRow("height not a number") << "70" << "1.75" << "" << "" << 0;
    QTest::newRow("overflowing quotient") << "1e300" << "1e-300" << "" << "" << 0;
}

void TestMedFormulas::bmi()
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
        QCOMPARE(result->picture, picture);
    }
}

void TestMedFormulas::cockcroft_data()
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

void TestMedFormulas::cockcroft()
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

void TestMedFormulas::cockcroftRefusals_data()
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

void TestMedFormulas::cockcroftRefusals()
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

void TestMedFormulas::cockcroftClosedForm_data()
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
void TestMedFormulas::cockcroftClosedForm()
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

void TestMedFormulas::mdrd_data()
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

void TestMedFormulas::mdrd()
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

void TestMedFormulas::mdrdRefusals_data()
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

void TestMedFormulas::mdrdRefusals()
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

void TestMedFormulas::friedewald_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("triglycerides");
    QTest::addColumn<QString>("hdl");
    QTest::addColumn<bool>("millimoles");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("2,2 1 0,5 g/l") << "2,2" << "1" << "0,5" << false << QStringList{"1,5", "3,87"};
    QTest::newRow("limit is inclusive") << "2,5" << "5" << "0,5" << false
                                        << QStringList{"1", "2,58"};
    QTest::newRow("6 5,71 1,2 mmol/l") << "6" << "5,71" << "1,2" << true
                                       << QStringList{"0,86", "2,22"};
    QTest::newRow("minus sign ignored") << "-2,2" << "1" << "0,5" << false
                                        << QStringList{"1,5", "3,87"};
    QTest::newRow("negative LDL shown") << "1" << "2" << "0,9" << false
                                        << QStringList{"-0,3", "-0,77"};
    // Worked out by hand: 2.0124 − (1.3125 / 5 + 0.4644) = 1.2855.
    QTest::newRow("5,2 1,5 1,2 mmol/l") << "5,2" << "1,5" << "1,2" << true
                                        << QStringList{"1,29", "3,33"};
    // 2.4 − (1.6 / 5 + 0.55) = 1.53; 1.53 × 2.58 = 3.9474.
    QTest::newRow("2,4 1,6 0,55 g/l") << "2,4" << "1,6" << "0,55" << false
                                      << QStringList{"1,53", "3,95"};
}

void TestMedFormulas::friedewald()
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

void TestMedFormulas::friedewaldRefusals_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("triglycerides");
    QTest::addColumn<QString>("hdl");
    QTest::addColumn<bool>("millimoles");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("clears");
    QTest::newRow("all empty: total first") << "" << "" << "" << false
                                            << "Renseignez le cholestérol total." << 0 << false;
    QTest::newRow("triglycerides empty") << "2" << "" << "" << false
                                         << "Renseignez les triglycérides." << 1 << false;
    QTest::newRow("hdl empty") << "2" << "1" << "" << false
                               << "Renseignez le HDL-Cholestérol." << 2 << false;
    QTest::newRow("hdl not a number") << "2" << "1" << "0.5" << false
                                      << "Renseignez le HDL-Cholestérol." << 2 << false;
    QTest::newRow("5,01 g/l refused") << "2,5" << "5,01" << "0,5" << false
                                      << TriglyceridesTooHigh << -1 << true;
    QTest::newRow("5,72 mmol/l refused") << "6" << "5,72" << "1,2" << true
                                         << TriglyceridesTooHigh << -1 << true;
    QTest::newRow("negative triglycerides over the limit") << "6" << "-6" << "1" << false
                                                           << TriglyceridesTooHigh << -1 << true;
    QTest::newRow("beyond single precision") << "1e40" << "1" << "1" << false
                                             << "Cette valeur est trop grande." << 0 << false;
}

void TestMedFormulas::friedewaldRefusals()
{
    QFETCH(QString, total);
    QFETCH(QString, triglycerides);
    QFETCH(QString, hdl);
    QFETCH(bool, millimoles);
    QFETCH(QString, message);
    QFETCH(int, field);
    QFETCH(bool, clears);
    const FormOutcome outcome = Friedewald::evaluate(
        total, triglycerides, hdl,
        millimoles ? Friedewald::Unit::MillimolePerLitre : Friedewald::Unit::GramPerLitre);
    QCOMPARE(outcome.message, message);
    QCOMPARE(outcome.focusField, field);
    QCOMPARE(outcome.clearResults, clears);
    QVERIFY(outcome.results.isEmpty());
}

QTEST_GUILESS_MAIN(TestMedFormulas)
#include "test_med_formulas.moc"
