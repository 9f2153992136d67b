#include "calc/CalcEngine.h"
#include "support/KeySequence.h"
#include "support/ScriptedPrompt.h"
#include "support/TapeFileBytes.h"
#include "tape/Tape.h"
#include "tape/TapeFile.h"
#include "tape/TapeFileFormat.h"
#include "tape/TapeLineColours.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <limits>

namespace {

using namespace TapeFileBytes;

QByteArray bytesOf(const Tape &tape, QString *message = nullptr)
{
    QString ignored;
    const std::optional<QByteArray> bytes = TapeFileFormat::write(
        tape.openLineIndex(), [&tape](qint64 i) -> const TapeLine & { return tape.line(i); },
        QStringLiteral("1.0.0"), message ? message : &ignored);
    return bytes ? *bytes : QByteArray("<refused>");
}

// "kind|col0|col1|col2|col3" per line, joined by " / ".
QString linesText(const TapeLines &lines)
{
    QStringList out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TapeLine &line = lines[i];
        out << QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(TapeFileFormat::kindOf(line))
                   .arg(line.cell(0), line.cell(1), line.cell(2), line.cell(3));
    }
    return out.join(QStringLiteral(" / "));
}

// Serves its bytes up to a point, then fails; refuses every write.
class FailingDevice : public QIODevice
{
public:
    FailingDevice(const QByteArray &bytes, qsizetype readable)
        : m_bytes(bytes), m_readable(std::min(readable, bytes.size()))
    {
        open(QIODevice::ReadWrite);
    }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_pos >= m_readable)
            return -1;
        const qint64 n = std::min<qint64>(maxSize, m_readable - m_pos);
        std::memcpy(data, m_bytes.constData() + m_pos, std::size_t(n));
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qsizetype m_readable;
    qint64 m_pos = 0;
};

} // namespace

