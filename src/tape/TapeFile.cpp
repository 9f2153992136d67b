#include "tape/TapeFile.h"

#include "calc/CalcEngine.h"
#include "calc/NumberText.h"
#include "tape/Tape.h"
#include "tape/TapeFileFormat.h"

#include <QFile>
#include <QSaveFile>

QString TapeFile::save(const Tape &tape, const QString &path, const QString &version)
{
    QString refusal;
    const std::optional<QByteArray> bytes = TapeFileFormat::write(
        tape.openLineIndex(), [&tape](qint64 i) -> const TapeLine & { return tape.line(i); }, version,
        &refusal);
    if (!bytes)
        return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit())
        return saveFailedMessage();
    return QString();
}

TapeFile::Loaded TapeFile::load(const QString &path)
{
    Loaded loaded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.message = openFailedMessage();
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.message = openFailedMessage();
        return loaded;
    }
    TapeFileFormat::ReadResult result = TapeFileFormat::read(bytes);
    switch (result.status) {
    case TapeFileFormat::ReadStatus::Ok: loaded.lines = std::move(result.lines); break;
    case TapeFileFormat::ReadStatus::NotATapeFile: loaded.message = wrongFormatMessage(); break;
    case TapeFileFormat::ReadStatus::Unreadable: loaded.message = openFailedMessage(); break;
    }
    return loaded;
}

void TapeFile::apply(Tape &tape, CalcEngine &engine, std::deque<TapeLine> lines)
{
    double accumulator = 0;
    EntryState state = EntryState::Cleared;
    if (!lines.empty()) {
        const QString &value = lines.back().cells[Tape::ValueColumn];
        if (value != QLatin1String("Annulation") && value != QLatin1String("Erreur!")) {
            if (const std::optional<double> number = TextToNumber(value)) {
                accumulator = *number;
                state = EntryState::ResultShown;
            }
        }
    }
    tape.replace(std::move(lines));
    engine.restart(accumulator, state);
}

bool TapeFile::canStoreComment(const QString &comment, QString *message)
{
    return TapeFileFormat::canStoreComment(comment, message);
}
