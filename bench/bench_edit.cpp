// Recalculating one long calculation (10k, 100k, 1M lines) and removing the
// cancelled calculations of a 1,000,000-line tape where one line in ten
// belongs to a cancelled calculation: both must grow linearly.
#include "calc/CalcEngine.h"
#include "dialogs/UserPrompt.h"
#include "tape/CancelledCalculations.h"
#include "tape/Recalculator.h"
#include "tape/Tape.h"

#include <QElapsedTimer>
#include <cstdio>

namespace {

class SilentPrompt : public UserPrompt
{
public:
    void message(const QString &, Icon) override { }
    Answer question(const QString &) override { return Answer::No; }
    QString input(const QString &, const QString &) override { return QString(); }
};

double recalculationMs(int lines)
{
    SilentPrompt prompt;
    Tape tape;
    CalcEngine engine(tape, prompt);
    engine.digitKey(1);
    while (tape.openLineIndex() < lines - 1) {
        engine.operatorKey(Operator::Add);
        engine.digitKey(3);
    }
    engine.equalsKey();
    QElapsedTimer timer;
    timer.start();
    Recalculator::recalculate(tape, 0, tape.openLineIndex() - 1);
    return double(timer.nsecsElapsed()) / 1e6;
}

double removalMs(int lines)
{
    SilentPrompt prompt;
    Tape tape;
    CalcEngine engine(tape, prompt);
    // Six finished calculations of three lines, then a cancelled one of two
    // lines: one line in ten is cancelled.
    int calculation = 0;
    while (tape.openLineIndex() < lines) {
        engine.digitKey(4);
        engine.operatorKey(Operator::Add);
        engine.digitKey(5);
        if (++calculation % 7 == 0)
            engine.clearAllKey();
        else
            engine.equalsKey();
    }
    const qint64 before = tape.openLineIndex();
    QElapsedTimer timer;
    timer.start();
    const long long removed = CancelledCalculations::remove(tape);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("  %lld lines, %lld removed (%.1f%%)\n", static_cast<long long>(before), removed,
                100.0 * double(removed) / double(before));
    return ms;
}

} // namespace

int main()
{
    for (int lines : {10000, 100000, 1000000})
        std::printf("recalculating a block of %d lines: %.1f ms\n", lines, recalculationMs(lines));
    std::printf("removing cancelled calculations (target at most 1 s):\n");
    for (int lines : {100000, 1000000})
        std::printf("  %.1f ms\n", removalMs(lines));
    return 0;
}
