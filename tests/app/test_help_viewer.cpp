#include "app/HelpViewer.h"
#include "support/ScriptedPrompt.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

QList<HelpViewer *> viewers()
{
    QList<HelpViewer *> found;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *viewer = qobject_cast<HelpViewer *>(window); viewer && viewer->isVisible())
            found << viewer;
    return found;
}

QString withoutAccents(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c.toLower();
    return plain;
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QFile::copy(QStringLiteral(TARVOLIX_HELP_FILE), dir.filePath(QStringLiteral("Tarvolix.html"))));
    }
    void cleanup()
    {
        for (HelpViewer *viewer : viewers())
            viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void missingFileIsReported()
    {
        ScriptedPrompt prompt;
        const QString path = dir.filePath(QStringLiteral("absent/Tarvolix"));
        Help::showHelp(path, prompt);
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(prompt.messages.first().contains(QStringLiteral("introuvable")));
        QVERIFY(prompt.messages.first().contains(QStringLiteral("Tarvolix.html")));
        QVERIFY(viewers().isEmpty());
    }

    void opensAtTheContentsOnce()
    {
        ScriptedPrompt prompt;
        const QString path = dir.filePath(QStringLiteral("Tarvolix"));
        Help::showHelp(path, prompt);
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(viewers().size(), 1);
        HelpViewer *viewer = viewers().first();
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        QCOMPARE(viewer->browser()->verticalScrollBar()->value(), 0);

        // No such topic: nothing moves. Far into the file, then the help menu
        // again: the same window, back at the contents.
        QVERIFY(!viewer->showTopic(9999));
        QCOMPARE(viewer->browser()->verticalScrollBar()->value(), 0);
        QVERIFY(viewer->showTopic(viewer->contents().topics().last().number));
        QVERIFY(viewer->browser()->verticalScrollBar()->value() > 0);
        viewer->tabs()->setCurrentIndex(1);
        Help::showHelp(path, prompt);
        QCOMPARE(viewers(), QList<HelpViewer *>{viewer});
        QCOMPARE(viewer->tabs()->currentIndex(), 0);
        QCOMPARE(viewer->browser()->verticalScrollBar()->value(), 0);
        viewer->resize(900, 620);
        saveShot(*viewer, QStringLiteral("help"));
    }

    void indexFiltersByBeginning_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("plain") << "cock";
        QTest::newRow("accent typed") << "fagerström";
        QTest::newRow("accent omitted") << "declaration";
    }
    void indexFiltersByBeginning()
    {
        QFETCH(QString, typed);
        HelpViewer viewer;
        QVERIFY(viewer.load(dir.filePath(QStringLiteral("Tarvolix.html"))));
        const int all = viewer.indexList()->count();
        viewer.indexSearch()->setText(typed);
        QListWidget *list = viewer.indexList();
        QVERIFY(list->count() > 0);
        QVERIFY(list->count() < all);
        for (int row = 0; row < list->count(); ++row)
            QVERIFY(withoutAccents(list->item(row)->text()).startsWith(withoutAccents(typed)));
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
