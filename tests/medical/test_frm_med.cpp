#include "controls/ZmtCommonCommand.h"
#include "medical/FrmMed.h"
#include "support/ClickIndicator.h"
#include "support/ScriptedPrompt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {
struct Fixture
{
    ScriptedPrompt prompt;
    FrmMed window{&prompt};

    Fixture()
    {
        window.show();
        window.activateWindow();
    }
    QTabWidget *tabs() { return window.findChild<QTabWidget *>(QStringLiteral("tabMed")); }
    QLineEdit *field(const QString &name) { return window.findChild<QLineEdit *>(name); }
    QLabel *label(const QString &name) { return window.findChild<QLabel *>(name); }
    QRadioButton *option(const QString &name) { return window.findChild<QRadioButton *>(name); }
    QCheckBox *box(int i) { return window.findChild<QCheckBox *>(QStringLiteral("chkTabac(%1)").arg(i)); }
    ZmtCommonCommand *button(const QString &name) { return window.findChild<ZmtCommonCommand *>(name); }
    void showPage(int page)
    {
        tabs()->setCurrentIndex(page - 1);
        QApplication::processEvents();
    }
    void fill(const QStringList &names, const QStringList &texts)
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            field(names[i])->setText(texts[i]);
    }
    QStringList texts(const QStringList &labels)
    {
        QStringList result;
        for (const QString &name : labels)
            result.append(label(name)->text());
        return result;
    }
    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
};

const QStringList ClearanceFields = {"txtAge", "txtPoids", "txtCréat"};
const QStringList ClearanceResults = {"lblCréat(6)", "lblCréat(7)", "lblCréat(8)", "lblCréat(9)"};
const QStringList MdrdFields = {"txtAgeMDRD", "txtCréatMDRD"};
const QStringList MdrdResults = {"lblCréatMDRD(7)", "lblCréatMDRD(8)", "lblCréatMDRD(9)", "lblCréatMDRD(10)"};
const QStringList LdlFields = {"txtLDL(0)", "txtLDL(1)", "txtLDL(2)"};
const QStringList LdlResults = {"lblLDL(7)", "lblLDL(8)", "lblLDL(11)", "lblLDL(12)"};
const QStringList CkdFields = {"txtAgeCKD", "txtCréatCKD", "txtTailleCKD", "txtPoidsCKD"};
const QStringList CkdResults = {"lblCKD(8)", "lblCKD(9)", "lblCKD(12)", "lblCKD(14)"};
const QString StaleTip = QStringLiteral("Résultat à recalculer : les valeurs ont changé.");
} // namespace

