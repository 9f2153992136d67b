#include "calc/CalcEngine.h"
#include "dialogs/COpenSaveFile.h"
#include "dialogs/CPrintDlg.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "support/TapeFileBytes.h"
#include "tape/Tape.h"
#include "tape/TapeDocument.h"
#include "tape/TapeFile.h"
#include "tape/TapeFileCommands.h"

#include <QFile>
#include <QMainWindow>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace TapeFileBytes;

// Answers the dialogs: a file name (empty: cancel) and a PDF printer with
// the given paper (an empty output name: cancel).
class ScriptedCommands : public TapeFileCommands
{
public:
    using TapeFileCommands::TapeFileCommands;
    QString fileName;
    QString pdfName;
    QPageSize paper = QPageSize(QPageSize::A4);
    int dialogs = 0;

protected:
    bool showOpen(COpenSaveFile &dialog) override { return answer(dialog); }
    bool showSave(COpenSaveFile &dialog) override { return answer(dialog); }
    bool showPrintSetup(CPrintDlg &dialog) override
    {
        ++dialogs;
        if (pdfName.isEmpty())
            return false;
        dialog.printer().setOutputFormat(QPrinter::PdfFormat);
        dialog.printer().setOutputFileName(pdfName);
        dialog.printer().setPageSize(paper);
        dialog.takeFromPrinter();
        return true;
    }

private:
    bool answer(COpenSaveFile &dialog)
    {
        ++dialogs;
        if (fileName.isEmpty())
            return false;
        dialog.setFileName(fileName);
        return true;
    }
};

struct Fixture
{
    Tape tape;
    ScriptedPrompt prompt;
    CalcEngine engine{tape, prompt};
    QMainWindow window;
    TapeDocument document{tape};
    ScriptedCommands commands{tape, engine, prompt, &window, document};
    Fixture()
    {
        window.setWindowTitle(document.caption());
        QObject::connect(&document, &TapeDocument::captionChanged, &window, &QWidget::setWindowTitle);
    }
};

} // namespace

Q_DECLARE_METATYPE(QList<UserPrompt::Answer>)

