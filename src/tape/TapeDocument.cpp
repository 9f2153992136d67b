#include "tape/TapeDocument.h"

#include "dialogs/AppInfo.h"
#include "tape/Tape.h"

#include <QFileInfo>

TapeDocument::TapeDocument(Tape &tape, QObject *parent) : QObject(parent), m_tape(tape)
{
    // Only the finished lines go to the file: what the engine writes on the
    // open line changes the document once the line is closed.
    connect(&tape, &Tape::lineChanged, this, [this](qint64 line) {
        if (line != m_tape.openLineIndex())
            setModified(true);
    });
    for (auto signal : {&Tape::lineAppended, &Tape::lineRemoved, &Tape::tapeReset})
        connect(&tape, signal, this, [this] { setModified(true); });
}

void TapeDocument::setFile(const QString &path)
{
    m_path = path;
    m_modified = false;
    emit captionChanged(caption());
}

void TapeDocument::setScratch() { setFile(QString()); }

void TapeDocument::setModified(bool modified)
{
    if (m_modified == modified)
        return;
    m_modified = modified;
    if (!m_path.isEmpty())
        emit captionChanged(caption());
}

QString TapeDocument::caption() const
{
    if (m_path.isEmpty())
        return AppInfo::title();
    return AppInfo::title() + QStringLiteral(" - ") + QFileInfo(m_path).fileName()
        + (m_modified ? QStringLiteral("*") : QString());
}
