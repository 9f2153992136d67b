#pragma once

#include <QObject>
#include <QString>

class Tape;

// The tape as the user's document. A tape loaded from or saved to a file is
// named after it and remembers whether its finished lines changed since;
// any other tape is a scratch tape that is never worth a question.
class TapeDocument : public QObject
{
    Q_OBJECT
public:
    explicit TapeDocument(Tape &tape, QObject *parent = nullptr);

    QString fileName() const { return m_path; } // empty for a scratch tape
    bool isModified() const { return m_modified; }
    // A named tape with changes that are not in its file.
    bool hasUnsavedChanges() const { return !m_path.isEmpty() && m_modified; }

    // The tape now matches this file (just saved or loaded).
    void setFile(const QString &path);
    // A new, unnamed tape.
    void setScratch();

    // "Tarvolix", or "Tarvolix - name.dat" with an asterisk while changed.
    QString caption() const;

    static QString saveChangesQuestion()
    {
        return QStringLiteral("La bande de calcul a été modifiée. Voulez-vous enregistrer les modifications ?");
    }

signals:
    void captionChanged(const QString &caption);

private:
    void setModified(bool modified);

    Tape &m_tape;
    QString m_path;
    bool m_modified = false;
};
