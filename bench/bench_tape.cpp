// Key actions and tape appends stay O(1): 100,000 key actions on an empty
// tape against the same on a tape that already holds 1,000,000 lines; and the
// memory a line of the tape takes (peak RSS).
#include "calc/CalcEngine.h"
#include "dialogs/UserPrompt.h"
#include "tape/Tape.h"

#include <QElapsedTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

class SilentPrompt : public UserPrompt
{
public:
    void message(const QString &, Icon) override { }
    Answer question(const QString &) override { return Answer::No; }
    QString input(const QString &, const QString &) override { return QString(); }
};

// 1 2 + 3 4 , 5 = : 8 key actions writing 3 lines.
void calculation(CalcEngine &engine)
{
    engine.digitKey(1);
    engine.digitKey(2);
    engine.operatorKey(Operator::Add);
    engine.digitKey(3);
    engine.digitKey(4);
    engine.decimalKey();
    engine.digitKey(5);
    engine.equalsKey();
}

double nsPerKey(CalcEngine &engine, int keyActions)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keyActions / 8; ++i)
        calculation(engine);
    return double(timer.nsecsElapsed()) / keyActions;
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main()
{
    SilentPrompt prompt;
    const long baseKb = peakRssKb();
    Tape empty;
    CalcEngine onEmpty(empty, prompt);
    const double emptyNs = nsPerKey(onEmpty, 100000);

    Tape full;
    CalcEngine onFull(full, prompt);
    while (full.openLineIndex() < 1000000)
        calculation(onFull);
    const long fullKb = peakRssKb();
    const qint64 lines = full.openLineIndex();
    const double fullNs = nsPerKey(onFull, 100000);

    std::printf("key action on an empty tape: %.0f ns\n", emptyNs);
    std::printf("key action on a tape of %lld lines: %.0f ns (ratio %.2f, target at most 2)\n",
                static_cast<long long>(lines), fullNs, fullNs / emptyNs);
    std::printf("memory per line: %.0f bytes (peak RSS %.1f MiB; target at most 256 bytes)\n",
                double(fullKb - baseKb) * 1024 / double(lines), double(fullKb) / 1024);
    return 0;
}
