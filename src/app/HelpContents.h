#pragma once

#include <QString>
#include <QVector>

// One numbered topic of the help file: a heading carrying the anchor
// "rubrique-<number>".
struct HelpTopic
{
    int number = 0;
    int level = 1; // 1 for a chapter, 2 or 3 for its sections
    QString title;
    QString anchor() const { return QStringLiteral("rubrique-%1").arg(number); }
};

// One entry of the help index and the topic it leads to.
struct HelpIndexEntry
{
    QString term;
    int topic = 0;
};

// The table of contents and the index of the help file, read from its HTML:
// topics are headings <hN><a name="rubrique-K">title</a></hN>, index terms
// are comments <!-- index: term; term --> that belong to the topic above them.
class HelpContents
{
public:
    static HelpContents parse(const QString &html);

    // In the order of the file.
    const QVector<HelpTopic> &topics() const { return m_topics; }
    // Sorted alphabetically, accents ignored.
    const QVector<HelpIndexEntry> &index() const { return m_index; }
    // The topic of that number, or nullptr.
    const HelpTopic *topic(int number) const;

private:
    QVector<HelpTopic> m_topics;
    QVector<HelpIndexEntry> m_index;
};

namespace HelpLocation {
// The help file is named after the product and stands beside the program:
// the folder, then "/Tarvolix".
inline QString helpPath(const QString &programFolder) { return programFolder + QStringLiteral("/Tarvolix"); }
// The file the help viewer reads for that path.
inline QString helpFile(const QString &helpPath) { return helpPath + QStringLiteral(".html"); }
} // namespace HelpLocation
