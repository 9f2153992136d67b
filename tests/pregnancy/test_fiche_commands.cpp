#include "pregnancy/FicheCommands.h"
#include "pregnancy/FichePicker.h"
#include "pregnancy/PregnancyRecordStore.h"

#include "FakeFicheView.h"
#include "RecordTestFiles.h"
#include "ScriptedFichePrompt.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString SavePrompt =
    QStringLiteral("Saisissez un identifiant unique (60 caractères maximum) pour cette fiche (doublons interdits).");
const QString DataFileMessage = QStringLiteral(
    "Le fichier de données (Fiches.gro) n'a pas pu être ouvert.\r\nEventuellement, réinstallez l'application.");

const QString P1 = QStringLiteral("Maternité des Lilas");
const QString P2 = QStringLiteral("cabinet 2e étage");
const QString IncorrectPassword = QStringLiteral("Mot de passe incorrect.");

// Which practice password opens the file: none for the built-in key.
QString passwordOf(const QString &path)
{
    PregnancyRecordStore store(path);
    if (store.check() == RecordStoreStatus::Ok)
        return QString();
    for (const QString &candidate : {P1, P2})
        if (store.unlock(candidate.toUtf8()) == RecordStoreStatus::Ok)
            return candidate;
    return QStringLiteral("<unknown>");
}

const FicheDates Pregnancy{QDate(2009, 1, 15), QDate(2009, 1, 1), QDate(2009, 10, 15)};

// Tries the names in turn, as a user picking again after a failure, and records
// what the list showed.
class ScriptedPicker : public FichePicker
{
public:
    QStringList choices;
    QStringList shown;
    QList<bool> results;
    ScriptedFichePrompt listPrompt;
    int calls = 0;

    void pick(const QStringList &names, const Opener &open) override
    {
        ++calls;
        shown = names;
        for (const QString &choice : std::as_const(choices)) {
            const bool opened = open(choice, listPrompt);
            results << opened;
            if (opened)
                return;
        }
    }
};

} // namespace

class TestFicheCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void invalidDatesAreRefusedBeforeTheIdentifier_data();
    void invalidDatesAreRefusedBeforeTheIdentifier();
    void identifierAnswers_data();
    void identifierAnswers();
    void emptyAnswerEndsSilently();
    void longIdentifierIsCut_data();
    void longIdentifierIsCut();
    void savingOpensTheRecord();
    void duplicateLeavesTheWindowAsItWas();
    void overwriteOfTheOpenRecord_data();
    void overwriteOfTheOpenRecord();
    void savingUnderAnotherIdentifierKeepsTheFirst();
    void saveFailureLeavesTheWindowAsItWas();

    void deleteAsksFirst();
    void deleteRemovesAndEmptiesTheWindow();
    void deleteIsRefusedWithoutAnOpenRecord();
    void deleteOfARecordAlreadyGone();
    void deleteFailureLeavesTheWindowAsItWas();

    void openingAnEmptyFile();
    void openingAnUnreadableFile_data();
    void openingAnUnreadableFile();
    void openingLoadsTheStoredDates();
    void openingARecordThatVanishedKeepsTheList();
    void newFicheEmptiesTheWindow();

    void passwordCommand_data();
    void passwordCommand();
    void firstCommandAsksForThePasswordOnce_data();
    void firstCommandAsksForThePasswordOnce();

private:
    QString freshFile(const QString &name);

    QTemporaryDir m_dir;
    QString m_template;
};

void TestFicheCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_template = m_dir.filePath(QStringLiteral("template.gro"));
    QCOMPARE(PregnancyRecordStore::createEmpty(m_template), RecordStoreStatus::Ok);
}

QString TestFicheCommands::freshFile(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy(m_template, path))
        qFatal("cannot copy the empty record file");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return path;
}

namespace {

QStringList storedNames(const QString &path)
{
    PregnancyRecordStore store(path);
    QStringList names;
    if (store.names(names) != RecordStoreStatus::Ok)
        return {QStringLiteral("<unreadable>")};
    return names;
}

// Saves under `name`, answering the input box with it.
void save(FicheCommands &commands, const QString &name, const FicheDates &dates = Pregnancy)
{
    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box;
    box.inputAnswers << name;
    commands.saveFiche(dates, {prompt, box, prompt});
}

} // namespace

