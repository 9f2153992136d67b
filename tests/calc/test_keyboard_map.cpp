#include "calc/KeyClickSimulator.h"
#include "calc/KeyboardMap.h"

#include <QtTest>

Q_DECLARE_METATYPE(KeyGroup)

using namespace KeyboardMap;

class TestKeyboardMap : public QObject
{
    Q_OBJECT
private slots:
    void table_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("mask");
        QTest::addColumn<bool>("mapped");
        QTest::addColumn<KeyGroup>("group");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("releaseButton");
        QTest::addColumn<bool>("releaseOnly");

        const auto row = [](const char *name, int vk, int mask, KeyGroup g, int i, int rb = 0, bool ro = false) {
            QTest::newRow(name) << vk << mask << true << g << i << rb << ro;
        };
        // The modifier and button rules; which key stands for which is the table's own.
        const auto none = [](const char *name, int vk, int mask) {
            QTest::newRow(name) << vk << mask << false << KeyGroup::Digit << 0 << 0 << false;
        };
        row("pad 0", 96, 0, KeyGroup::Digit, 0);
        row("shift 5", 53, 1, KeyGroup::Digit, 5);
        row("alt shift 5", 53, 5, KeyGroup::Digit, 5);
        none("alt 5", 53, 4);
        row("shift semicolon key", 190, 1, KeyGroup::Function, 2);
        none("ctrl C", 67, 2);
        row("ctrl shift C", 67, 3, KeyGroup::Function, 4);
        row("F1", 112, 0, KeyGroup::Memory, 0, 1);
        row("shift F2", 113, 1, KeyGroup::Memory, 1, 2);
        row("ctrl F2", 113, 2, KeyGroup::Memory, 1, 3);
        row("G", 71, 0, KeyGroup::Grid, 0, 0, true);
        row("shift G", 71, 1, KeyGroup::Grid, 0, 0, true);
        none("ctrl G", 71, 2);
        none("unknown", 0, 0);
    }
    void table()
    {
        QFETCH(int, vk);
        QFETCH(int, mask);
        QFETCH(bool, mapped);
        const std::optional<Click> click = clickFor(vk, mask);
        QCOMPARE(click.has_value(), mapped);
        if (!mapped)
            return;
        QFETCH(KeyGroup, group);
        QFETCH(int, index);
        QFETCH(int, releaseButton);
        QFETCH(bool, releaseOnly);
        QCOMPARE(click->key.group, group);
        QCOMPARE(click->key.index, index);
        QCOMPARE(click->pressButton, 0);
        QCOMPARE(click->releaseButton, releaseButton);
        QCOMPARE(click->releaseOnly, releaseOnly);
    }

    void translation_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<int>("vk");
        QTest::newRow("pad 5") << int(Qt::Key_5) << true << 84u << 101;
        QTest::newRow("pad +") << int(Qt::Key_Plus) << true << 86u << 107;
        QTest::newRow("pad -") << int(Qt::Key_Minus) << true << 82u << 109;
        QTest::newRow("pad *") << int(Qt::Key_Asterisk) << true << 63u << 106;
        QTest::newRow("pad /") << int(Qt::Key_Slash) << true << 106u << 111;
        QTest::newRow("pad decimal point") << int(Qt::Key_Period) << true << 91u << 110;
        QTest::newRow("pad comma (French pad)") << int(Qt::Key_Comma) << true << 91u << 110;
        QTest::newRow("pad enter") << int(Qt::Key_Enter) << true << 104u << 13;
        QTest::newRow("AZERTY 5 unshifted gives (") << int(Qt::Key_ParenLeft) << false << 14u << 53;
        QTest::newRow("AZERTY shift 5") << int(Qt::Key_5) << false << 14u << 53;
        QTest::newRow("QWERTY shift 5 gives %") << int(Qt::Key_Percent) << false << 14u << 53;
        QTest::newRow("AZERTY 0 gives à") << int(Qt::Key_Agrave) << false << 19u << 48;
        QTest::newRow("AZERTY 1 gives &") << int(Qt::Key_Ampersand) << false << 10u << 49;
        QTest::newRow("digit without scan code") << int(Qt::Key_7) << false << 0u << 55;
        QTest::newRow("comma") << int(Qt::Key_Comma) << false << 58u << 188;
        QTest::newRow("AZERTY * key") << int(Qt::Key_Asterisk) << false << 51u << 220;
        QTest::newRow("AZERTY shift * key gives µ") << int(Qt::Key_mu) << false << 51u << 220;
        QTest::newRow("AZERTY colon") << int(Qt::Key_Colon) << false << 60u << 191;
        QTest::newRow("AZERTY shift colon gives /") << int(Qt::Key_Slash) << false << 60u << 191;
        QTest::newRow("AZERTY ù") << int(Qt::Key_Ugrave) << false << 48u << 192;
        QTest::newRow("AZERTY shift ù gives %") << int(Qt::Key_Percent) << false << 48u << 192;
        QTest::newRow("AZERTY semicolon") << int(Qt::Key_Semicolon) << false << 59u << 190;
        QTest::newRow("AZERTY shift semicolon gives .") << int(Qt::Key_Period) << false << 59u << 190;
        QTest::newRow("letter R") << int(Qt::Key_R) << false << 27u << 82;
        QTest::newRow("F6") << int(Qt::Key_F6) << false << 72u << 117;
        QTest::newRow("F7 unknown") << int(Qt::Key_F7) << false << 73u << 0;
        QTest::newRow("return") << int(Qt::Key_Return) << false << 36u << 13;
        QTest::newRow("escape") << int(Qt::Key_Escape) << false << 9u << 27;
        QTest::newRow("delete") << int(Qt::Key_Delete) << false << 119u << 46;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << false << 22u << 8;
        QTest::newRow("main + not in table") << int(Qt::Key_Plus) << false << 21u << 0;
    }
    void translation()
    {
        QFETCH(int, qtKey);
        QFETCH(bool, keypad);
        QFETCH(uint, scanCode);
        QFETCH(int, vk);
        QCOMPARE(virtualKeyFor(qtKey, keypad, scanCode), vk);
    }

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

QTEST_GUILESS_MAIN(TestKeyboardMap)
#include "test_keyboard_map.moc"
