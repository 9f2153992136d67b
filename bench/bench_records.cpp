// Record store with 10,000 records: filling the record list, opening, saving and
// deleting one record through the "&Fiche" commands, first without a practice
// password, then with one; deriving the keys and re-keying the whole file. Run:
// ./bench_records (QT_QPA_PLATFORM=offscreen when there is no display).
#include "dialogs/UserPrompt.h"
#include "pregnancy/FicheCommands.h"
#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/FicheView.h"
#include "pregnancy/FrmFiches.h"
#include "pregnancy/PregnancyRecordStore.h"
#include "pregnancy/SqlCipherDatabase.h"
#include "pregnancy/SqlCipherKey.h"
#include "pregnancy/SqlCipherStatement.h"
#include "pregnancy/SqlCipherTransaction.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int Records = 10000;
constexpr int Samples = 25;

class SilentView : public FicheView
{
public:
    void clearPregnancy() override { }
    void showPregnancy(const QDate &, const QDate &, const QDate &) override { }
    void showFicheState(const QString &, bool) override { }
};

class AnsweringPrompt : public UserPrompt
{
public:
    QString answer;
    int messages = 0;
    int inputs = 0;
    void message(const QString &, Icon) override { ++messages; }
    Answer question(const QString &) override { return Answer::Yes; }
    QString input(const QString &, const QString &) override
    {
        ++inputs;
        return answer;
    }
};

const QString Password = QStringLiteral("cabinet de la Source");

// Shows the list window as the command would, and stops the clock once it is laid out.
class ShowingPicker : public FichePicker
{
public:
    QElapsedTimer timer;
    double elapsedMs = 0;
    int shown = 0;
    void pick(const QStringList &names, const Opener &open) override
    {
        FrmFiches window(names, open);
        window.show();
        QCoreApplication::processEvents();
        elapsedMs = timer.nsecsElapsed() / 1e6;
        shown = int(names.size());
    }
};

QString nameOf(int i)
{
    static const char *const families[] = {"Martin", "Bernard", "Dubois", "Thomas",  "Robert", "Richard", "Petit",
                                           "Durand", "Leroy",   "Moreau", "Lefèvre", "Élodie", "Œuvray",  "Zoé"};
    return QStringLiteral("%1 %2").arg(QString::fromUtf8(families[i % 14])).arg(i, 5, 10, QLatin1Char('0'));
}

bool fill(const QString &path)
{
    if (PregnancyRecordStore::createEmpty(path) != RecordStoreStatus::Ok)
        return false;
    SqlCipherDatabase db;
    if (!db.openExisting(path) || !db.key(PregnancyRecordStore::defaultPassphrase()))
        return false;
    SqlCipherTransaction transaction(db);
    SqlCipherStatement insert(db, "INSERT INTO Grossesse (Nom, DDG, DDR, ACC, Cle) VALUES (?1, ?2, ?3, ?4, ?5)");
    for (int i = 0; i < Records; ++i) {
        const QDate ddg = QDate(2000, 1, 1).addDays(i);
        const QString name = nameOf(i);
        if (!insert.bind(1, name) || !insert.bind(2, ddg.toString(Qt::ISODate))
            || !insert.bind(3, ddg.addDays(-14).toString(Qt::ISODate))
            || !insert.bind(4, ddg.addMonths(9).toString(Qt::ISODate)) || !insert.bind(5, FicheIdentifier::folded(name))
            || insert.step() != SqlCipherStatement::Step::Done || !insert.reset())
            return false;
    }
    return transaction.commit();
}

struct Figures
{
    std::vector<double> ms;
    void add(const QElapsedTimer &timer) { ms.push_back(timer.nsecsElapsed() / 1e6); }
    void add(double milliseconds) { ms.push_back(milliseconds); }
    double median()
    {
        std::sort(ms.begin(), ms.end());
        return ms[ms.size() / 2];
    }
    double max() const { return *std::max_element(ms.begin(), ms.end()); }
};

void report(QTextStream &out, const char *what, Figures figures, double limit, bool &ok)
{
    const double worst = figures.max();
    ok = ok && worst <= limit;
    out << QStringLiteral("%1: median %2 ms, worst %3 ms (limit %4 ms) %5\n")
               .arg(QLatin1String(what))
               .arg(figures.median(), 0, 'f', 1)
               .arg(worst, 0, 'f', 1)
               .arg(limit)
               .arg(worst <= limit ? QStringLiteral("ok") : QStringLiteral("TOO SLOW"));
}