void TestFicheCommands::invalidDatesAreRefusedBeforeTheIdentifier_data()
{
    QTest::addColumn<bool>("ddgValid");
    QTest::addColumn<bool>("ddrValid");
    QTest::addColumn<bool>("accValid");
    QTest::addColumn<QString>("expected");
    const QString ddg = QStringLiteral("La date de début de grossesse n'est pas valide.");
    const QString ddr = QStringLiteral("La date des dernières règles n'est pas valide.");
    const QString acc = QStringLiteral("La date d'accouchement n'est pas valide.");
    const QString tail = QStringLiteral("\r\nCorrigez et réessayez.");
    QTest::newRow("empty last period") << true << false << true << ddr + tail;
    QTest::newRow("all three") << false << false << false << ddg + "\r\n" + ddr + "\r\n" + acc + tail;
    QTest::newRow("start only") << false << true << true << ddg + tail;
    QTest::newRow("delivery only") << true << true << false << acc + tail;
    QTest::newRow("start and delivery") << false << true << false << ddg + "\r\n" + acc + tail;
}

void TestFicheCommands::invalidDatesAreRefusedBeforeTheIdentifier()
{
    QFETCH(bool, ddgValid);
    QFETCH(bool, ddrValid);
    QFETCH(bool, accValid);
    QFETCH(QString, expected);
    const QString path = freshFile(QStringLiteral("invalid.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    const FicheDates dates{ddgValid ? Pregnancy.ddg : QDate(), ddrValid ? Pregnancy.ddr : QDate(),
                           accValid ? Pregnancy.acc : QDate()};
    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box;
    box.inputAnswers << QStringLiteral("Dupont");
    commands.saveFiche(dates, {prompt, box, prompt});
    QCOMPARE(prompt.messages, QStringList{expected});
    QVERIFY(box.inputs.isEmpty());
    QVERIFY(storedNames(path).isEmpty());
    QVERIFY(!commands.ficheOuverte());
}

void TestFicheCommands::identifierAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");
    const QString reserved = QStringLiteral("Cet identifiant est réservé.\r\nEnregistrement annulé.");
    const QString hidden = QStringLiteral(
        "L'identifiant contient un caractère invisible, de contrôle ou de sens d'écriture.\r\nEnregistrement annulé.");
    QTest::newRow("upper case") << "GROSSESSE" << reserved << "";
    QTest::newRow("lower case") << "grossesse" << reserved << "";
    QTest::newRow("caption case") << "Grossesse" << reserved << "";
    QTest::newRow("mixed case") << "gRoSsEsSe" << reserved << "";
    QTest::newRow("reserved among blanks") << "  grossesse " << reserved << "";
    QTest::newRow("reserved in full width") << "ＧＲＯＳＳＥＳＳＥ" << reserved << "";
    QTest::newRow("longer word") << "Grossesses" << "" << "Grossesses";
    QTest::newRow("with a name") << "Grossesse Dupont" << "" << "Grossesse Dupont";
    QTest::newRow("blanks around") << " \u00A0Dupont\u3000 " << "" << "Dupont";
    QTest::newRow("blanks only") << " \u00A0 \u2003" << "" << "";
    QTest::newRow("zero-width space") << "Caro\u200Bline" << hidden << "";
    QTest::newRow("soft hyphen") << "Caro\u00ADline" << hidden << "";
    QTest::newRow("right-to-left override") << "\u202EeniloraC" << hidden << "";
    QTest::newRow("direction isolate") << "Caroline\u2066" << hidden << "";
    QTest::newRow("tab") << "Caro\tline" << hidden << "";
    QTest::newRow("Hangul filler") << "Caroline\u3164" << hidden << "";
    QTest::newRow("byte order mark") << "Caro\uFEFFline" << hidden << "";
    QTest::newRow("lone surrogate") << QStringLiteral("Caroline") + QChar(0xD83D) << hidden << "";
}

