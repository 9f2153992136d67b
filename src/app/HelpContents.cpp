#include "app/HelpContents.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

QString plainText(QString html)
{
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    html.remove(tag);
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&nbsp;"), QStringLiteral(" "))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

// Sorting key: letters without their accents, lower case.
QString sortKey(const QString &term)
{
    QString key;
    for (const QChar c : term.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            key += c.toLower();
    return key;
}

} // namespace

HelpContents HelpContents::parse(const QString &html)
{
    static const QRegularExpression marker(
        QStringLiteral("<h([1-3])[^>]*>\\s*<a name=\"rubrique-(\\d+)\">(.*?)</a>\\s*</h\\1>"
                       "|<!--\\s*index:(.*?)-->"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);

    HelpContents contents;
    auto it = marker.globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            contents.m_topics.append({m.captured(2).toInt(), m.captured(1).toInt(), plainText(m.captured(3))});
            continue;
        }
        if (contents.m_topics.isEmpty())
            continue; // an index term needs a topic to lead to
        const int topic = contents.m_topics.constLast().number;
        for (const QString &term : m.captured(4).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString clean = term.simplified();
            if (!clean.isEmpty())
                contents.m_index.append({clean, topic});
        }
    }
    std::stable_sort(
        contents.m_index.begin(), contents.m_index.end(),
        [](const HelpIndexEntry &a, const HelpIndexEntry &b) { return sortKey(a.term) < sortKey(b.term); });
    return contents;
}

const HelpTopic *HelpContents::topic(int number) const
{
    for (const HelpTopic &t : m_topics)
        if (t.number == number)
            return &t;
    return nullptr;
}
