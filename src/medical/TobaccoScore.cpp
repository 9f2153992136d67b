#include "medical/TobaccoScore.h"

namespace {
struct Answer
{
    int question;
    const char16_t *caption;
    quint8 points;
};

const Answer Answers[TobaccoScore::BoxCount] = {
    {0, u"moins de 15", 0},
    {0, u"de 16 à 25", 1},
    {0, u"plus de 25", 2},
    {1, u"moins de 0,6 mg", 0},
    {1, u"de 0,6 à 1 mg", 1},
    {1, u"plus de 1 mg", 2},
    {2, u"jamais", 0},
    {2, u"parfois", 1},
    {2, u"toujours", 2},
    {3, u"oui", 1},
    {3, u"non", 0},
    {4, u"au lever", 2},
    {4, u"après le petit-déjeuner", 1},
    {4, u"plus tard", 0},
    {5, u"la première", 1},
    {5, u"une autre", 0},
    {6, u"oui", 1},
    {6, u"non", 0},
    {7, u"oui", 1},
    {7, u"non", 0},
};

const char16_t *const Questions[TobaccoScore::QuestionCount] = {
    u"Nbre de cigarettes/j",
    u"Taux de nicotine",
    u"Inhalez vous la fumée ?",
    u"Fumez vous plus le matin ?",
    u"Première cigarette",
    u"Qu'elle est la meilleure ?",
    u"Difficile de ne pas fumer dans les endroits interdits ?",
    u"Fumez vous même si vous devez rester au lit ?",
};

bool isBox(int box) { return box >= 0 && box < TobaccoScore::BoxCount; }
} // namespace

QString TobaccoScore::questionText(int question)
{
    if (question < 0 || question >= QuestionCount)
        return {};
    return QString::fromUtf16(Questions[question]);
}

QString TobaccoScore::answerCaption(int box)
{
    return isBox(box) ? QString::fromUtf16(Answers[box].caption) : QString();
}

quint8 TobaccoScore::answerPoints(int box) { return isBox(box) ? Answers[box].points : 0; }

int TobaccoScore::questionOf(int box) { return isBox(box) ? Answers[box].question : -1; }

QList<int> TobaccoScore::boxesOf(int question)
{
    QList<int> boxes;
    for (int box = 0; box < BoxCount; ++box) {
        if (Answers[box].question == question)
            boxes.append(box);
    }
    return boxes;
}

QString TobaccoScore::classText(int score)
{
    if (score >= 10)
        return QStringLiteral("(très forte dépendance)");
    if (score >= 7)
        return QStringLiteral("(forte dépendance)");
    if (score >= 4)
        return QStringLiteral("(dépendance)");
    return QStringLiteral("(pas ou peu de dépendance)");
}

QList<int> TobaccoScore::setChecked(int box, bool checked)
{
    QList<int> unchecked;
    if (!isBox(box) || m_checked[box] == checked)
        return unchecked;
    if (checked) {
        for (int other : boxesOf(questionOf(box))) {
            if (other != box && m_checked[other]) {
                m_checked[other] = false;
                m_score -= Answers[other].points;
                unchecked.append(other);
            }
        }
        m_checked[box] = true;
        m_score += Answers[box].points;
    } else {
        m_checked[box] = false;
        m_score -= Answers[box].points;
    }
    return unchecked;
}

bool TobaccoScore::isChecked(int box) const { return isBox(box) && m_checked[box]; }