void TestFicheCommands::identifierAnswers()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    const QString path = freshFile(QStringLiteral("identifier.gro"));
    const QByteArray before = RecordTestFiles::read(path);
    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box;
    box.inputAnswers << answer;
    commands.saveFiche(Pregnancy, {prompt, box, prompt});
    QCOMPARE(prompt.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(storedNames(path), stored.isEmpty() ? QStringList() : QStringList{stored});
    QCOMPARE(view.caption, stored.isEmpty() ? QStringLiteral("Grossesse") : stored);
    QCOMPARE(commands.ficheOuverte(), !stored.isEmpty());
    if (stored.isEmpty())
        QCOMPARE(RecordTestFiles::read(path), before);
}

void TestFicheCommands::emptyAnswerEndsSilently()
{
    const QString path = freshFile(QStringLiteral("cancel.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box; // no answer: the user cancels
    commands.saveFiche(Pregnancy, {prompt, box, prompt});
    QCOMPARE(box.inputs.size(), 1);
    QCOMPARE(box.inputs.first(), qMakePair(SavePrompt, QString()));
    QVERIFY(prompt.messages.isEmpty());
    QVERIFY(storedNames(path).isEmpty());
    QVERIFY(!commands.ficheOuverte());
}

void TestFicheCommands::longIdentifierIsCut_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("stored");
    const QString sixty = QStringLiteral("Dupont-Durand Marie-Christine Élisabeth née Kerbrat, 2e enfant");
    QCOMPARE(sixty.left(60).size(), 60);
    QTest::newRow("75 characters") << sixty + QStringLiteral("xxxxxxxxxxxx") << sixty.left(60);
    QTest::newRow("exactly 60") << sixty.left(60) << sixty.left(60);
    QTest::newRow("two-unit character at the cut")
        << QString(59, QLatin1Char('a')) + QString::fromUtf8("👶👶")
        << QString(59, QLatin1Char('a')) + QString::fromUtf8("👶");
}

void TestFicheCommands::longIdentifierIsCut()
{
    QFETCH(QString, answer);
    QFETCH(QString, stored);
    const QString path = freshFile(QStringLiteral("long.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, answer);
    QCOMPARE(storedNames(path), QStringList{stored});
    QCOMPARE(view.caption, stored);
    QCOMPARE(commands.caption(), stored);
}

void TestFicheCommands::savingOpensTheRecord()
{
    const QString path = freshFile(QStringLiteral("save.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box;
    box.inputAnswers << QStringLiteral("Dupont") << QString();
    commands.saveFiche(Pregnancy, {prompt, box, prompt});
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(view.caption, QStringLiteral("Dupont"));
    QVERIFY(view.ficheOuverte);
    QVERIFY(commands.ficheOuverte());
    // Saving again proposes the open record's identifier.
    commands.saveFiche(Pregnancy, {prompt, box, prompt});
    QCOMPARE(box.inputs.last(), qMakePair(SavePrompt, QStringLiteral("Dupont")));
    QCOMPARE(FicheCommands::saveTitle(), QStringLiteral("Enregistrer une fiche"));
}

void TestFicheCommands::duplicateLeavesTheWindowAsItWas()
{
    const QString path = freshFile(QStringLiteral("duplicate.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Élodie Martin"));
    commands.newFiche();

    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box;
    box.inputAnswers << QStringLiteral("ÉLODIE MARTIN");
    commands.saveFiche({QDate(2010, 3, 3), QDate(2010, 2, 17), QDate(2010, 12, 3)}, {prompt, box, prompt});
    QCOMPARE(prompt.messages,
             QStringList{QStringLiteral("Une fiche 'ÉLODIE MARTIN' existe déjà.\r\nRecommencez en modifiant "
                                        "l'identifiant, ou ouvrez la fiche existante pour la modifier ou la supprimer.")});
    QCOMPARE(view.caption, QStringLiteral("Grossesse"));
    QVERIFY(!view.ficheOuverte);
    QVERIFY(!commands.ficheOuverte());
    PregnancyRecordStore store(path);
    PregnancyRecord kept;
    QCOMPARE(store.find(QStringLiteral("Élodie Martin"), kept), RecordStoreStatus::Ok);
    QCOMPARE(kept.name, QStringLiteral("Élodie Martin"));
    QCOMPARE(kept.ddg, Pregnancy.ddg);
}

void TestFicheCommands::overwriteOfTheOpenRecord_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("proposed identifier") << "Élodie Martin";
    QTest::newRow("lower case") << "élodie martin";
    QTest::newRow("upper case") << "ÉLODIE MARTIN";
}

void TestFicheCommands::overwriteOfTheOpenRecord()
{
    QFETCH(QString, answer);
    const QString path = freshFile(QStringLiteral("overwrite.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Élodie Martin"));
    const FicheDates later{QDate(2009, 2, 1), QDate(2009, 1, 12), QDate(2009, 11, 8)};
    save(commands, answer, later);

    QCOMPARE(storedNames(path), QStringList{answer});
    PregnancyRecordStore store(path);
    PregnancyRecord found;
    QCOMPARE(store.find(answer, found), RecordStoreStatus::Ok);
    QCOMPARE(found, (PregnancyRecord{answer, later.ddg, later.ddr, later.acc}));
    QCOMPARE(view.caption, answer);
}

void TestFicheCommands::savingUnderAnotherIdentifierKeepsTheFirst()
{
    const QString path = freshFile(QStringLiteral("second.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Dupont"));
    save(commands, QStringLiteral("Dupont bis"), {QDate(2011, 5, 5), QDate(2011, 4, 21), QDate(2012, 2, 5)});
    QCOMPARE(storedNames(path), (QStringList{QStringLiteral("Dupont"), QStringLiteral("Dupont bis")}));
    QCOMPARE(view.caption, QStringLiteral("Dupont bis"));
    PregnancyRecordStore store(path);
    PregnancyRecord first;
    QCOMPARE(store.find(QStringLiteral("Dupont"), first), RecordStoreStatus::Ok);
    QCOMPARE(first.ddg, Pregnancy.ddg);
}

void TestFicheCommands::saveFailureLeavesTheWindowAsItWas()
{
    const QString path = freshFile(QStringLiteral("save-fails.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Dupont"));
    QVERIFY(QFile::remove(path));

    ScriptedFichePrompt prompt;
    ScriptedFichePrompt box;
    box.inputAnswers << QStringLiteral("Durand");
    commands.saveFiche(Pregnancy, {prompt, box, prompt});
    QCOMPARE(prompt.messages, QStringList{QStringLiteral("Impossible d'enregistrer la fiche.")});
    QCOMPARE(view.caption, QStringLiteral("Dupont"));
    QCOMPARE(commands.caption(), QStringLiteral("Dupont"));
    QVERIFY(!QFile::exists(path));
}

void TestFicheCommands::deleteAsksFirst()
{
    const QString path = freshFile(QStringLiteral("ask.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("L'Hôpital"));
    ScriptedFichePrompt prompt;
    prompt.questionAnswers << UserPrompt::Answer::No;
    commands.deleteFiche({prompt, prompt, prompt});
    QCOMPARE(prompt.questions, QStringList{QStringLiteral("Supprimer 'L'Hôpital' ?")});
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(storedNames(path), QStringList{QStringLiteral("L'Hôpital")});
    QCOMPARE(view.caption, QStringLiteral("L'Hôpital"));
    QCOMPARE(view.clears, 0);
}

void TestFicheCommands::deleteRemovesAndEmptiesTheWindow()
{
    const QString path = freshFile(QStringLiteral("delete.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Durand"));
    save(commands, QStringLiteral("Dupont"));
    ScriptedFichePrompt prompt;
    prompt.questionAnswers << UserPrompt::Answer::Yes;
    commands.deleteFiche({prompt, prompt, prompt});
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(storedNames(path), QStringList{QStringLiteral("Durand")});
    QCOMPARE(view.clears, 1);
    QCOMPARE(view.caption, QStringLiteral("Grossesse"));
    QVERIFY(!view.ficheOuverte);
    QVERIFY(!commands.ficheOuverte());
}

void TestFicheCommands::deleteIsRefusedWithoutAnOpenRecord()
{
    const QString path = freshFile(QStringLiteral("no-delete.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    prompt.questionAnswers << UserPrompt::Answer::Yes;
    commands.deleteFiche({prompt, prompt, prompt});
    QVERIFY(prompt.questions.isEmpty());
    QCOMPARE(view.clears, 0);
}

void TestFicheCommands::deleteOfARecordAlreadyGone()
{
    const QString path = freshFile(QStringLiteral("gone.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Dupont"));
    save(commands, QStringLiteral("Durand"));
    PregnancyRecordStore otherCopy(path);
    QCOMPARE(otherCopy.remove(QStringLiteral("Durand")), RecordStoreStatus::Ok);

    ScriptedFichePrompt prompt;
    prompt.questionAnswers << UserPrompt::Answer::Yes;
    commands.deleteFiche({prompt, prompt, prompt});
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(storedNames(path), QStringList{QStringLiteral("Dupont")});
    QCOMPARE(view.caption, QStringLiteral("Grossesse"));
}

void TestFicheCommands::deleteFailureLeavesTheWindowAsItWas()
{
    const QString path = freshFile(QStringLiteral("delete-fails.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Dupont"));
    const QByteArray damaged("ceci n'est pas une base de données chiffrée");
    QVERIFY(RecordTestFiles::write(path, damaged));

    ScriptedFichePrompt prompt;
    prompt.questionAnswers << UserPrompt::Answer::Yes;
    commands.deleteFiche({prompt, prompt, prompt});
    QCOMPARE(prompt.messages,
             QStringList{QStringLiteral("Impossible de supprimer la fiche 'Dupont'.\r\nSuppression abandonnée.")});
    QCOMPARE(view.caption, QStringLiteral("Dupont"));
    QVERIFY(view.ficheOuverte);
    QCOMPARE(view.clears, 0);
    QCOMPARE(RecordTestFiles::read(path), damaged);
}

void TestFicheCommands::openingAnEmptyFile()
{
    const QString path = freshFile(QStringLiteral("empty.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    ScriptedPicker picker;
    commands.openFiche({prompt, prompt, prompt}, picker);
    QCOMPARE(prompt.messages, QStringList{QStringLiteral("Le fichier de données est vide.")});
    QCOMPARE(picker.calls, 0);
}

void TestFicheCommands::openingAnUnreadableFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("100 bytes short") << "short";
    QTest::newRow("not a database") << "text";
}

void TestFicheCommands::openingAnUnreadableFile()
{
    QFETCH(QString, kind);
    const QString path = freshFile(QStringLiteral("unreadable.gro"));
    if (kind == QLatin1String("missing"))
        QVERIFY(QFile::remove(path));
    else if (kind == QLatin1String("short"))
        QVERIFY(RecordTestFiles::write(path, RecordTestFiles::read(path).chopped(100)));
    else
        QVERIFY(RecordTestFiles::write(path, "Dupont\r\nDurand\r\n"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    ScriptedPicker picker;
    commands.openFiche({prompt, prompt, prompt}, picker);
    QCOMPARE(prompt.messages, QStringList{DataFileMessage});
    QCOMPARE(picker.calls, 0);
    QCOMPARE(view.loads, 0);
}

void TestFicheCommands::openingLoadsTheStoredDates()
{
    const QString path = freshFile(QStringLiteral("open.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    // The stored last period is not DDG - 14 days and the delivery is after the term.
    const FicheDates stored{QDate(2009, 1, 15), QDate(2008, 12, 28), QDate(2009, 10, 27)};
    save(commands, QStringLiteral("Martin"), stored);
    save(commands, QStringLiteral("Dupont"));
    save(commands, QStringLiteral("élodie"));
    commands.newFiche();

    ScriptedFichePrompt prompt;
    ScriptedPicker picker;
    picker.choices << QStringLiteral("Martin");
    commands.openFiche({prompt, prompt, prompt}, picker);
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(picker.shown, (QStringList{QStringLiteral("Dupont"), QStringLiteral("élodie"), QStringLiteral("Martin")}));
    QCOMPARE(picker.results, QList<bool>{true});
    QCOMPARE(view.ddg, stored.ddg);
    QCOMPARE(view.ddr, stored.ddr);
    QCOMPARE(view.acc, stored.acc);
    QCOMPARE(view.caption, QStringLiteral("Martin"));
    QVERIFY(view.ficheOuverte);
    QVERIFY(commands.ficheOuverte());
}

void TestFicheCommands::openingARecordThatVanishedKeepsTheList()
{
    const QString path = freshFile(QStringLiteral("vanished.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Dupont"));
    save(commands, QStringLiteral("Durand"));
    commands.newFiche();

    ScriptedPicker picker;
    picker.choices << QStringLiteral("Fantôme") << QStringLiteral("Durand");
    ScriptedFichePrompt prompt;
    commands.openFiche({prompt, prompt, prompt}, picker);
    QCOMPARE(picker.listPrompt.messages, QStringList{QStringLiteral("Impossible d'ouvrir la fiche de Fantôme")});
    QCOMPARE(picker.results, (QList<bool>{false, true}));
    QCOMPARE(view.loads, 1);
    QCOMPARE(view.caption, QStringLiteral("Durand"));
}

void TestFicheCommands::newFicheEmptiesTheWindow()
{
    const QString path = freshFile(QStringLiteral("new.gro"));
    FakeFicheView view;
    FicheCommands commands(path, view);
    save(commands, QStringLiteral("Dupont"));
    ScriptedFichePrompt prompt;
    QVERIFY(commands.openChosen(QStringLiteral("Dupont"), prompt));
    QCOMPARE(view.ddg, Pregnancy.ddg);
    commands.newFiche();
    QCOMPARE(view.clears, 1);
    QVERIFY(!view.ddg.isValid());
    QCOMPARE(view.caption, QStringLiteral("Grossesse"));
    QVERIFY(!view.ficheOuverte);
    QCOMPARE(commands.caption(), QStringLiteral("Grossesse"));
    QCOMPARE(storedNames(path), QStringList{QStringLiteral("Dupont")});
}

void TestFicheCommands::passwordCommand_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("after");
    const QString set = QStringLiteral("Les fiches sont désormais protégées par ce mot de passe.");
    const QString unchanged = QStringLiteral("\r\nMot de passe inchangé.");
    QTest::newRow("set") << "" << QStringList{P1, P1} << false << set << P1;
    QTest::newRow("set, too short") << "" << QStringList{"1234567"} << false
                                    << "Le mot de passe doit compter au moins 8 caractères." + unchanged << "";
    QTest::newRow("set, eight characters outside the BMP")
        << "" << QStringList{"👶👶👶👶👶👶👶👶", "👶👶👶👶👶👶👶👶"} << false << set << "<unknown>";
    QTest::newRow("set, the two differ") << "" << QStringList{P1, P1 + "x"} << false
                                         << "Les deux saisies du mot de passe diffèrent." + unchanged << "";
    QTest::newRow("set, cancelled at the second") << "" << QStringList{P1} << false << "" << "";
    QTest::newRow("set, cancelled") << "" << QStringList{} << false << "" << "";
    QTest::newRow("change") << P1 << QStringList{P1, P2, P2} << false << set << P2;
    QTest::newRow("change, wrong current") << P1 << QStringList{P2} << false << IncorrectPassword + unchanged << P1;
    QTest::newRow("change, cancelled") << P1 << QStringList{} << false << "" << P1;
    QTest::newRow("remove") << P1 << QStringList{P1} << true
                            << "Les fiches ne sont plus protégées par un mot de passe." << "";
}

void TestFicheCommands::passwordCommand()
{
    QFETCH(QString, before);
    QFETCH(QStringList, typed);
    QFETCH(bool, remove);
    QFETCH(QString, message);
    QFETCH(QString, after);
    const QString path = freshFile(QStringLiteral("password.gro"));
    {
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        if (!before.isEmpty())
            QCOMPARE(PregnancyRecordStore(path).changePassword(before.toUtf8()), RecordStoreStatus::Ok);
    }
    const QByteArray bytes = RecordTestFiles::read(path);

    FakeFicheView view;
    FicheCommands commands(path, view);
    ScriptedFichePrompt prompt;
    ScriptedFichePrompt passwordBox;
    passwordBox.inputAnswers = typed;
    prompt.questionAnswers << (remove ? UserPrompt::Answer::Yes : UserPrompt::Answer::No);
    commands.changePassword({prompt, prompt, passwordBox});
    QCOMPARE(prompt.messages, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(passwordBox.inputAnswers.isEmpty());
    QCOMPARE(prompt.questions.size(), !before.isEmpty() && typed.value(0) == before ? 1 : 0);
    QCOMPARE(passwordOf(path), after);
    if (after == before)
        QCOMPARE(RecordTestFiles::read(path), bytes);

}

void TestFicheCommands::firstCommandAsksForThePasswordOnce_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    for (const char *command : {"open", "save", "delete"}) {
        QTest::addRow("%s, right password", command) << command << P1 << "";
        QTest::addRow("%s, wrong password", command) << command << P2 << IncorrectPassword;
        QTest::addRow("%s, cancelled", command) << command << "" << "";
    }
}

void TestFicheCommands::firstCommandAsksForThePasswordOnce()
{
    QFETCH(QString, command);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    const QString path = freshFile(QStringLiteral("first.gro"));
    {
        FakeFicheView view;
        FicheCommands commands(path, view);
        save(commands, QStringLiteral("Dupont"));
        save(commands, QStringLiteral("Durand"));
    }
    FakeFicheView view;
    FicheCommands window(path, view);
    if (command == QLatin1String("delete")) {
        // A record opened before another copy of the program set the password.
        ScriptedFichePrompt listPrompt;
        QVERIFY(window.openChosen(QStringLiteral("Durand"), listPrompt));
    }
    QCOMPARE(PregnancyRecordStore(path).changePassword(P1.toUtf8()), RecordStoreStatus::Ok);
    const QByteArray bytes = RecordTestFiles::read(path);
    const QString caption = view.caption;

    ScriptedFichePrompt prompt;
    prompt.questionAnswers << UserPrompt::Answer::Yes;
    ScriptedFichePrompt identifierBox;
    identifierBox.inputAnswers << QStringLiteral("Martin") << QStringLiteral("Petit");
    ScriptedFichePrompt passwordBox;
    passwordBox.inputAnswers << answer;
    ScriptedPicker picker;
    picker.choices << QStringLiteral("Durand");
    const FicheBoxes boxes{prompt, identifierBox, passwordBox};
    if (command == QLatin1String("open"))
        window.openFiche(boxes, picker);
    else if (command == QLatin1String("save"))
        window.saveFiche(Pregnancy, boxes);
    else
        window.deleteFiche(boxes);
    QCOMPARE(passwordBox.inputs.size(), 1);
    QCOMPARE(passwordBox.inputs.first().first, QStringLiteral("Saisissez le mot de passe des fiches."));
    QCOMPARE(prompt.messages, message.isEmpty() ? QStringList() : QStringList{message});
    if (answer != P1) {
        QCOMPARE(RecordTestFiles::read(path), bytes);
        QCOMPARE(view.caption, caption);
        QCOMPARE(picker.calls, 0);
        QVERIFY(identifierBox.inputs.isEmpty());
        return;
    }
    // The key is kept: the next command asks for nothing.
    window.newFiche();
    identifierBox.inputAnswers = QStringList{QStringLiteral("Petit")};
    window.saveFiche(Pregnancy, boxes);
    QCOMPARE(passwordBox.inputs.size(), 1);
    QVERIFY(prompt.messages.isEmpty());
    QCOMPARE(view.caption, QStringLiteral("Petit"));
}

QTEST_GUILESS_MAIN(TestFicheCommands)
#include "test_fiche_commands.moc"
