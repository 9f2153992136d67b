#include "pregnancy/RecordFileLocation.h"

#include "support/RecordFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestRecordFileLocation : public QObject
{
    Q_OBJECT

private slots:
    void location_data()
    {
        QTest::addColumn<bool>("programDirWritable");
        QTest::addColumn<bool>("shipped");
        QTest::addColumn<bool>("ownCopy");
        QTest::addColumn<bool>("expectInUserFolder");
        QTest::addColumn<QByteArray>("expectedContent"); // empty: no file expected
        QTest::newRow("build tree") << true << true << false << false << QByteArray("shipped");
        QTest::newRow("build tree without file") << true << false << false << false << QByteArray();
        QTest::newRow("installation, first use") << false << true << false << true << QByteArray("shipped");
        QTest::newRow("installation, records kept") << false << true << true << true << QByteArray("own records");
        QTest::newRow("installation without file") << false << false << false << true << QByteArray();
    }

    void location()
    {
        QFETCH(bool, programDirWritable);
        QFETCH(bool, shipped);
        QFETCH(bool, ownCopy);
        QFETCH(bool, expectInUserFolder);
        QFETCH(QByteArray, expectedContent);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString programDir = dir.filePath(QStringLiteral("bin"));
        const QString userDir = dir.filePath(QStringLiteral("share/Tarvolix"));
        QVERIFY(QDir().mkpath(programDir));
        if (shipped) {
            QVERIFY(RecordFiles::write(programDir + QStringLiteral("/Fiches.gro"), "shipped"));
            QFile::setPermissions(programDir + QStringLiteral("/Fiches.gro"), QFileDevice::ReadOwner | QFileDevice::ReadGroup
                                                                                  | QFileDevice::ReadOther);
        }
        if (ownCopy) {
            QVERIFY(QDir().mkpath(userDir));
            QVERIFY(RecordFiles::write(userDir + QStringLiteral("/Fiches.gro"), "own records"));
        }

        const QString path = RecordFileLocation::resolve(programDir, programDirWritable, userDir);
        QCOMPARE(path, (expectInUserFolder ? userDir : programDir) + QStringLiteral("/Fiches.gro"));
        QCOMPARE(QFile::exists(path), !expectedContent.isEmpty());
        if (!expectedContent.isEmpty())
            QCOMPARE(RecordFiles::read(path), expectedContent);
        if (expectInUserFolder && shipped && !ownCopy) {
            // The seeded copy is the user's own: writable, and private.
            QCOMPARE(QFile::permissions(path) & (QFileDevice::WriteOwner | QFileDevice::ReadOther | QFileDevice::ReadGroup),
                     QFileDevice::WriteOwner);
            QCOMPARE(RecordFiles::read(programDir + QStringLiteral("/Fiches.gro")), QByteArray("shipped"));
        }
        if (!expectInUserFolder)
            QVERIFY(!QFile::exists(userDir));
    }
};

QTEST_GUILESS_MAIN(TestRecordFileLocation)
#include "test_record_file_location.moc"
