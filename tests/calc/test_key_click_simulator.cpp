#include "calc/KeyClickSimulator.h"

#include <QtTest>

class TestKeyClickSimulator : public QObject
{
    Q_OBJECT
private slots:
    void burstIsAppliedInOrder()
    {
        QStringList events;
        const auto record = [&events](const char *what) {
            return [&events, what](KeyId key, int button, int) {
                events << QStringLiteral("%1 %2/%3 b%4").arg(what).arg(int(key.group)).arg(key.index).arg(button);
            };
        };
        KeyClickSimulator simulator(record("press"), record("release"));
        // 1, 2, F2 in quick succession: each press waits for the previous release.
        simulator.click(*KeyboardMap::clickFor(49, 0));
        simulator.click(*KeyboardMap::clickFor(50, 0));
        simulator.click(*KeyboardMap::clickFor(113, 1));
        QCOMPARE(events, QStringList({"press 0/1 b0", "release 0/1 b0", "press 0/2 b0", "release 0/2 b0",
                                      "press 10/1 b0"}));
        QVERIFY(simulator.hasPending());
        // The last release comes by itself after the pause.
        QTRY_VERIFY_WITH_TIMEOUT(!simulator.hasPending(), 1000);
        QCOMPARE(events.last(), QStringLiteral("release 10/1 b2"));
    }

    void gridKeyOnlyReleases()
    {
        int presses = 0, releases = 0;
        KeyClickSimulator simulator([&](KeyId, int, int) { ++presses; }, [&](KeyId, int, int) { ++releases; });
        simulator.click(*KeyboardMap::clickFor(71, 0));
        QCOMPARE(presses, 0);
        QCOMPARE(releases, 1);
        QVERIFY(!simulator.hasPending());
    }
};

QTEST_GUILESS_MAIN(TestKeyClickSimulator)
#include "test_key_click_simulator.moc"
