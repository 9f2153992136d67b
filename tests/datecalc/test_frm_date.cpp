#include "controls/Calendar.h"
#include "datecalc/FrmDate.h"
#include "support/ScriptedPrompt.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

QString shown(const QString &text)
{
    QString out = text;
    return out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The window with handles on its controls.
struct Window
{
    Window()
        : frm(prompt)
    {
        frm.show();
        QApplication::setActiveWindow(&frm);
    }
    template <typename T> T *get(const QString &name) const
    {
        T *child = frm.findChild<T *>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    Calendar *depart() const { return get<Calendar>(QStringLiteral("calDépart")); }
    Calendar *arrivee() const { return get<Calendar>(QStringLiteral("calArrivée")); }
    QLineEdit *field(int i) const { return get<QLineEdit>(QStringLiteral("txtIntervalle%1").arg(i)); }
    QLabel *lbl(const QString &name) const { return get<QLabel>(name); }
    void click(const QString &button) const { get<QPushButton>(button)->click(); }
    // Replaces the field's text as a user would: select all, type.
    void type(int i, const QString &text) const
    {
        QLineEdit *edit = field(i);
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    ScriptedPrompt prompt;
    FrmDate frm;
};

const QDate Today = QDate::currentDate();
const QString NoInterval = QStringLiteral("0 année(s) 0 mois et 0 jour(s)\nsoit 0 mois et 0 jour(s)\nsoit 0 jour(s)");

} // namespace

class TestFrmDate : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void opensWithoutMode()
    {
        Window w;
        QCOMPARE(w.frm.windowTitle(), QStringLiteral("Calculateur de dates"));
        QCOMPARE(w.frm.mode(), DateCalcMode::None);
        QCOMPARE(w.frm.size(), QSize(556, 378));
        QVERIFY(w.get<QPushButton>("cmdMenu0")->isVisible() && w.get<QPushButton>("cmdMenu1")->isVisible());
        QVERIFY(w.lbl("lblInstruction")->text().isEmpty());
        for (const char *hidden : {"lblChoisi", "lblRésultat0", "lblRésultat1", "lblExplication", "lblIntervalle0",
                                   "calDépart", "calArrivée", "txtIntervalle0", "cmdExplication"})
            QVERIFY2(!w.get<QWidget>(QString::fromUtf8(hidden))->isVisible(), hidden);
        QCOMPARE(w.depart()->value(), Today);
        QCOMPARE(w.arrivee()->value(), Today);
        QCOMPARE(w.depart()->titleBackColor(), 0x808000u);
        QCOMPARE(w.depart()->borderStyle(), 1);
        saveShot(w.frm, QStringLiteral("frmdate-start"));
    }

    void dateMode()
    {
        Window w;
        w.click("cmdMenu0");
        QCOMPARE(w.frm.mode(), DateCalcMode::Date);
        QCOMPARE(w.lbl("lblChoisi")->text(), QStringLiteral("Calcul d'une date à partir d'une date"));
        QCOMPARE(w.lbl("lblInstruction")->text(), shown(FrmDate::dateInstruction()));
        QVERIFY(w.depart()->isVisible() && w.arrivee()->isVisible());
        QVERIFY(w.depart()->isEnabled());
        QVERIFY(!w.arrivee()->isEnabled());
        QVERIFY(w.get<QRadioButton>("optIntervalle0")->isChecked());
        for (int i = 0; i < 3; ++i) {
            QVERIFY(w.field(i)->isVisible());
            QCOMPARE(w.field(i)->text(), QStringLiteral("0"));
        }
        QVERIFY(!w.lbl("lblRésultat1")->isVisible());
        QVERIFY(w.depart()->hasFocus());

        w.depart()->setValue(QDate(2011, 1, 31));
        QCOMPARE(w.arrivee()->value(), Today); // the window's own assignment does not recompute
        w.type(1, "1");
        QCOMPARE(w.arrivee()->value(), QDate(2011, 2, 28));
        w.type(2, "1");
        QCOMPARE(w.arrivee()->value(), QDate(2011, 3, 1));
        w.get<QRadioButton>("optIntervalle1")->click();
        QCOMPARE(w.arrivee()->value(), QDate(2010, 12, 30));
        QTest::keyClick(w.depart(), Qt::Key_Right);
        QCOMPARE(w.depart()->value(), QDate(2011, 2, 1));
        QCOMPARE(w.arrivee()->value(), QDate(2010, 12, 31));
        QVERIFY(w.prompt.messages.isEmpty());
        saveShot(w.frm, QStringLiteral("frmdate-date"));
    }

    void fieldRules_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("target");
        QTest::newRow("negative") << "-3" << "-3" << QDate(2011, 1, 7);
        QTest::newRow("decimal comma") << "1,5" << "1" << QDate(2011, 1, 11);
        QTest::newRow("letters refused") << "4x" << "7" << QDate(2011, 1, 17);
        QTest::newRow("emptied") << "" << "0" << QDate(2011, 1, 10);
    }
    void fieldRules()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QDate, target);
        Window w;
        w.click("cmdMenu0");
        w.depart()->setValue(QDate(2011, 1, 10));
        w.type(2, "7");
        // Pasted over the whole text, as one change.
        w.field(2)->selectAll();
        w.field(2)->insert(typed);
        QCOMPARE(w.field(2)->text(), text);
        QCOMPARE(w.arrivee()->value(), target);
    }

    // Keys typed one by one: a minus before the digits counts, a lone minus
    // or a letter is refused and the caret stays where it was.
    void typedKeys()
    {
        Window w;
        w.click("cmdMenu0");
        w.depart()->setValue(QDate(2011, 1, 10));
        QLineEdit *days = w.field(2);
        w.type(2, "3");
        days->home(false);
        QTest::keyClicks(days, "-");
        QCOMPARE(days->text(), QStringLiteral("-3"));
        QCOMPARE(w.arrivee()->value(), QDate(2011, 1, 7));
        w.type(2, "-");
        QCOMPARE(days->text(), QStringLiteral("-3"));
        w.type(2, "12");
        days->setCursorPosition(1);
        QTest::keyClicks(days, "a");
        QCOMPARE(days->text(), QStringLiteral("12"));
        QCOMPARE(days->cursorPosition(), 1);
    }

    void rangeMessage()
    {
        Window w;
        w.click("cmdMenu0");
        w.depart()->setValue(QDate(9999, 12, 30));
        w.type(2, "1");
        QCOMPARE(w.arrivee()->value(), QDate(9999, 12, 31));
        QTest::keyClick(w.depart(), Qt::Key_Right);
        QCOMPARE(w.prompt.messages, QStringList{FrmDate::rangeMessage()});
        QCOMPARE(w.arrivee()->value(), QDate(9999, 12, 31));
    }

    void dateModeAgainStartsOver()
    {
        Window w;
        w.click("cmdMenu0");
        w.depart()->setValue(QDate(2011, 1, 10));
        w.type(0, "3");
        w.get<QRadioButton>("optIntervalle1")->click();
        w.click("cmdMenu0");
        QCOMPARE(w.depart()->value(), Today);
        QCOMPARE(w.field(0)->text(), QStringLiteral("0"));
        // The option stays as the user left it; with zero fields it does not matter.
        QCOMPARE(w.arrivee()->value(), Today);
        QVERIFY(w.prompt.messages.isEmpty());
    }

    void intervalMode()
    {
        Window w;
        w.click("cmdMenu0");
        w.click("cmdMenu1");
        QCOMPARE(w.frm.mode(), DateCalcMode::Interval);
        QCOMPARE(w.lbl("lblChoisi")->text(), QStringLiteral("Calcul d'un intervalle entre deux dates"));
        QCOMPARE(w.lbl("lblInstruction")->text(), shown(FrmDate::intervalInstruction()));
        QVERIFY(w.arrivee()->isEnabled());
        QVERIFY(!w.field(0)->isVisible());
        QVERIFY(!w.get<QRadioButton>("optIntervalle0")->isVisible());
        QVERIFY(w.lbl("lblRésultat0")->isVisible());
        QCOMPARE(w.lbl("lblRésultat1")->text(), NoInterval);

        // The window's own assignments do not recompute; the user's changes on either calendar do.
        w.depart()->setValue(QDate(2010, 3, 15));
        w.arrivee()->setValue(QDate(2011, 5, 19));
        QCOMPARE(w.lbl("lblRésultat1")->text(), NoInterval);
        QTest::keyClick(w.arrivee(), Qt::Key_Right);
        QCOMPARE(w.lbl("lblRésultat1")->text(),
                 QStringLiteral("1 année(s) 2 mois et 5 jour(s)\nsoit 14 mois et 5 jour(s)\nsoit 431 jour(s)"));
        QTest::keyClick(w.depart(), Qt::Key_PageUp, Qt::ControlModifier);
        QVERIFY(w.lbl("lblRésultat1")->text().startsWith(QStringLiteral("2 année(s) 2 mois")));
        saveShot(w.frm, QStringLiteral("frmdate-interval"));

        // Interval again changes nothing; Date mode takes the result away.
        w.click("cmdMenu1");
        QCOMPARE(w.depart()->value(), QDate(2009, 3, 15));
        QVERIFY(w.lbl("lblRésultat1")->text().startsWith(QStringLiteral("2 année(s)")));
        w.click("cmdMenu0");
        QVERIFY(!w.lbl("lblRésultat1")->isVisible());
        QVERIFY(w.field(0)->isVisible());
        QVERIFY(!w.arrivee()->isEnabled());
    }

    void helpView_data()
    {
        QTest::addColumn<QString>("modeButton");
        QTest::newRow("date") << "cmdMenu0";
        QTest::newRow("interval") << "cmdMenu1";
    }
    void helpView()
    {
        QFETCH(QString, modeButton);
        Window w;
        w.click(modeButton);
        const bool dateMode = modeButton == QLatin1String("cmdMenu0");
        auto *help = w.get<QPushButton>("cmdExplication");
        QCOMPARE(help->text(), QStringLiteral("Aide (Navigation dans les calendriers)"));
        help->click();
        QVERIFY(w.frm.helpShown());
        QCOMPARE(help->text(), QStringLiteral("Revenir au calculateur"));
        QVERIFY(!w.get<QPushButton>("cmdMenu0")->isEnabled() && !w.get<QPushButton>("cmdMenu1")->isEnabled());
        for (const char *hidden : {"calDépart", "calArrivée", "txtIntervalle1", "lblRésultat1"})
            QVERIFY2(!w.get<QWidget>(QString::fromUtf8(hidden))->isVisible(), hidden);
        QCOMPARE(w.lbl("lblExplication")->text(), shown(FrmDate::helpText()));
        QVERIFY(w.lbl("lblExplication")->isVisible());
        if (dateMode)
            saveShot(w.frm, QStringLiteral("frmdate-help"));
        help->click();
        QVERIFY(!w.frm.helpShown());
        QCOMPARE(help->text(), QStringLiteral("Aide (Navigation dans les calendriers)"));
        QVERIFY(w.get<QPushButton>("cmdMenu0")->isEnabled());
        QVERIFY(w.depart()->isVisible() && w.arrivee()->isVisible());
        QCOMPARE(w.field(1)->isVisible(), dateMode);
        QCOMPARE(w.lbl("lblRésultat1")->isVisible(), !dateMode);
        QVERIFY(!w.lbl("lblExplication")->isVisible());
        QCOMPARE(w.frm.mode(), dateMode ? DateCalcMode::Date : DateCalcMode::Interval);
    }
};

QTEST_MAIN(TestFrmDate)
#include "test_frm_date.moc"
