#pragma once

#include <QList>
#include <QString>

#include <array>

// The eight-question tobacco dependence test: twenty answer boxes, at most one
// checked per question, the score being the sum of the checked answers' points.
class TobaccoScore
{
public:
    static constexpr int BoxCount = 20;
    static constexpr int QuestionCount = 8;

    static QString questionText(int question);
    static QString answerCaption(int box);
    static quint8 answerPoints(int box);
    static int questionOf(int box);
    // The boxes of a question, in increasing order.
    static QList<int> boxesOf(int question);
    static QString classText(int score);

    // Applies a click that left `box` in the state `checked`; returns the
    // other boxes of its question that the click unchecked.
    QList<int> setChecked(int box, bool checked);

    bool isChecked(int box) const;
    quint8 score() const { return m_score; }
    QString classText() const { return classText(m_score); }

private:
    std::array<bool, BoxCount> m_checked{};
    quint8 m_score = 0;
};
