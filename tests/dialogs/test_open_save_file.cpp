#include "ModalDriver.h"
#include "dialogs/COpenSaveFile.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void typeAndAccept(QFileDialog *dialog, const QString &name)
{
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
    static_cast<QDialog *>(dialog)->accept();  // as the Save or Open button
}

} // namespace

class TestOpenSaveFile : public QObject
{
    Q_OBJECT
private slots:
    void defaults()
    {
        COpenSaveFile dialog;
        QCOMPARE(dialog.allowMultiSelect(), false);
        QCOMPARE(dialog.createPrompt(), false);
        QCOMPARE(dialog.fileMustExist(), false);
        QCOMPARE(dialog.pathMustExist(), false);
        QCOMPARE(dialog.hideReadOnly(), true);
        QCOMPARE(dialog.readOnly(), false);
        QCOMPARE(dialog.overWritePrompt(), true);
        QCOMPARE(dialog.fileName(), QString());
        QCOMPARE(dialog.fileTitle(), QString());
        QCOMPARE(dialog.filterIndex(), 0);
    }

    void nameFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("one pair") << "Calculs (*.dat)|*.dat" << QStringList{"Calculs (*.dat) (*.dat)"};
        QTest::newRow("two pairs") << "Calculs (*.dat)|*.dat|Tous|*.*"
                                   << QStringList{"Calculs (*.dat) (*.dat)", "Tous (*.*)"};
        QTest::newRow("pattern list") << "Textes|*.txt;*.csv" << QStringList{"Textes (*.txt *.csv)"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void nameFilters()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, filters);
        QCOMPARE(COpenSaveFile::nameFilters(filter), filters);
    }

    void showsOneFilterEntryAndTheInitialFolder()
    {
        QTemporaryDir dir;
        COpenSaveFile dialog;
        dialog.setFilter(QStringLiteral("Calculs (*.dat)|*.dat"));
        dialog.setInitDir(dir.path());
        QStringList entries;
        QString folder;
        whenShown<QFileDialog>([&](QFileDialog *d) {
            auto *combo = d->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < combo->count(); ++i)
                entries << combo->itemText(i).trimmed();
            folder = d->directory().absolutePath();
            d->reject();
        });
        QCOMPARE(dialog.showOpen(), 0);
        QCOMPARE(entries, QStringList{"Calculs (*.dat)"});
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    void saveAddsTheDefaultExtension()
    {
        QTemporaryDir dir;
        COpenSaveFile dialog;
        dialog.setDefaultExt(QStringLiteral("dat"));
        dialog.setFilter(QStringLiteral("Calculs (*.dat)|*.dat"));
        dialog.setInitDir(dir.path());
        whenShown<QFileDialog>([](QFileDialog *d) { typeAndAccept(d, QStringLiteral("calc1")); });
        QVERIFY(dialog.showSave());
        QCOMPARE(dialog.fileName(), QDir::toNativeSeparators(dir.filePath(QStringLiteral("calc1.dat"))));
        QCOMPARE(dialog.fileTitle(), QStringLiteral("calc1.dat"));
        QCOMPARE(dialog.filterIndex(), 1);
    }

    void fileMustExistKeepsTheDialogOpen()
    {
        QTemporaryDir dir;
        COpenSaveFile dialog;
        dialog.setFileMustExist(true);
        dialog.setInitDir(dir.path());
        bool stillOpen = false;
        bool warned = false;
        whenShown<QFileDialog>([&](QFileDialog *d) {
            whenShown<QMessageBox>([&](QMessageBox *box) {
                warned = true;
                box->accept();
            });
            typeAndAccept(d, QStringLiteral("absent.dat"));
            stillOpen = d->isVisible();
            d->reject();
        });
        QCOMPARE(dialog.showOpen(), 0);
        QVERIFY(warned);
        QVERIFY(stillOpen);
        QCOMPARE(dialog.fileName(), QString());
    }

    void openReturnsTheChosenFile()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("bande.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        COpenSaveFile dialog;
        dialog.setFileMustExist(true);
        dialog.setInitDir(dir.path());
        whenShown<QFileDialog>([](QFileDialog *d) { typeAndAccept(d, QStringLiteral("bande.dat")); });
        QCOMPARE(dialog.showOpen(), 1);
        QCOMPARE(dialog.fileTitle(), QStringLiteral("bande.dat"));
    }

    void cancelKeepsTheNamesAndSaysWhy()
    {
        COpenSaveFile dialog;
        dialog.setFileName(QStringLiteral("/tmp/avant.dat"));
        whenShown<QFileDialog>([](QFileDialog *d) { d->reject(); });
        QCOMPARE(dialog.showSave(), false);
        QCOMPARE(dialog.fileName(), QStringLiteral("/tmp/avant.dat"));
        QString message;
        QCOMPARE(dialog.errCodeDlg(message), 0);
        QCOMPARE(message, QStringLiteral("L'utilisateur a annulé l'opération."));
    }

};

QTEST_MAIN(TestOpenSaveFile)
#include "test_open_save_file.moc"
