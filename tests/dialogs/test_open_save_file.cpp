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

    void chosenFile_data()
    {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::newRow("save adds the default extension") << true << "calc1" << "calc1.dat";
        QTest::newRow("open an existing file") << false << "bande.dat" << "bande.dat";
    }

    void chosenFile()
    {
        QFETCH(bool, save);
        QFETCH(QString, typed);
        QFETCH(QString, title);
        QTemporaryDir dir;
        QFile existing(dir.filePath(QStringLiteral("bande.dat")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        COpenSaveFile dialog;
        dialog.setDefaultExt(QStringLiteral("dat"));
        dialog.setFilter(QStringLiteral("Calculs (*.dat)|*.dat"));
        dialog.setFileMustExist(!save);
        dialog.setInitDir(dir.path());
        whenShown<QFileDialog>([typed](QFileDialog *d) { typeAndAccept(d, typed); });
        QCOMPARE(save ? int(dialog.showSave()) : dialog.showOpen(), 1);
        QCOMPARE(dialog.fileName(), QDir::toNativeSeparators(dir.filePath(title)));
        QCOMPARE(dialog.fileTitle(), title);
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
