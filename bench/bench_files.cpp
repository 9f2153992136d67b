// Save and load of a 1,000,000-line tape, against a bare loop that reads
// the same file line by line and splits it at commas.
#include "calc/CalcEngine.h"
#include "dialogs/UserPrompt.h"
#include "tape/Tape.h"
#include "tape/TapeFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

class SilentPrompt : public UserPrompt
{
public:
    void message(const QString &, Icon) override {}
    Answer question(const QString &) override { return Answer::No; }
    QString input(const QString &, const QString &) override { return {}; }
};

std::deque<TapeLine> sampleLines(int count)
{
    std::deque<TapeLine> lines;
    for (int i = 0; i < count; ++i) {
        TapeLine line;
        const int k = i % 4;
        line.cells[0] = k == 0 ? QString() : k == 3 ? QStringLiteral("=") : QStringLiteral("+");
        line.cells[1] = QString::number(i * 1.25, 'g', 12).replace(QLatin1Char('.'), QLatin1Char(','));
        if (i % 10 == 0)
            line.cells[2] = QStringLiteral("          consultation n° %1, réglée").arg(i);
        line.backColor = k == 3 ? Tape::TotalBack : 0;
        lines.push_back(std::move(line));
    }
    return lines;
}

qint64 bareLoop(const QString &path, std::size_t &fields)
{
    QElapsedTimer timer;
    timer.start();
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::string line;
    std::vector<std::string> parts;
    fields = 0;
    while (std::getline(in, line)) {
        parts.clear();
        std::size_t start = 0;
        for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
            parts.emplace_back(line, start, comma - start);
        parts.emplace_back(line, start);
        fields += parts.size();
    }
    return timer.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir dir; dir.setAutoRemove(!qEnvironmentVariableIsSet("KEEP"));
    const QString path = qEnvironmentVariableIsSet("KEEP") ? QStringLiteral("/tmp/bench.dat") : dir.filePath(QStringLiteral("bench.dat"));

    Tape tape;
    SilentPrompt prompt;
    CalcEngine engine(tape, prompt);
    tape.replace(sampleLines(count));

    QElapsedTimer timer;
    timer.start();
    const QString saved = TapeFile::save(tape, path, QStringLiteral("1.0.0"));
    const qint64 saveMs = timer.elapsed();
    if (!saved.isEmpty()) {
        std::fprintf(stderr, "save failed: %s\n", qPrintable(saved));
        return 1;
    }

    // Loading as after start-up: into an empty tape.
    Tape fresh;
    CalcEngine freshEngine(fresh, prompt);
    timer.restart();
    TapeFile::Loaded loaded = TapeFile::load(path);
    TapeFile::apply(fresh, freshEngine, std::move(loaded.lines));
    const qint64 loadMs = timer.elapsed();
    if (!loaded.message.isEmpty() || fresh.openLineIndex() != count) {
        std::fprintf(stderr, "load failed\n");
        return 1;
    }

    // Loading over the tape just saved also frees its million lines.
    timer.restart();
    TapeFile::Loaded over = TapeFile::load(path);
    TapeFile::apply(tape, engine, std::move(over.lines));
    const qint64 loadOverMs = timer.elapsed();

    std::size_t fields = 0;
    const qint64 bareMs = std::max<qint64>(1, bareLoop(path, fields));
    std::printf("lines %d, fields split by the bare loop %zu\n", count, fields);
    std::printf("save %lld ms (ratio to bare loop %.2f)\n", (long long)saveMs, double(saveMs) / double(bareMs));
    std::printf("load %lld ms (ratio to bare loop %.2f)\n", (long long)loadMs, double(loadMs) / double(bareMs));
    std::printf("load over a full tape %lld ms (ratio to bare loop %.2f)\n", (long long)loadOverMs,
                double(loadOverMs) / double(bareMs));
    std::printf("bare read-and-split loop %lld ms\n", (long long)bareMs);
    const bool ok = saveMs <= 1000 && loadMs <= 1000 && saveMs <= 5 * bareMs && loadMs <= 5 * bareMs;
    std::printf("%s\n", ok ? "within targets" : "OUT OF TARGET");
    return ok ? 0 : 2;
}