class TestTapeFile : public QObject
{
    Q_OBJECT
private slots:
    void savesTwelvePlusFiveByteForByte()
    {
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "12 + 5 =");
        QCOMPARE(bytesOf(tape), Head + "0,\"\",\"12\",\"\",\"\"\r\n"
                                       "0,\"+\",\"5\",\"\",\"\"\r\n"
                                       "2,\"=\",\"17\",\"\",\"\"\r\n");
    }

    void savesKindsCommentsAndParameters()
    {
        Tape tape;
        ScriptedPrompt prompt;
        prompt.inputAnswers << "2";
        CalcEngine engine(tape, prompt);
        press(engine, "9 F3 + 1 C 2 , 5 F8 =");  // √, then a cancel line, then "Décimal"
        tape.setComment(0, QStringLiteral("note"));
        const QByteArray bytes = bytesOf(tape);
        QVERIFY2(bytes.contains("0,\"\",\"9\",\"          note\",\"\"\r\n"), bytes.constData());
        QVERIFY2(bytes.contains("1,\"RCarr\xe9" "e\",\"3\",\"\",\"\"\r\n"), bytes.constData());
        QVERIFY2(bytes.contains("3,\"\",\"Annulation\",\"\",\"\"\r\n"), bytes.constData());
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("lines");
        const int ok = int(TapeFileFormat::ReadStatus::Ok);
        const int wrong = int(TapeFileFormat::ReadStatus::NotATapeFile);
        QTest::newRow("total line") << Head + "0,\"\",\"12\",\"\",\"\"\r\n2,\"=\",\"12\",\"\",\"\"\r\n" << ok
                                    << "0||12|| / 2|=|12||";
        QTest::newRow("header only") << Head << ok << "";
        QTest::newRow("header in lower case")
            << QByteArray("\"zamto application rondovinette\"\r\n\"1.0.0\"\r\n") << wrong << "";
        QTest::newRow("empty file") << QByteArray() << wrong << "";
        QTest::newRow("other first line") << QByteArray("hello,world\r\n") << wrong << "";
        QTest::newRow("unquoted header with spaces")
            << QByteArray("  Zamto Application Rondovinette  \r\n9.9.9\r\n1,\"Int\",\"3\",\"\",\"\"\r\n") << ok
            << "1|Int|3||";
        QTest::newRow("any version text")
            << QByteArray("\"Zamto Application Rondovinette\"\r\n\"une version\"\r\n0,\"\",\"4\",\"\",\"\"\r\n")
            << ok << "0||4||";
        QTest::newRow("kind 7 reads as operand") << Head + "7,\"+\",\"4\",\"\",\"\"\r\n" << ok << "0|+|4||";
        QTest::newRow("kind 255") << Head + "255,\"+\",\"4\",\"\",\"\"\r\n" << ok << "0|+|4||";
        QTest::newRow("kind 256") << Head + "256,\"+\",\"4\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("kind not a number") << Head + "x,\"+\",\"4\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("negative kind") << Head + "-1,\"+\",\"4\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("empty kind") << Head + ",\"+\",\"4\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("kind with spaces") << Head + " 3 ,\"\",\"Annulation\",\"\",\"\"\r\n" << ok
                                          << "3||Annulation||";
        QTest::newRow("comment keeps its ten spaces")
            << Head + "0,\"\",\"9\",\"          note, with comma\",\"\"\r\n" << ok
            << "0||9|          note, with comma|";
        QTest::newRow("comment over two lines")
            << Head + "0,\"\",\"9\",\"          un\r\ndeux\",\"\"\r\n" << ok << "0||9|          un\r\ndeux|";
        QTest::newRow("unquoted fields lose their spaces") << Head + "0, + , 5 ,,\r\n" << ok << "0|+|5||";
        QTest::newRow("Windows-1252 text")
            << Head + "1,\"D\xe9" "cimal\",\"3,14\",\"          \x80 \xe0 \xff\",\"2\"\r\n" << ok
            << QString::fromUtf8("1|Décimal|3,14|          € à ÿ|2");
        QTest::newRow("byte undefined in Windows-1252") << Head + "0,\"\",\"\x81\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("no line end after the last record") << Head + "0,\"\",\"1\",\"\",\"\"" << ok << "0||1||";
        QTest::newRow("blank lines at the end") << Head + "0,\"\",\"1\",\"\",\"\"\r\n\r\n  \r\n" << ok
                                                << "0||1||";
        QTest::newRow("bare LF line ends") << QByteArray("\"Zamto Application Rondovinette\"\n\"1\"\n0,\"\",\"1\",\"\",\"\"\n")
                                           << ok << "0||1||";
        QTest::newRow("file ends inside a record") << Head + "0,\"\",\"12\"" << wrong << "";
        QTest::newRow("file ends inside a quoted field") << Head + "0,\"\",\"12" << wrong << "";
        QTest::newRow("second record cut short")
            << Head + "0,\"\",\"12\",\"\",\"\"\r\n2,\"=\"" << wrong << "";
        QTest::newRow("text after a closing quote") << Head + "0,\"\"x,\"12\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("quote inside an unquoted cell") << Head + "0,\"\",1\"2,\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("quote inside an unquoted version")
            << QByteArray("\"Zamto Application Rondovinette\"\r\n1\"0\r\n") << wrong << "";
        QTest::newRow("six cells") << Head + "0,\"\",\"12\",\"\",\"\",\"\"\r\n" << wrong << "";
        QTest::newRow("cell of 4096 bytes") << Head + "0,\"\",\"" + QByteArray(4096, '1') + "\",\"\",\"\"\r\n"
                                            << ok << "0||" + QString(4096, '1') + "||";
        QTest::newRow("last cell of 4096 bytes") << Head + "0,\"\",\"\",\"\",\"" + QByteArray(4096, '1') + "\"  \r\n"
                                                 << ok << "0||||" + QString(4096, '1');
        QTest::newRow("cell of 4097 bytes") << Head + "0,\"\",\"" + QByteArray(4097, '1') + "\",\"\",\"\"\r\n"
                                            << wrong << "";
        QTest::newRow("unquoted cell of 4097 bytes") << Head + "0,\"\"," + QByteArray(4097, '1') + ",\"\",\"\"\r\n"
                                                     << wrong << "";
        QTest::newRow("file ends after the header") << QByteArray("\"Zamto Application Rondovinette\"") << wrong
                                                    << "";
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, lines);
        // Small chunks put every field and line end across a chunk boundary.
        for (const qsizetype chunk : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(7), qsizetype(65536)}) {
            QBuffer device(&bytes);
            QVERIFY(device.open(QIODevice::ReadOnly));
            const TapeFileFormat::ReadResult result = TapeFileFormat::read(device, chunk);
            QCOMPARE(int(result.status), status);
            if (result.status == TapeFileFormat::ReadStatus::Ok)
                QCOMPARE(linesText(result.lines), lines);
        }
    }

    void readErrorOfTheDeviceIsUnreadable_data()
    {
        QTest::addColumn<qsizetype>("readable");
        QTest::newRow("in the header") << qsizetype(5);
        QTest::newRow("in a record") << qsizetype(Head.size() + 30);
        QTest::newRow("after the last byte") << std::numeric_limits<qsizetype>::max();
    }
    void readErrorOfTheDeviceIsUnreadable()
    {
        QFETCH(qsizetype, readable);
        FailingDevice device(Head + "0,\"\",\"12\",\"\",\"\"\r\n2,\"=\",\"12\",\"\",\"\"\r\n", readable);
        const TapeFileFormat::ReadResult result = TapeFileFormat::read(device, 4);
        QCOMPARE(int(result.status), int(TapeFileFormat::ReadStatus::DeviceFailed));
    }

    // A hostile cell is refused once the reader has seen the longest
    // possible cell, never read to its end.
    void longCellIsRefusedUnread_data()
    {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<char>("fill");
        QTest::newRow("quoted") << QByteArray("0,\"\",\"") << '1';
        QTest::newRow("unquoted zero bytes") << QByteArray("0,\"\",") << '\0';
        QTest::newRow("blanks before a cell") << QByteArray("0,\"\",") << ' ';
        QTest::newRow("blanks after a quote") << QByteArray("0,\"\",\"1\"") << ' ';
    }
    void longCellIsRefusedUnread()
    {
        QFETCH(QByteArray, start);
        QFETCH(char, fill);
        const QByteArray bytes = Head + start + QByteArray(10'000'000, fill) + "\",\"\",\"\"\r\n";
        FailingDevice device(bytes, bytes.size());
        QCOMPARE(int(TapeFileFormat::read(device).status), int(TapeFileFormat::ReadStatus::NotATapeFile));
        QVERIFY2(device.pos() < 200'000, qPrintable(QString::number(device.pos())));
    }

    void writeErrorOfTheDeviceIsReported()
    {
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "12 + 5 =");
        FailingDevice device({}, 0);
        QString message;
        const auto status = TapeFileFormat::write(
            device, tape.openLineIndex(), [&tape](qint64 i) -> const TapeLine & { return tape.line(i); },
            QStringLiteral("1.0.0"), &message);
        QCOMPARE(int(status), int(TapeFileFormat::WriteStatus::DeviceFailed));
    }

    void readColoursByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<quint32>("back");
        QTest::addColumn<quint32>("fore");
        QTest::newRow("operand") << 0 << quint32(0) << quint32(0);
        QTest::newRow("function") << 1 << quint32(0xE0E0E0) << quint32(0);
        QTest::newRow("total") << 2 << quint32(0xC0C0C0) << quint32(0);
        QTest::newRow("cancel") << 3 << quint32(0x80000012) << quint32(0x8000000E);
        QTest::newRow("unknown") << 4 << quint32(0) << quint32(0);
    }
    void readColoursByKind()
    {
        QFETCH(int, kind);
        QFETCH(quint32, back);
        QFETCH(quint32, fore);
        const auto result = TapeFileFormat::read(Head + QByteArray::number(kind) + ",\"\",\"1\",\"\",\"\"\r\n");
        QCOMPARE(result.lines.size(), std::size_t(1));
        QCOMPARE(TapeLineColours::back(result.lines[0].kind), back);
        QCOMPARE(TapeLineColours::valueFore(result.lines[0].kind), fore);
    }

    void savedLoadedSavedIsByteIdentical()
    {
        Tape tape;
        ScriptedPrompt prompt;
        prompt.inputAnswers << "3";
        CalcEngine engine(tape, prompt);
        press(engine, "12 + 5 = x 3 , 5 = F0 F8 F11 C 1 / 0 = 7 - 2 =");
        tape.setComment(1, QString::fromUtf8("prix à l'unité, 5 € ; ligne\r\nsuivante"));
        const QByteArray first = bytesOf(tape);
        auto loaded = TapeFileFormat::read(first);
        QCOMPARE(int(loaded.status), int(TapeFileFormat::ReadStatus::Ok));
        Tape again;
        again.replace(std::move(loaded.lines));
        QCOMPARE(bytesOf(again), first);
        QCOMPARE(tapeText(again), tapeText(tape));
    }

    void refusesWhatCannotComeBack_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("message");
        QTest::newRow("double quote") << "il dit \"oui\""
                                      << "Ligne 1 : Le caractère « \" » ne peut pas être enregistré dans un fichier de calculs.";
        QTest::newRow("Greek letter") << QString::fromUtf8("Δ glycémie")
                                      << QString::fromUtf8("Ligne 1 : Le caractère « Δ » ne peut pas être enregistré dans un fichier de calculs.");
        QTest::newRow("character beyond the basic plane") << QString::fromUtf8("ok 😀")
                                      << QString::fromUtf8("Ligne 1 : Le caractère « 😀 » ne peut pas être enregistré dans un fichier de calculs.");
    }
    void refusesWhatCannotComeBack()
    {
        QFETCH(QString, comment);
        QFETCH(QString, message);
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "12 + 5 =");
        tape.setComment(0, comment);
        QString actual;
        QCOMPARE(bytesOf(tape, &actual), QByteArray("<refused>"));
        QCOMPARE(actual, message);
    }

    void canStoreComment_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("storable");
        QTest::addColumn<QString>("message");
        QTest::newRow("plain") << "note" << true << "";
        QTest::newRow("accents and euro") << QString::fromUtf8("clairance à 60 € œ") << true << "";
        QTest::newRow("comma and two lines") << "a, b\r\nc" << true << "";
        QTest::newRow("double quote") << "a \"b\"" << false
                                      << "Le caractère « \" » ne peut pas figurer dans un commentaire.";
        QTest::newRow("arrow") << QString::fromUtf8("a → b") << false
                               << QString::fromUtf8("Le caractère « → » ne peut pas figurer dans un commentaire.");
    }
    void canStoreComment()
    {
        QFETCH(QString, comment);
        QFETCH(bool, storable);
        QFETCH(QString, message);
        QString actual;
        QCOMPARE(TapeFile::canStoreComment(comment, &actual), storable);
        QCOMPARE(actual, message);
    }

    void loadSetsTheCalculatorState_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<double>("accumulator");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("display");
        QTest::newRow("total") << QByteArray("0,\"\",\"12\",\"\",\"\"\r\n0,\"+\",\"5\",\"\",\"\"\r\n2,\"=\",\"17\",\"\",\"\"\r\n")
                               << 17.0 << int(EntryState::ResultShown) << "17";
        QTest::newRow("decimal comma") << QByteArray("1,\"Int\",\"12,5\",\"\",\"\"\r\n") << 12.5
                                       << int(EntryState::ResultShown) << "12,5";
        QTest::newRow("cancel line") << QByteArray("0,\"\",\"12\",\"\",\"\"\r\n3,\"\",\"Annulation\",\"\",\"\"\r\n")
                                     << 0.0 << int(EntryState::Cleared) << "0";
        // A replaced operand is out of the calculation: nothing to go on with.
        QTest::newRow("struck-out operand") << QByteArray("0,\"\",\"12\",\"\",\"\"\r\n3,\"+\",\"5\",\"\",\"\"\r\n")
                                            << 0.0 << int(EntryState::Cleared) << "0";
        QTest::newRow("error line") << QByteArray("2,\"=\",\"Erreur!\",\"\",\"\"\r\n") << 0.0
                                    << int(EntryState::Cleared) << "0";
        QTest::newRow("value not a number") << QByteArray("0,\"\",\"abc\",\"\",\"\"\r\n") << 0.0
                                            << int(EntryState::Cleared) << "0";
        QTest::newRow("header only") << QByteArray() << 0.0 << int(EntryState::Cleared) << "0";
    }
    void loadSetsTheCalculatorState()
    {
        QFETCH(QByteArray, records);
        QFETCH(double, accumulator);
        QFETCH(int, state);
        QFETCH(QString, display);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("calc.dat"));
        writeFile(path, Head + records);
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "3 + 4");
        TapeFile::Loaded loaded = TapeFile::load(path);
        QCOMPARE(loaded.message, QString());
        const qint64 count = qint64(loaded.lines.size());
        TapeFile::apply(tape, engine, std::move(loaded.lines));
        QCOMPARE(tape.openLineIndex(), count);
        QCOMPARE(tape.cell(count, Tape::ValueColumn), QString());
        QCOMPARE(engine.accumulator(), accumulator);
        QCOMPARE(int(engine.entryState()), state);
        QCOMPARE(engine.display(), display);
        QVERIFY(!engine.operationInProgress());
    }

    void loadMessages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("lower-case header") << QByteArray("\"zamto application rondovinette\"\r\n\"1.0.0\"\r\n")
                                           << TapeFile::wrongFormatMessage();
        // A bad record after a good header is a wrong format, not a disk error.
        QTest::newRow("ends inside a record") << Head + "0,\"\",\"12\",\"\",\"\"\r\n2,\"=\"\r\n"
                                              << TapeFile::wrongFormatMessage();
        QTest::newRow("kind 256") << Head + "256,\"\",\"12\",\"\",\"\"\r\n" << TapeFile::wrongFormatMessage();
        QTest::newRow("unclosed quote") << Head + "0,\"\",\"12,\"\",\"\"\r\n" << TapeFile::wrongFormatMessage();
        QTest::newRow("undefined byte") << Head + "0,\"\",\"\x81\",\"\",\"\"\r\n" << TapeFile::wrongFormatMessage();
    }
    void loadMessages()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("calc.dat"));
        writeFile(path, bytes);
        const TapeFile::Loaded loaded = TapeFile::load(path);
        QCOMPARE(loaded.message, message);
        QVERIFY(loaded.lines.empty());
    }

    void loadOfAMissingFileFails()
    {
        QTemporaryDir dir;
        QCOMPARE(TapeFile::load(dir.filePath(QStringLiteral("absent.dat"))).message, TapeFile::openFailedMessage());
    }

    void failedSaveKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("calc.dat"));
        writeFile(path, Head);
        Tape tape;
        ScriptedPrompt prompt;
        CalcEngine engine(tape, prompt);
        press(engine, "12 + 5 =");
        tape.setComment(0, QStringLiteral("\"cité\""));
        QVERIFY(!TapeFile::save(tape, path, QStringLiteral("1.0.0")).isEmpty());
        QCOMPARE(readFile(path), Head);

        tape.setComment(0, QStringLiteral("cité"));
        QCOMPARE(TapeFile::save(tape, dir.filePath(QStringLiteral("absent/calc.dat")), QStringLiteral("1.0.0")),
                 TapeFile::saveFailedMessage());

        QCOMPARE(TapeFile::save(tape, path, QStringLiteral("1.0.0")), QString());
        QCOMPARE(readFile(path), bytesOf(tape));
    }
};

QTEST_GUILESS_MAIN(TestTapeFile)
#include "test_tape_file.moc"