class TestFrmMed : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        Fixture f;
        QCOMPARE(f.window.currentPage(), 1);
        QVERIFY(f.option("optCréat(0)")->isChecked());
        QVERIFY(f.option("optOrigineMDRD(0)")->isChecked());
        // The sex must be chosen: neither is at the start.
        QVERIFY(!f.option("optSexeCKD(0)")->isChecked());
        QVERIFY(!f.option("optSexeCKD(1)")->isChecked());
        // Choosing the page already shown changes nothing.
        f.tabs()->setCurrentIndex(0);
        QCOMPARE(f.window.currentPage(), 1);
    }

    void accessKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("page");
        QTest::newRow("M") << int(Qt::Key_M) << 2;
        QTest::newRow("I") << int(Qt::Key_I) << 3;
        QTest::newRow("L") << int(Qt::Key_L) << 4;
        QTest::newRow("F") << int(Qt::Key_F) << 5;
        QTest::newRow("D") << int(Qt::Key_D) << 6;
    }

    void accessKeys()
    {
        QFETCH(int, key);
        QFETCH(int, page);
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.field("txtAge")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QCOMPARE(f.window.currentPage(), page);
        QVERIFY(f.tabs()->currentWidget()->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(f.window.currentPage(), 1);
    }

    void decimalComma_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("height 1.75") << "txtIMC(1)" << "" << 0 << "1.75" << "1,75";
        QTest::newRow("middle of a number") << "txtIMC(0)" << "815" << 2 << "." << "81,5";
        QTest::newRow("age keeps its full stop") << "txtAge" << "" << 0 << "6.5" << "6.5";
        QTest::newRow("CKD-EPI weight") << "txtPoidsCKD" << "" << 0 << "62.5" << "62,5";
        QTest::newRow("MDRD age keeps its full stop") << "txtAgeMDRD" << "" << 0 << "6.5" << "6.5";
    }

    void decimalComma()
    {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        Fixture f;
        QLineEdit *field = f.field(name);
        QVERIFY(field);
        field->setText(before);
        field->setCursorPosition(caret);
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), after);
        if (typed == QLatin1String("."))
            QCOMPARE(field->cursorPosition(), int(after.size()));
    }

    void selectAllOnTab()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.field("txtPoids")->setText(QStringLiteral("72"));
        f.field("txtAge")->setFocus();
        QTest::keyClick(f.field("txtAge"), Qt::Key_Tab);
        QCOMPARE(f.focusName(), QStringLiteral("txtPoids"));
        QCOMPARE(f.field("txtPoids")->selectedText(), QStringLiteral("72"));
        QTest::keyClicks(f.field("txtPoids"), QStringLiteral("80"));
        QCOMPARE(f.field("txtPoids")->text(), QStringLiteral("80"));
    }

    void missingInput_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("valid");
        QTest::addColumn<QStringList>("entered");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("results");
        const QStringList goodClearance = {"60", "70", "10"};
        QTest::newRow("weight empty") << 1 << "rndCréat" << ClearanceFields << goodClearance
                                      << QStringList{"60", "", "10"} << "Renseignez le poids." << "txtPoids"
                                      << ClearanceResults;
        QTest::newRow("MDRD creatinine negative")
            << 2 << "rndCréatMDRD" << MdrdFields << QStringList{"60", "10"} << QStringList{"60", "-10"}
            << "La valeur de la créatininémie ne doit pas être négative." << "txtCréatMDRD" << MdrdResults;
        QTest::newRow("LDL triglycerides empty") << 4 << "rndLDL" << LdlFields << QStringList{"2,2", "1", "0,5"}
                                                 << QStringList{"2,2", "", "0,5"} << "Renseignez les triglycérides."
                                                 << "txtLDL(1)" << LdlResults;
        QTest::newRow("CKD-EPI sex not chosen") << 6 << "rndCréatCKD" << CkdFields << QStringList{"60", "8", "", ""}
                                                << QStringList{"60", "", "", ""} << "Précisez le sexe."
                                                << "optSexeCKD(0)" << CkdResults;
    }

    // The first missing field gets the message and the focus; shown results stay.
    void missingInput()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, valid);
        QFETCH(QStringList, entered);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QStringList, results);
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.showPage(page);
        f.fill(fields, valid);
        QRadioButton *woman = f.option("optSexeCKD(1)");
        if (page == 6)
            woman->click();
        f.button(button)->click();
        QVERIFY(f.prompt.messages.isEmpty());
        // The sex, once chosen, cannot be unchosen by the user: the test does it.
        if (message.contains(QStringLiteral("sexe")))
            woman->setChecked(false);
        const QStringList shown = f.texts(results);
        QVERIFY(!shown.first().isEmpty());

        f.fill(fields, entered);
        f.button(button)->setFocus();
        f.button(button)->click();
        QCOMPARE(f.prompt.messages, QStringList{message});
        QCOMPARE(f.focusName(), focus);
        QCOMPARE(f.texts(results), shown);
    }

    // One calculation per page, with its options, as the core computes it.
    void results_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("entered");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("expected");
        const QString normal = QStringLiteral("(Fonction rénale normale: 80 à 125)");
        QTest::newRow("clearance in mg/l") << 1 << "rndCréat" << ClearanceFields << QStringList{"40", "80", "100"}
                                           << QStringList{"optCréat(1)"} << ClearanceResults
                                           << QStringList{"100", "85", normal, normal};
        QTest::newRow("clearance in µmol/l") << 1 << "rndCréat" << ClearanceFields << QStringList{"40", "80", "100"}
                                             << QStringList() << QStringList{"lblCréat(6)"} << QStringList{"11,4"};
        QTest::newRow("MDRD, second origin")
            << 2 << "rndCréatMDRD" << MdrdFields << QStringList{"60", "10"} << QStringList{"optOrigineMDRD(1)"}
            << MdrdResults << QStringList{"98,5", "73,1", normal, "(Insuffisance rénale légère: 60 à 80)"};
        QTest::newRow("LDL") << 4 << "rndLDL" << LdlFields << QStringList{"2,5", "5", "0,5"} << QStringList()
                             << LdlResults << QStringList{"1", "2,58", "2", "5,16"};
        QTest::newRow("CKD-EPI woman") << 6 << "rndCréatCKD" << CkdFields << QStringList{"60", "80", "", ""}
                                       << QStringList{"optSexeCKD(1)", "optCréatCKD(1)"} << CkdResults
                                       << QStringList{"69", "Stade G2 : DFG légèrement diminué", "", ""};
        QTest::newRow("CKD-EPI man, 175 cm 70 kg") << 6 << "rndCréatCKD" << CkdFields
                                                   << QStringList{"60", "80", "175", "70"}
                                                   << QStringList{"optSexeCKD(0)", "optCréatCKD(1)"} << CkdResults
                                                   << QStringList{"92", "Stade G1 : DFG normal ou élevé", "1,84", "98"};
    }

    void results()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, entered);
        QFETCH(QStringList, options);
        QFETCH(QStringList, results);
        QFETCH(QStringList, expected);
        Fixture f;
        f.showPage(page);
        f.fill(fields, entered);
        for (const QString &option : std::as_const(options))
            QTest::mouseClick(f.option(option), Qt::LeftButton);
        QCOMPARE(f.texts(results), QStringList(results.size()));
        QTest::mouseClick(f.button(button), Qt::LeftButton);
        QVERIFY(f.prompt.messages.isEmpty());
        QCOMPARE(f.texts(results), expected);
    }

    void ldlLimitClearsResults()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.showPage(4);
        f.fill(LdlFields, {"2,5", "5", "0,5"});
        f.button("rndLDL")->click();
        QCOMPARE(f.label("lblAlerte(4)")->text(),
                 QStringLiteral("Formule de Friedewald peu fiable au-delà de 3,4 g/l de triglycérides : "
                                "préférez un dosage direct du LDL."));
        f.fill(LdlFields, {"2,5", "5,01", "0,5"});
        f.button("rndLDL")->setFocus();
        f.button("rndLDL")->click();
        QCOMPARE(f.prompt.messages,
                 QStringList{QStringLiteral("Triglycérides supérieurs à 5 g/l.\r\nCalcul du LDL impossible.")});
        // The non-HDL cholesterol does not depend on the triglycerides and stays.
        QCOMPARE(f.texts(LdlResults), (QStringList{"", "", "2", "5,16"}));
        QCOMPARE(f.focusName(), QStringLiteral("rndLDL"));
    }

    // The index follows every key typed, with its class and picture.
    void bmiLive()
    {
        Fixture f;
        f.showPage(3);
        QLabel *picture = f.label("imaIMC");
        QTest::keyClicks(f.field("txtIMC(0)"), QStringLiteral("70"));
        QCOMPARE(f.label("lblIMC(3)")->text(), QString());
        QTest::keyClicks(f.field("txtIMC(1)"), QStringLiteral("1.75"));
        QCOMPARE(f.texts({"lblIMC(3)", "lblIMC(5)", "lblIMC(7)", "lblIMC(8)"}),
                 (QStringList{"23", "Poids normal", "22,9", "corpulence normale"}));
        QCOMPARE(picture->property("picture").toInt(), 301);
        QCOMPARE(picture->pixmap().size(), QSize(50, 80));
        f.field("txtIMC(1)")->setText(QStringLiteral("0"));
        QCOMPARE(f.texts({"lblIMC(3)", "lblIMC(5)"}), (QStringList{"", ""}));
        QVERIFY(picture->pixmap().isNull());
    }

    // One answer per question; the score and its reading follow each click.
    void tobaccoClicks()
    {
        Fixture f;
        f.showPage(5);
        clickIndicator(f.box(2));
        clickIndicator(f.box(1));
        QVERIFY(!f.box(2)->isChecked());
        QCOMPARE(f.texts({"lblTabac(1)", "lblTabac(2)"}), (QStringList{"1", "(pas ou peu de dépendance)"}));
        for (int box : {5, 8, 9, 11})
            f.box(box)->click();
        QCOMPARE(f.window.tobaccoScore(), quint8(8));
        QCOMPARE(f.label("lblTabac(2)")->text(), QStringLiteral("(forte dépendance)"));
        f.box(11)->click(); // withdrawn
        QCOMPARE(f.texts({"lblTabac(1)", "lblTabac(2)"}), (QStringList{"6", "(dépendance)"}));
    }

    void tobaccoLayout_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("DejaVu Sans") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Liberation Sans") << QStringLiteral("Liberation Sans");
    }

    // The answers are wide in some fonts: no answer may cover a question or another
    // answer, and none may be cut.
    void tobaccoLayout()
    {
        QFETCH(QString, family);
        if (!QFontDatabase::hasFamily(family))
            QSKIP("font not installed");
        const QFont saved = QApplication::font();
        QFont font = saved;
        font.setFamilies({family});
        QApplication::setFont(font);
        Fixture f;
        f.showPage(5);
        QApplication::setFont(saved);
        QWidget *page = f.tabs()->currentWidget();
        QList<QWidget *> widgets;
        for (QLabel *question : page->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lblTabacTitre")))) {
            QVERIFY2(question->height() >= question->heightForWidth(question->width()), qPrintable(question->text()));
            widgets.append(question);
        }
        for (QCheckBox *answer : page->findChildren<QCheckBox *>()) {
            QVERIFY2(answer->width() >= answer->sizeHint().width(), qPrintable(answer->text()));
            widgets.append(answer);
        }
        QCOMPARE(widgets.size(), 8 + 20);
        for (qsizetype i = 0; i < widgets.size(); ++i) {
            const QRect r(widgets[i]->mapTo(page, QPoint()), widgets[i]->size());
            QVERIFY2(page->rect().contains(r), qPrintable(widgets[i]->objectName()));
            for (qsizetype j = i + 1; j < widgets.size(); ++j) {
                const QRect other(widgets[j]->mapTo(page, QPoint()), widgets[j]->size());
                QVERIFY2(!r.intersects(other), qPrintable(widgets[i]->objectName() + " / " + widgets[j]->objectName()));
            }
        }
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("clearance") << 1
                                   << QStringList{"txtAge", "txtPoids", "txtCréat", "optCréat(0)", "optCréat(1)",
                                                  "rndCréat"};
        QTest::newRow("MDRD") << 2
                              << QStringList{"txtAgeMDRD", "txtCréatMDRD", "optCréatMDRD(0)", "optCréatMDRD(1)",
                                             "optOrigineMDRD(0)", "optOrigineMDRD(1)", "rndCréatMDRD"};
        QTest::newRow("BMI") << 3 << QStringList{"txtIMC(0)", "txtIMC(1)"};
        QTest::newRow("LDL") << 4
                             << QStringList{"txtLDL(0)", "txtLDL(1)", "txtLDL(2)", "optLDL(0)", "optLDL(1)", "rndLDL"};
        QStringList boxes;
        for (int i = 0; i < 20; ++i)
            boxes.append(QStringLiteral("chkTabac(%1)").arg(i));
        QTest::newRow("tobacco") << 5 << boxes;
        QTest::newRow("CKD-EPI") << 6
                                 << QStringList{"txtAgeCKD", "optSexeCKD(0)", "optSexeCKD(1)", "txtCréatCKD",
                                                "optCréatCKD(0)", "optCréatCKD(1)", "txtTailleCKD", "txtPoidsCKD",
                                                "rndCréatCKD"};
    }

    // From the tab strip, Tab walks through every control of the page in reading order.
    void tabOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.showPage(page);
        f.tabs()->tabBar()->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(f.focusName());
        }
        QCOMPARE(visited, order);
    }

    void staleResults_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("entered");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QString>("change"); // a field, or an option to choose
        QTest::addColumn<QString>("back");   // the new text of that field, or the option that undoes the change
        QTest::newRow("clearance weight") << 1 << "rndCréat" << ClearanceFields << QStringList{"60", "70", "10"}
                                          << ClearanceResults << "txtPoids" << "71";
        QTest::newRow("MDRD origin") << 2 << "rndCréatMDRD" << MdrdFields << QStringList{"60", "10"} << MdrdResults
                                     << "optOrigineMDRD(1)" << "optOrigineMDRD(0)";
        QTest::newRow("clearance unit") << 1 << "rndCréat" << ClearanceFields << QStringList{"60", "70", "10"}
                                        << ClearanceResults << "optCréat(1)" << "optCréat(0)";
        QTest::newRow("LDL unit") << 4 << "rndLDL" << LdlFields << QStringList{"2,2", "1", "0,5"} << LdlResults
                                  << "optLDL(1)" << "optLDL(0)";
        QTest::newRow("CKD-EPI height") << 6 << "rndCréatCKD" << CkdFields << QStringList{"60", "8", "175", "70"}
                                        << CkdResults << "txtTailleCKD" << "180";
    }

    // A change of any input greys the results it made; going back or calculating again restores them.
    void staleResults()
    {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, entered);
        QFETCH(QStringList, results);
        QFETCH(QString, change);
        QFETCH(QString, back);
        Fixture f;
        f.showPage(page);
        f.fill(fields, entered);
        if (page == 6)
            f.option("optSexeCKD(1)")->click();
        f.button(button)->click();
        QVERIFY(f.prompt.messages.isEmpty());
        QLabel *value = f.label(results.first());
        const QColor fresh = value->palette().color(QPalette::WindowText);
        const auto expectStale = [&](bool stale) {
            for (const QString &name : results) {
                QLabel *label = f.label(name);
                if (label->text().isEmpty())
                    continue;
                QCOMPARE(label->toolTip(), stale ? StaleTip : QString());
            }
            QCOMPARE(value->palette().color(QPalette::WindowText) != fresh, stale);
        };
        expectStale(false);

        QLineEdit *field = f.field(change);
        const QString original = field ? field->text() : QString();
        const auto makeChange = [&] {
            if (field)
                field->setText(back);
            else
                f.option(change)->click();
        };
        makeChange();
        expectStale(true);
        if (field)
            field->setText(original);
        else
            f.option(back)->click();
        expectStale(false);
        makeChange();
        expectStale(true);
        f.button(button)->click();
        expectStale(false);
    }

    // Unlikely values are computed and named on the page's warning line until a calculation without any.
    void warningLine()
    {
        Fixture f;
        QLabel *warning = f.label("lblAlerte(1)");
        QVERIFY(warning->isHidden());
        f.fill(ClearanceFields, {"200", "70", "10"});
        f.button("rndCréat")->click();
        QVERIFY(f.prompt.messages.isEmpty());
        QCOMPARE(f.label("lblCréat(6)")->text(), QStringLiteral("-59,7"));
        QVERIFY(warning->isVisible());
        QVERIFY(warning->text().startsWith(QStringLiteral("Valeur inhabituelle : âge 200 ans. Vérifiez la saisie.")));
        // A refused calculation leaves the warning of the results still shown.
        f.field("txtAge")->clear();
        f.button("rndCréat")->click();
        QVERIFY(warning->isVisible());
        f.fill(ClearanceFields, {"60", "70", "10"});
        f.button("rndCréat")->click();
        QVERIFY(warning->isHidden());

        f.showPage(3);
        f.fill({"txtIMC(0)", "txtIMC(1)"}, {"70", "175"});
        QCOMPARE(f.label("lblAlerte(3)")->text(),
                 QStringLiteral("Valeur inhabituelle : taille 175 m. La taille se saisit en mètres (ex. 1,75)."));
        f.field("txtIMC(1)")->setText(QStringLiteral("1,75"));
        QVERIFY(f.label("lblAlerte(3)")->isHidden());
        f.field("txtIMC(0)")->setText(QStringLiteral("500"));
        QVERIFY(f.label("lblAlerte(3)")->isVisible());
        // A blank result takes its warning and its WHO class along.
        f.field("txtIMC(1)")->clear();
        QCOMPARE(f.texts({"lblIMC(7)", "lblIMC(8)"}), (QStringList{"", ""}));
        QVERIFY(f.label("lblAlerte(3)")->isHidden());
    }
};

QTEST_MAIN(TestFrmMed)
#include "test_frm_med.moc"
