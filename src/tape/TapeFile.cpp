#include "tape/TapeFile.h"

#include "calc/CalcEngine.h"
#include "tape/Tape.h"
#include "tape/TapeFileFormat.h"

#include <QFile>
#include <QSaveFile>

QString TapeFile::save(const Tape &tape, const QString &path, const QString &version)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailedMessage();
    QString refusal;
    const TapeFileFormat::WriteStatus status = TapeFileFormat::write(
        file, tape.openLineIndex(), [&tape](qint64 i) -> const TapeLine & { return tape.line(i); }, version, &refusal);
    if (status == TapeFileFormat::WriteStatus::Refused) {
        file.cancelWriting();
        return refusal;
    }
    if (status != TapeFileFormat::WriteStatus::Ok || !file.commit())
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
    if (file.size() > MaxFileSize) {
        loaded.message = wrongFormatMessage();
        return loaded;
    }
    TapeFileFormat::ReadResult result = TapeFileFormat::read(file);
    switch (result.status) {
    case TapeFileFormat::ReadStatus::Ok: loaded.lines = std::move(result.lines); break;
    case TapeFileFormat::ReadStatus::NotATapeFile: loaded.message = wrongFormatMessage(); break;
    case TapeFileFormat::ReadStatus::DeviceFailed: loaded.message = openFailedMessage(); break;
    }
    return loaded;
}

void TapeFile::apply(Tape &tape, CalcEngine &engine, TapeLines lines)
{
    tape.replace(std::move(lines));
    engine.resumeFromTape();
}

bool TapeFile::canStoreComment(const QString &comment, QString *message)
{
    return TapeFileFormat::canStoreComment(comment, message);
}