// The "&Fiche" commands on the file as it is, with or without a practice password.
bool runCommands(QTextStream &out, const QString &path, bool withPassword, bool &ok)
{
    SilentView view;
    AnsweringPrompt prompt;
    AnsweringPrompt passwordBox;
    passwordBox.answer = Password;
    const FicheBoxes boxes{prompt, prompt, passwordBox};
    out << (withPassword ? "With a practice password\n" : "Without a practice password\n");

    // Filling the list: the "&Ouvrir une Fiche" command reads every identifier,
    // sorts them and shows the list window laid out. Each run is a new window's
    // first command, so it includes deriving the file's key. With a password, the
    // built-in key was derived (and found wrong) while the "&Fiche" menu was open,
    // and the password's key is derived once the password is typed.
    Figures list;
    for (int run = 0; run < 5; ++run) {
        FicheCommands commands(path, view);
        if (withPassword)
            commands.prepare();
        ShowingPicker picker;
        picker.timer.start();
        commands.openFiche(boxes, picker);
        if (picker.shown != Records)
            return false;
        list.add(picker.elapsedMs);
    }
    report(out,
           withPassword ? "filling the list, password's key derivation included"
                        : "filling the list, key derivation included",
           list, 300, ok);

    Figures key;
    for (int run = 0; run < 5; ++run) {
        FicheCommands fresh(path, view);
        QElapsedTimer timer;
        timer.start();
        fresh.prepare();
        key.add(timer);
    }
    out << QStringLiteral("deriving the built-in key (once per window, when the \"&Fiche\" menu first opens): "
                          "median %1 ms\n")
               .arg(key.median(), 0, 'f', 1);

    FicheCommands commands(path, view);
    const FicheDates dates{QDate(2009, 1, 15), QDate(2009, 1, 1), QDate(2009, 10, 15)};
    Figures opening, saving, deleting;
    // The window's commands run after the "&Fiche" menu opened, key derived, and
    // after the practice password, if any, was given once.
    commands.prepare();
    ShowingPicker first;
    commands.openFiche(boxes, first);
    for (int i = 0; i < Samples; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!commands.openChosen(nameOf(i * 397 % Records), prompt))
            return false;
        opening.add(timer);

        prompt.answer = QStringLiteral("Nouvelle fiche %1").arg(i);
        timer.start();
        commands.saveFiche(dates, boxes);
        saving.add(timer);

        timer.start();
        commands.deleteFiche(boxes);
        deleting.add(timer);
    }
    if (prompt.messages != 0 || passwordBox.inputs > 5 + 1) {
        out << "a command failed, or the password was asked more than once per window\n";
        return false;
    }
    report(out, "opening one record", opening, 50, ok);
    report(out, "saving one record", saving, 50, ok);
    report(out, "deleting one record", deleting, 50, ok);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Fiches.gro"));
    if (!dir.isValid() || !fill(path)) {
        out << "cannot prepare the record file\n";
        return 1;
    }
    out << Records << " records\n";
    bool ok = true;
    if (!runCommands(out, path, false, ok))
        return 1;

    PregnancyRecordStore store(path);
    QElapsedTimer timer;
    timer.start();
    if (store.changePassword(Password.toUtf8()) != RecordStoreStatus::Ok) {
        out << "cannot set the practice password\n";
        return 1;
    }
    out << QStringLiteral("setting the password, %1 records re-keyed and read back: %2 ms\n")
               .arg(Records)
               .arg(timer.nsecsElapsed() / 1e6, 0, 'f', 1);
    Figures derivation;
    for (int run = 0; run < 5; ++run) {
        PregnancyRecordStore fresh(path);
        timer.start();
        if (fresh.unlock(Password.toUtf8()) != RecordStoreStatus::Ok)
            return 1;
        derivation.add(timer);
    }
    out << QStringLiteral("deriving the password's key (PBKDF2-HMAC-SHA512, %1 rounds; once per window) and "
                          "opening the file with it: median %2 ms\n")
               .arg(SqlCipherKey::PasswordRounds)
               .arg(derivation.median(), 0, 'f', 1);
    if (!runCommands(out, path, true, ok))
        return 1;
    return ok ? 0 : 2;
}
