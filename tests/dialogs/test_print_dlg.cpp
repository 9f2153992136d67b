#include "ModalDriver.h"
#include "dialogs/CPrintDlg.h"

#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>

class TestPrintDlg : public QObject
{
    Q_OBJECT
private slots:
    void printRange_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("read");
        QTest::newRow("page range") << 1 << 1;
        QTest::newRow("all pages") << 0 << 0;
        QTest::newRow("selection") << 2 << 2;
        QTest::newRow("unknown value ignored") << 7 << 0;
    }
    void printRange()
    {
        QFETCH(int, set);
        QFETCH(int, read);
        CPrintDlg dialog;
        dialog.setPrintRange(set);
        QCOMPARE(dialog.printRange(), read);
    }

    void copiesGoWhereTheChoiceSays()
    {
        CPrintDlg dialog;
        dialog.setCopies(3);
        QCOMPARE(dialog.copies(), 3);
        dialog.setCopiesAndCollateByApp(true);
        dialog.setCopies(2);
        QCOMPARE(dialog.copies(), 2);
        dialog.setCopiesAndCollateByApp(false);
        QCOMPARE(dialog.copies(), 3);
    }

    void printerNameKeepsTheTextBeforeNul()
    {
        CPrintDlg dialog;
        dialog.setPrinterName(QStringLiteral("Bureau") + QChar(0) + QStringLiteral("reste"));
        QCOMPARE(dialog.printerName(), QStringLiteral("Bureau"));
        dialog.setPrinterName(QString(40, 'x'));
        QCOMPARE(dialog.printerName().size(), 32);
    }

    void cancelReturnsFalseAndKeepsTheSettings()
    {
        CPrintDlg dialog;
        dialog.setOrientation(2);
        whenShown<QPrintDialog>([](QPrintDialog *d) { d->reject(); });
        QCOMPARE(dialog.printerName(), QString());
        QVERIFY(!dialog.showSetup());
        QCOMPARE(dialog.orientation(), 2);
        QVERIFY(dialog.hdc() == nullptr);
        QString message;
        QCOMPARE(dialog.errCodeDlg(message), 0);
        QCOMPARE(message, QStringLiteral("L'utilisateur a annulé l'opération."));
    }

    void confirmedSetupReadsBackWhatWasSet()
    {
        CPrintDlg dialog;
        dialog.setOrientation(2);
        dialog.setPaperSize(int(QPageSize::A5));
        dialog.printer().setOutputFileName(QDir::temp().filePath(QStringLiteral("tarvolix-setup.pdf")));
        whenShown<QPrintDialog>([](QPrintDialog *d) { d->accept(); });
        QVERIFY(dialog.showSetup());
        QVERIFY(dialog.hdc() != nullptr);
        QCOMPARE(dialog.orientation(), 2);
        QCOMPARE(dialog.paperSize(), int(QPageSize::A5));
        QCOMPARE(dialog.paperWidth(), 1480);
        QCOMPARE(dialog.paperLength(), 2100);
        QVERIFY(dialog.printQuality() > 0);
    }

};

QTEST_MAIN(TestPrintDlg)
#include "test_print_dlg.moc"
