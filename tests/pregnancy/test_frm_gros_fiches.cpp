#include "pregnancy/FrmFiches.h"
#include "pregnancy/FrmGros.h"
#include "pregnancy/PregnancyRecordStore.h"

#include "support/RecordFiles.h"
#include "support/ScriptedPrompt.h"
#include "controls/ZmtCommonCommand.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QString Password = QStringLiteral("Maternité des Lilas");

// Runs `answer` on the modal box the next command shows.
void onNextBox(QObject *context, std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, context, [answer = std::move(answer)] {
        if (QWidget *box = QApplication::activeModalWidget())
            answer(box);
    });
}

} // namespace

// The record commands of the pregnancy window with their boxes: the practice
// password from the "&Fiche" menu, and Qt's own boxes.
class TestFrmGrosFiches : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_files.ready());
    }

    void init()
    {
        m_path = m_files.withRecords(QStringLiteral("Fiches.gro"),
                                     {{QStringLiteral("Dupont"), QDate(2009, 1, 15), QDate(2009, 1, 1), QDate(2009, 10, 15)}});
        m_prompt = ScriptedPrompt();
        newWindow();
    }

    void cleanup()
    {
        m_window.reset();
    }

    void passwordFromTheMenu()
    {
        m_window->setPrompt(&m_prompt);
        m_prompt.inputAnswers << Password << Password;
        trigger(4);
        QCOMPARE(m_prompt.messages, QStringList{"Les fiches sont désormais protégées par ce mot de passe."});

        // A new window asks for the password at its first record command, once.
        newWindow();
        m_window->setPrompt(&m_prompt);
        m_prompt = ScriptedPrompt();
        m_prompt.inputAnswers << Password;
        m_prompt.questionAnswers << UserPrompt::Answer::Yes;
        onNextBox(this, [](QWidget *box) {
            if (auto *list = qobject_cast<FrmFiches *>(box))
                QTest::mouseClick(list->findChild<ZmtCommonCommand *>(QStringLiteral("rndFiches0")), Qt::LeftButton);
        });
        trigger(1);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Dupont"));
        trigger(3);
        QCOMPARE(m_prompt.inputs.size(), 1);
        QCOMPARE(m_prompt.questions, QStringList{"Supprimer 'Dupont' ?"});
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Grossesse"));
    }

    void passwordBoxIsMaskedAndTitled()
    {
        QCOMPARE(PregnancyRecordStore(m_path).changePassword(Password.toUtf8()), RecordStoreStatus::Ok);
        QString title;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        onNextBox(this, [&](QWidget *box) {
            auto *input = qobject_cast<QInputDialog *>(box);
            if (!input)
                return;
            title = input->windowTitle();
            echo = input->textEchoMode();
            saveShot(*input, QStringLiteral("password-box"));
            input->reject();
        });
        trigger(1);
        QCOMPARE(title, QStringLiteral("Fiches Grossesse"));
        QCOMPARE(echo, QLineEdit::Password);
        // Cancel ends the command silently: no other box came up.
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Grossesse"));
    }

    void identifierBoxTakesSixtyCharacters()
    {
        m_window->showPregnancy(QDate(2010, 3, 3), QDate(2010, 2, 17), QDate(2010, 12, 3));
        QString typed;
        onNextBox(this, [&](QWidget *box) {
            auto *edit = box->findChild<QLineEdit *>();
            if (!edit)
                return;
            QTest::keyClicks(edit, QString(75, QLatin1Char('m')));
            typed = edit->text();
            static_cast<QDialog *>(box)->reject();
        });
        trigger(2);
        QCOMPARE(typed, QString(60, QLatin1Char('m')));
    }

    void deleteQuestionDefaultsToNo()
    {
        m_window->setPrompt(&m_prompt);
        m_prompt.inputAnswers << QStringLiteral("Durand");
        m_window->showPregnancy(QDate(2010, 3, 3), QDate(2010, 2, 17), QDate(2010, 12, 3));
        trigger(2);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Durand"));
        m_window->setPrompt(nullptr);
        bool noIsDefault = false;
        onNextBox(this, [&](QWidget *box) {
            auto *question = qobject_cast<QMessageBox *>(box);
            if (!question)
                return;
            noIsDefault = question->defaultButton() == question->button(QMessageBox::No);
            QTest::keyClick(question, Qt::Key_Return);
        });
        trigger(3);
        QVERIFY(noIsDefault);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Durand"));
        PregnancyRecord kept;
        QCOMPARE(PregnancyRecordStore(m_path).find(QStringLiteral("Durand"), kept), RecordStoreStatus::Ok);
    }

private:
    void newWindow()
    {
        m_window = std::make_unique<FrmGros>();
        m_window->setRecordFile(m_path);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void trigger(int fiche) { m_window->ficheAction(fiche)->trigger(); }

    RecordFiles m_files;
    QString m_path;
    std::unique_ptr<FrmGros> m_window;
    ScriptedPrompt m_prompt;
};

QTEST_MAIN(TestFrmGrosFiches)
#include "test_frm_gros_fiches.moc"
