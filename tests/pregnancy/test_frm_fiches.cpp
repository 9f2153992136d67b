#include "controls/ZmtCommonCommand.h"
#include "pregnancy/FicheCommands.h"
#include "pregnancy/FichesPicker.h"
#include "pregnancy/FrmFiches.h"

#include "FakeFicheView.h"
#include "support/RecordFiles.h"
#include "support/ScriptedPrompt.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QTest>
#include <QTimer>

namespace {

const QStringList Names{QStringLiteral("Dupont"), QStringLiteral("Élodie Martin"), QStringLiteral("L'Hôpital Anne"),
                        QStringLiteral("Zoé")};

// Records the names the window asked to open and answers from a script.
struct OpenerLog
{
    QStringList asked;
    QList<bool> answers;

    FichePicker::Opener opener()
    {
        return [this](const QString &name, UserPrompt &) {
            asked << name;
            return answers.isEmpty() ? true : answers.takeFirst();
        };
    }
};

ZmtCommonCommand *button(FrmFiches &window, const char *name)
{
    return window.findChild<ZmtCommonCommand *>(QLatin1String(name));
}

void selectRow(FrmFiches &window, int row)
{
    auto *list = window.findChild<QListView *>(QStringLiteral("lstFiches"));
    list->setCurrentIndex(list->model()->index(row, 0));
}

} // namespace

class TestFrmFiches : public QObject
{
    Q_OBJECT

private slots:
    void showsTheListWithTheFirstSelected()
    {
        OpenerLog log;
        FrmFiches window(Names, log.opener());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = window.findChild<QListView *>(QStringLiteral("lstFiches"));
        QCOMPARE(list->model()->rowCount(), Names.size());
        QCOMPARE(list->model()->index(2, 0).data().toString(), Names.at(2));
        QCOMPARE(window.selectedName(), Names.first());
        saveShot(window, QStringLiteral("frmFiches"));
    }

    void choosing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("opened"); // none when cancelled
        QTest::newRow("OK on the first, as shown") << 0 << "OK" << Names.at(0);
        QTest::newRow("OK on the last") << 3 << "OK" << Names.at(3);
        QTest::newRow("Enter in the list") << 1 << "Enter" << Names.at(1);
        QTest::newRow("double click") << 2 << "double click" << Names.at(2);
        QTest::newRow("Cancel") << 1 << "Cancel" << "";
    }

    void choosing()
    {
        QFETCH(int, row);
        QFETCH(QString, how);
        QFETCH(QString, opened);
        OpenerLog log;
        FrmFiches window(Names, log.opener());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *list = window.findChild<QListView *>(QStringLiteral("lstFiches"));
        const QPoint centre = list->visualRect(list->model()->index(row, 0)).center();
        if (how == QLatin1String("double click")) {
            // As the platform delivers it: a first click, then the double click.
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        } else if (row > 0)
            selectRow(window, row);
        if (how == QLatin1String("Enter"))
            QTest::keyClick(list, Qt::Key_Return);
        else if (how != QLatin1String("double click"))
            QTest::mouseClick(button(window, how == QLatin1String("OK") ? "rndFiches0" : "rndFiches1"), Qt::LeftButton);
        QCOMPARE(log.asked, opened.isEmpty() ? QStringList() : QStringList{opened});
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(opened.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
    }

    void failedOpeningKeepsTheWindow()
    {
        OpenerLog log;
        log.answers << false;
        FrmFiches window(Names, log.opener());
        window.show();
        QTest::mouseClick(button(window, "rndFiches0"), Qt::LeftButton);
        QVERIFY(window.isVisible());
        selectRow(window, 3);
        QTest::mouseClick(button(window, "rndFiches0"), Qt::LeftButton);
        QCOMPARE(log.asked, (QStringList{Names.at(0), Names.at(3)}));
        QVERIFY(!window.isVisible());
    }

    void openCommandThroughTheListWindow()
    {
        RecordFiles files;
        QVERIFY(files.ready());
        const QString path = files.withRecords(
            QStringLiteral("Fiches.gro"), {{QStringLiteral("Zoé"), QDate(2009, 1, 15), QDate(2009, 1, 2), QDate(2009, 10, 20)},
                                           {QStringLiteral("Dupont"), QDate(2010, 6, 1), QDate(2010, 5, 18), QDate(2011, 3, 1)}});
        FakeFicheView view;
        FicheCommands commands(path, view);
        ScriptedPrompt prompt;
        FichesPicker picker(nullptr);
        QString shownTitle;
        // The list window is modal: pick the second entry once it is up.
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<FrmFiches *>(QApplication::activeModalWidget());
            if (!window)
                return;
            shownTitle = window->windowTitle();
            selectRow(*window, 1);
            QTest::mouseClick(button(*window, "rndFiches0"), Qt::LeftButton);
        });
        commands.openFiche({prompt, prompt, prompt}, picker);
        QCOMPARE(shownTitle, QStringLiteral("Ouvrir une fiche Grossesse"));
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(view.caption, QStringLiteral("Zoé"));
        QCOMPARE(view.ddr, QDate(2009, 1, 2));
        QVERIFY(commands.ficheOuverte());
    }

    void onlyOneSqliteInTheProcess()
    {
        // Qt's own SQL module would bring a second SQLite whose symbols clash with
        // SQLCipher's; the windows must not pull it in.
        QFile maps(QStringLiteral("/proc/self/maps"));
        if (!maps.open(QIODevice::ReadOnly))
            QSKIP("no /proc on this system");
        const QByteArray mapped = maps.readAll();
        QVERIFY(mapped.contains("libsqlcipher"));
        QVERIFY(!mapped.contains("libsqlite3"));
        QVERIFY(!mapped.contains("libQt6Sql"));
    }
};

QTEST_MAIN(TestFrmFiches)
#include "test_frm_fiches.moc"
