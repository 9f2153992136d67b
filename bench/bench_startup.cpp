// Start-up time and peak memory of the calculator window against a bare Qt
// window, interleaved in the same run. Run under an X server, for example:
//   xvfb-run -a ./build/bench/bench_startup ./build/tarvolix ./build/bench/bare_window 20
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample
{
    double ms = 0;
    long rssKb = 0;
};

bool run(const char *program, Sample &sample)
{
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::string start = std::to_string(now.tv_sec * 1000000000LL + now.tv_nsec);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        setenv("TARVOLIX_EXEC_NS", start.c_str(), 1);
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buffer[256] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long ns = 0;
    return n > 0 && std::sscanf(buffer, "startup_ns=%lld rss_kb=%ld", &ns, &sample.rssKb) == 2
        && (sample.ms = double(ns) / 1e6, true);
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <tarvolix> <bare_window> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<double> appMs, bareMs, appRss, bareRss;
    for (int i = 0; i < runs + 1; ++i) {
        Sample app, bare;
        if (!run(argv[1], app) || !run(argv[2], bare)) {
            std::fprintf(stderr, "a program did not report (is an X server running?)\n");
            return 1;
        }
        if (i == 0)
            continue; // warm the file cache
        appMs.push_back(app.ms);
        bareMs.push_back(bare.ms);
        appRss.push_back(double(app.rssKb));
        bareRss.push_back(double(bare.rssKb));
    }
    const double ratio = median(appMs) / median(bareMs);
    std::printf("calculator: median %.1f ms, peak RSS %.1f MiB\n", median(appMs), median(appRss) / 1024);
    std::printf("bare Qt window: median %.1f ms, peak RSS %.1f MiB\n", median(bareMs), median(bareRss) / 1024);
    std::printf("ratio %.2f (target at most 1.25), calculator RSS target at most 40 MiB\n", ratio);
    return 0;
}
