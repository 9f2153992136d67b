#pragma once

#include "tape/TapeLines.h"

#include <QString>

class CalcEngine;
class Tape;

// Saving and loading the finished lines of a tape as a .dat file, and the
// calculator state a loaded tape leaves behind. Saving replaces the file
// in one step, so a failed save keeps the previous file; loading reads the
// whole file before touching the tape, so a bad file changes nothing.
class TapeFile
{
public:
    static QString saveFailedMessage() { return QStringLiteral("Une erreur s'est produite lors de la sauvegarde."); }
    static QString wrongFormatMessage() { return QStringLiteral("Format de fichier erroné."); }
    static QString openFailedMessage()
    {
        return QStringLiteral("Une erreur s'est produite lors de l'ouverture du fichier.");
    }

    // An empty message on success, otherwise the French message to show.
    static QString save(const Tape &tape, const QString &path, const QString &version);

    // A million-line tape takes about 22 MB: a file beyond this size is
    // refused before it is read.
    static constexpr qint64 MaxFileSize = qint64(1) << 30;

    struct Loaded
    {
        QString message; // empty on success
        TapeLines lines;
    };
    static Loaded load(const QString &path);

    // Puts the loaded lines on the tape and continues the calculator from
    // the value of the last one (CalcEngine::resumeFromTape).
    static void apply(Tape &tape, CalcEngine &engine, TapeLines lines);

    // For the comment editor: a comment the file can hold unchanged.
    static bool canStoreComment(const QString &comment, QString *message);
};