class TestTapeFileCommands : public QObject
{
    Q_OBJECT
private slots:
    void saveRefusals_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        QTest::newRow("operation in progress")
            << "12 + 5" << "Une opération est en cours.\r\nTerminez la ou annulez la avant de poursuivre.";
        QTest::newRow("empty tape") << "" << "Aucune donnée à enregistrer.\r\nLa grille de calculs est vide.";
    }
    void saveRefusals()
    {
        QFETCH(QString, keys);
        QFETCH(QString, message);
        Fixture f;
        press(f.engine, keys);
        f.commands.fileName = QStringLiteral("/tmp/never.dat");
        f.commands.save();
        QCOMPARE(f.prompt.messages, QStringList{message});
        QCOMPARE(f.commands.dialogs, 0);
    }

    void saveThenOpenRestoresTheTape()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("calc.dat"));
        Fixture f;
        press(f.engine, "12 + 5 =");
        f.tape.setComment(1, QStringLiteral("note"));
        f.commands.fileName = path;
        f.commands.save();
        QCOMPARE(f.prompt.messages, QStringList());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Tarvolix - calc.dat"));
        QCOMPARE(readFile(path), Head + "0,\"\",\"12\",\"\",\"\"\r\n0,\"+\",\"5\",\"          note\",\"\"\r\n"
                                        "2,\"=\",\"17\",\"\",\"\"\r\n");

        Fixture g;
        press(g.engine, "3 x");
        g.commands.fileName = path;
        g.commands.open();
        QCOMPARE(g.prompt.messages, QStringList());
        QCOMPARE(tapeText(g.tape), QStringLiteral("12:0 | + 5:0 | = 17:2"));
        QCOMPARE(g.tape.comment(1), QStringLiteral("note"));
        QCOMPARE(g.tape.openLineIndex(), 3);
        QCOMPARE(g.engine.accumulator(), 17.0);
        QCOMPARE(g.engine.entryState(), EntryState::ResultShown);
        QCOMPARE(g.engine.display(), QStringLiteral("17"));
        QCOMPARE(g.window.windowTitle(), QStringLiteral("Tarvolix - calc.dat"));
    }

    // A changed document is saved, dropped or kept on the user's word; a
    // save that does not happen keeps it.
    void changedDocumentAsksFirst_data()
    {
        using A = UserPrompt::Answer;
        QTest::addColumn<bool>("named");
        QTest::addColumn<QString>("changes");
        QTest::addColumn<QList<A>>("answers");
        QTest::addColumn<QString>("saveAs");  // empty: the dialog is cancelled
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("messages");

        QTest::newRow("scratch tape") << false << "x 2 =" << QList<A>{} << "" << true << false << 0;
        QTest::newRow("unchanged document") << true << "4" << QList<A>{} << "" << true << false << 0;
        QTest::newRow("Non") << true << "x 2 =" << QList<A>{A::No} << "" << true << false << 0;
        QTest::newRow("Annuler") << true << "x 2 =" << QList<A>{A::Cancel} << "" << false << false << 0;
        QTest::newRow("Oui") << true << "x 2 =" << QList<A>{A::Yes} << "new.dat" << true << true << 0;
        QTest::newRow("Oui, dialog cancelled") << true << "x 2 =" << QList<A>{A::Yes} << "" << false << false << 0;
        QTest::newRow("Oui, save fails") << true << "x 2 =" << QList<A>{A::Yes} << "/nonexistent/x.dat"
                                          << false << false << 1;
        QTest::newRow("Oui, operation in progress") << true << "x 2 = x 3" << QList<A>{A::Yes} << "new.dat"
                                                     << false << false << 1;
    }
    void changedDocumentAsksFirst()
    {
        QFETCH(bool, named);
        QFETCH(QString, changes);
        QFETCH(QList<UserPrompt::Answer>, answers);
        QFETCH(QString, saveAs);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        QFETCH(int, messages);
        QTemporaryDir dir;
        Fixture f;
        press(f.engine, "12 + 5 =");
        if (named)
            f.document.setFile(dir.filePath(QStringLiteral("calc.dat")));
        press(f.engine, changes);
        const bool asks = !answers.isEmpty();
        QCOMPARE(f.window.windowTitle(), !named ? QStringLiteral("Tarvolix")
                                         : asks ? QStringLiteral("Tarvolix - calc.dat*")
                                                : QStringLiteral("Tarvolix - calc.dat"));
        f.prompt.questionAnswers = answers;
        f.commands.fileName = saveAs.isEmpty() || saveAs.startsWith('/') ? saveAs : dir.filePath(saveAs);

        QCOMPARE(f.commands.mayDiscard(), goesOn);
        QCOMPARE(f.prompt.prompts, asks ? QStringList{TapeDocument::saveChangesQuestion()} : QStringList());
        QCOMPARE(f.prompt.messages.size(), messages);
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("new.dat"))), saved);
        if (saved)
            QCOMPARE(f.window.windowTitle(), QStringLiteral("Tarvolix - new.dat"));
    }

    // "Ouvrir" asks before its dialog; loading names a clean document.
    void openAsksBeforeItsDialog()
    {
        QTemporaryDir dir;
        Fixture f;
        press(f.engine, "12 + 5 =");
        f.commands.fileName = dir.filePath(QStringLiteral("calc.dat"));
        QVERIFY(f.commands.save());
        press(f.engine, "x 2 =");
        for (auto answer : {UserPrompt::Answer::Cancel, UserPrompt::Answer::No}) {
            f.prompt.questionAnswers = {answer};
            f.commands.open();
        }
        QCOMPARE(f.commands.dialogs, 2);  // the save, then the open after "Non"
        QCOMPARE(tapeText(f.tape), QStringLiteral("12:0 | + 5:0 | = 17:2"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Tarvolix - calc.dat"));
    }

    void cancelledDialogsDoNothing()
    {
        Fixture f;
        press(f.engine, "12 + 5 =");
        f.commands.save();
        f.commands.open();
        f.commands.print();
        QCOMPARE(f.commands.dialogs, 3);
        QCOMPARE(f.prompt.messages, QStringList());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Tarvolix"));
        QCOMPARE(tapeText(f.tape), QStringLiteral("12:0 | + 5:0 | = 17:2"));
    }

    void badFilesLeaveTheTapeAsItWas_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("sparseSize");
        QTest::addColumn<QString>("message");
        QTest::newRow("fails after two records")
            << Head + "0,\"\",\"1\",\"\",\"\"\r\n0,\"+\",\"2\",\"\",\"\"\r\n2,\"=\"" << qint64(0)
            << "Format de fichier erroné.";
        // Zero bytes up to the size, which take no room on disk.
        QTest::newRow("2,2 GB file") << Head + "0,\"\",\"" << qint64(2'200'000'000) << "Format de fichier erroné.";
    }
    void badFilesLeaveTheTapeAsItWas()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, sparseSize);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.dat"));
        writeFile(path, bytes);
        if (sparseSize > 0)
            QVERIFY(QFile::resize(path, sparseSize));
        Fixture f;
        press(f.engine, "12 + 5 = 4");
        f.commands.fileName = path;
        f.commands.open();
        QCOMPARE(f.prompt.messages, QStringList{message});
        QCOMPARE(tapeText(f.tape), QStringLiteral("12:0 | + 5:0 | = 17:2"));
        QCOMPARE(f.engine.display(), QStringLiteral("4"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Tarvolix"));
    }

    void printRefusals()
    {
        QTemporaryDir dir;
        Fixture f;
        f.commands.pdfName = dir.filePath(QStringLiteral("vide.pdf"));
        f.commands.print();
        QCOMPARE(f.prompt.messages, QStringList{"Aucune donnée à imprimer.\r\nLa grille de calculs est vide."});
        QCOMPARE(f.commands.dialogs, 0);

        press(f.engine, "12 + 5 =");
        f.prompt.messages.clear();
        f.commands.paper = QPageSize(QSizeF(120, 119), QPageSize::Millimeter);
        f.commands.print();
        QCOMPARE(f.prompt.messages, QStringList{"Taille minimale de papier = 12 cm x 12 cm."});
        QVERIFY(!QFile::exists(f.commands.pdfName));
    }

    void printsAReadablePdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        Fixture f;
        press(f.engine, "12 + 5 = 123456789012345 x 123456789012345 =");
        f.tape.setComment(1, QStringLiteral("Frais de consultation\r\nsecond paragraphe"));
        for (int i = 0; i < 80; ++i)
            press(f.engine, "1 + 1 =");
        f.commands.pdfName = dir.filePath(QStringLiteral("bande.pdf"));
        f.commands.print();
        QCOMPARE(f.prompt.messages, QStringList());
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), f.commands.pdfName, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\+\\s+5\\s+Frais de consultation"))),
                 qPrintable(text.left(600)));
        QVERIFY(text.contains(QStringLiteral("second paragraphe")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("=\\s+17"))));
        QVERIFY(text.contains(QStringLiteral("###########")));
        QVERIFY2(text.count(QChar('\f')) >= 2, "the long tape takes several pages");

        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {f.commands.pdfName});
        if (fonts.waitForFinished(30000)) {
            const QString list = QString::fromUtf8(fonts.readAllStandardOutput());
            QVERIFY2(list.contains(QStringLiteral("Liberation")) || list.contains(QStringLiteral("Arial")),
                     qPrintable(list));
        }
    }
};

QTEST_MAIN(TestTapeFileCommands)
#include "test_tape_file_commands.moc"
