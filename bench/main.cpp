// lumora-bench [--runs N] [--dir D] [--tree flat|nested|big]
//
// Times the engine's tree copy and deletion, as the installer's content
// operations run them (CountFiles, then CopyFiles or DeleteFiles with a real
// progress bar on a shown window, events let through for every file),
// against `cp -r` and `rm -rf` of the same trees. Runs alternate engine,
// tool, engine, tool... after one untimed warm-up pair, which also checks
// that both copies came out whole.
//
// Fairness: every source tree is written once and read warm by both sides
// (it is read through before every timed run, since the system may page out
// what was not touched for a while); every run writes to a fresh destination
// in the same folder; a sync before each timed run starts both sides with no
// dirty pages of an earlier run.
// The tools are child processes timed from spawn to exit.
//
// The last line printed is the summary, exactly:
//   copy/cp flat=R nested=R big=R delete/rm=R maxgap_ms=N peak_mb=N
// where R is the median of the per-pair ratios (delete/rm over the pairs of
// all three trees), maxgap_ms the longest time the event loop went without
// handling events during any copy of the big tree, and peak_mb the peak
// resident memory of this process.
#include "Application.h"
#include "BenchTrees.h"
#include "Controls.h"
#include "FolderItem.h"
#include "Installer.h"
#include "Window.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Options {
    int runs = 7;
    fs::path dir;
    std::string only;   // one tree by name, for profiling; "" for all three
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    const char* tmp = std::getenv("TMPDIR");
    options.dir = tmp && *tmp ? tmp : "/tmp";
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            options.runs = std::atoi(argv[++i]);
        } else if (arg == "--dir" && i + 1 < argc) {
            options.dir = argv[++i];
        } else if (arg == "--tree" && i + 1 < argc) {
            options.only = argv[++i];
        } else {
            std::fprintf(stderr, "usage: lumora-bench [--runs N] [--dir D] [--tree flat|nested|big]\n");
            std::exit(2);
        }
    }
    if (options.runs < 1) {
        std::fprintf(stderr, "lumora-bench: --runs must be at least 1\n");
        std::exit(2);
    }
    return options;
}

// Median, minimum and maximum of a set of samples.
struct Stats {
    std::vector<double> samples;
    void Add(double x) { samples.push_back(x); }
    double Median() const
    {
        std::vector<double> s = samples;
        std::sort(s.begin(), s.end());
        std::size_t n = s.size();
        return n == 0 ? 0 : n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
    }
    double Min() const { return *std::min_element(samples.begin(), samples.end()); }
    double Max() const { return *std::max_element(samples.begin(), samples.end()); }
};

[[noreturn]] void die(const std::string& why)
{
    throw std::runtime_error(why);
}

// Wall time and CPU time (user and system), in seconds.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double cpuSeconds(const rusage& usage)
{
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ownCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return cpuSeconds(usage);
}

// Runs a tool to its end, timed from its start to its exit.
Timing runTool(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    auto start = Clock::now();
    pid_t pid;
    int err = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (err != 0)
        die("cannot run " + args[0] + ": " + std::strerror(err));
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0)
        die("cannot wait for " + args[0] + ": " + std::strerror(errno));
    double seconds = secondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        die(args[0] + " failed on " + args.back());
    return {seconds, cpuSeconds(usage)};
}

// Measures the longest time the event loop goes without handling events: a
// 1 ms timer whose timeouts can only be delivered when events are handled.
class GapMeter {
public:
    GapMeter()
    {
        m_timer.setInterval(1);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
    }
    void Start()
    {
        m_last = Clock::now();
        m_timer.start();
    }
    void Stop()
    {
        Tick();
        m_timer.stop();
    }
    double MaxMs() const { return m_maxMs; }

private:
    void Tick()
    {
        auto now = Clock::now();
        m_maxMs = std::max(m_maxMs, std::chrono::duration<double, std::milli>(now - m_last).count());
        m_last = now;
    }
    QTimer m_timer;
    Clock::time_point m_last;
    double m_maxMs = 0;
};

struct Bench {
    fs::path work;          // the temporary folder holding every tree
    ProgressBar* bar = nullptr;
    GapMeter gaps;
    int serial = 0;

    fs::path Fresh(const std::string& what) { return work / (what + "-" + std::to_string(++serial)); }

    // CountFiles then CopyFiles into a new destination folder, as a content
    // operation runs them.
    Timing EngineCopy(const fs::path& source, const fs::path& destination, int expectedFiles, bool measureGaps)
    {
        Installer installer;
        FolderItem from(source), to(destination);
        if (measureGaps)
            gaps.Start();
        double cpu = ownCpuSeconds();
        auto start = Clock::now();
        bar->SetValue(0);
        bar->SetMaximum(installer.CountFiles(from, true));
        bool created = to.CreateAsFolder();
        bool copied = installer.CopyFiles(from, to, *bar, 1);
        Timing timing{secondsSince(start), ownCpuSeconds() - cpu};
        if (measureGaps)
            gaps.Stop();
        if (!created || !copied)
            die("the engine's copy of " + source.string() + " failed");
        if (bar->Maximum() != expectedFiles || bar->Value() != expectedFiles)
            die("the bar of the copy of " + source.string() + " ended at " + std::to_string(bar->Value()) + " of "
                + std::to_string(bar->Maximum()) + ", not at " + std::to_string(expectedFiles));
        return timing;
    }

    // CountFiles then DeleteFiles, as an uninstall runs them.
    Timing EngineDelete(const fs::path& folder, int expectedFiles)
    {
        Installer installer;
        FolderItem item(folder);
        double cpu = ownCpuSeconds();
        auto start = Clock::now();
        int count = installer.CountFiles(item, true);
        bar->SetMaximum(count);
        bar->SetValue(count);
        installer.DeleteFiles(item, *bar);
        Timing timing{secondsSince(start), ownCpuSeconds() - cpu};
        if (count != expectedFiles || bar->Value() != 0)
            die("the bar of the deletion of " + folder.string() + " ran from " + std::to_string(count) + " to "
                + std::to_string(bar->Value()) + ", not from " + std::to_string(expectedFiles) + " to 0");
        if (fs::exists(folder))
            die("the engine left " + folder.string() + " behind");
        return timing;
    }
};

// One side's runs: wall and CPU times.
struct Side {
    Stats wall, cpu;
    void Add(const Timing& t)
    {
        wall.Add(t.wall);
        cpu.Add(t.cpu);
    }
};

struct TreeResult {
    TreeShape shape;
    Side engineCopy, cpCopy, engineDelete, rmDelete;
    Stats copyRatio, deleteRatio;
};

void logPair(const TreeResult& result, const char* op, int run, const char* tool, const Timing& a, const Timing& b)
{
    std::fprintf(stderr, "  %s %s %s: engine %.1f ms (cpu %.1f), %s %.1f ms (cpu %.1f)\n", result.shape.name.c_str(), op,
                 run == 0 ? "warm-up" : std::to_string(run).c_str(), a.wall * 1000, a.cpu * 1000, tool,
                 b.wall * 1000, b.cpu * 1000);
}

// Before every timed run: no dirty pages of an earlier run, and the source
// in memory (this machine pages out what was not touched for a while).
void settle(const fs::path& source)
{
    ::sync();
    ReadTree(source);
}

void checkCopy(const fs::path& source, const fs::path& copy, const char* who)
{
    std::string diff = CompareTrees(source, copy);
    if (!diff.empty())
        die(std::string(who) + " copied " + source.string() + " wrongly: " + diff);
}

// The copies stay until every tree's copy runs are done: this machine's file
// system (ext4 without a journal) passes over inodes freed in the last minute
// when it makes a new file, so a copy made just after twenty thousand
// deletions crawls, and by an amount that depends on the moment.
void benchCopy(Bench& bench, const fs::path& source, TreeResult& result, int runs, bool measureGaps,
               std::vector<fs::path>& copies)
{
    int files = result.shape.FileCount();
    for (int run = 0; run <= runs; ++run) {
        bool warmUp = run == 0;
        fs::path mine = bench.Fresh(result.shape.name + "-engine");
        settle(source);
        Timing a = bench.EngineCopy(source, mine, files, measureGaps);
        if (warmUp)
            checkCopy(source, mine, "the engine");
        copies.push_back(mine);

        fs::path theirs = bench.Fresh(result.shape.name + "-cp");
        settle(source);
        Timing b = runTool({"cp", "-r", source.string(), theirs.string()});
        if (warmUp)
            checkCopy(source, theirs, "cp -r");
        copies.push_back(theirs);
        logPair(result, "copy", run, "cp -r", a, b);
        if (warmUp)
            continue;
        result.engineCopy.Add(a);
        result.cpCopy.Add(b);
        result.copyRatio.Add(a.wall / b.wall);
    }
}

void benchDelete(Bench& bench, const fs::path& source, TreeResult& result, int runs)
{
    int files = result.shape.FileCount();
    for (int run = 0; run <= runs; ++run) {
        fs::path mine = bench.Fresh(result.shape.name + "-delete-engine");
        runTool({"cp", "-r", source.string(), mine.string()});
        settle(source);
        Timing a = bench.EngineDelete(mine, files);

        fs::path theirs = bench.Fresh(result.shape.name + "-delete-rm");
        runTool({"cp", "-r", source.string(), theirs.string()});
        settle(source);
        Timing b = runTool({"rm", "-rf", theirs.string()});
        logPair(result, "delete", run, "rm -rf", a, b);
        if (run == 0)
            continue;
        result.engineDelete.Add(a);
        result.rmDelete.Add(b);
        result.deleteRatio.Add(a.wall / b.wall);
    }
}

void printRow(const std::string& tree, const char* what, const Stats& s, double scale, const char* format)
{
    std::printf("%-7s %-16s", tree.c_str(), what);
    for (double v : {s.Median(), s.Min(), s.Max()}) {
        std::printf(" ");
        std::printf(format, v * scale);
    }
    std::printf("\n");
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;   // KiB on Linux
}

void report(const std::vector<TreeResult>& results, const Options& options, double maxGapMs)
{
    std::printf("\n%d timed runs per side after one warm-up, in %s\n", options.runs, options.dir.c_str());
    std::printf("%-7s %-16s %10s %10s %10s\n", "tree", "measure", "median", "min", "max");
    Stats allDeleteRatios;
    for (const auto& r : results) {
        printRow(r.shape.name, "engine copy ms", r.engineCopy.wall, 1000, "%10.1f");
        printRow(r.shape.name, "  cpu ms", r.engineCopy.cpu, 1000, "%10.1f");
        printRow(r.shape.name, "cp -r ms", r.cpCopy.wall, 1000, "%10.1f");
        printRow(r.shape.name, "  cpu ms", r.cpCopy.cpu, 1000, "%10.1f");
        printRow(r.shape.name, "copy/cp", r.copyRatio, 1, "%10.3f");
        printRow(r.shape.name, "engine delete ms", r.engineDelete.wall, 1000, "%10.1f");
        printRow(r.shape.name, "  cpu ms", r.engineDelete.cpu, 1000, "%10.1f");
        printRow(r.shape.name, "rm -rf ms", r.rmDelete.wall, 1000, "%10.1f");
        printRow(r.shape.name, "  cpu ms", r.rmDelete.cpu, 1000, "%10.1f");
        printRow(r.shape.name, "delete/rm", r.deleteRatio, 1, "%10.3f");
        for (double x : r.deleteRatio.samples)
            allDeleteRatios.Add(x);
    }
    long peakMb = (peakResidentKiB() + 1023) / 1024;
    std::printf("delete/rm below: median over the %zu pairs of all three trees\n", allDeleteRatios.samples.size());
    std::printf("maxgap_ms: longest time without event handling during the big tree's copies (warm-up included)\n");
    std::string last = "copy/cp";
    char figure[64];
    for (const auto& r : results) {
        std::snprintf(figure, sizeof figure, " %s=%.2f", r.shape.name.c_str(), r.copyRatio.Median());
        last += figure;
    }
    std::snprintf(figure, sizeof figure, " delete/rm=%.2f maxgap_ms=%ld peak_mb=%ld", allDeleteRatios.Median(),
                  std::lround(std::ceil(maxGapMs)), peakMb);
    std::printf("%s%s\n", last.c_str(), figure);
}

int runBench(const Options& options)
{
    const std::vector<TreeShape> shapes = {
        {"flat", 0, 20000, 4 << 10},
        {"nested", 200, 25, 16 << 10},
        {"big", 0, 4, std::uint64_t(128) << 20},
    };

    std::string pattern = (options.dir / "lumora-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        die("cannot make a temporary folder in " + options.dir.string() + ": " + std::strerror(errno));
    Bench bench;
    bench.work = pattern;
    struct Cleanup {
        fs::path dir;
        ~Cleanup()
        {
            std::error_code ignored;
            fs::remove_all(dir, ignored);
        }
    } cleanup{bench.work};

    auto* window = new Window(420, 120);
    window->SetTitle("lumora-bench");
    bench.bar = new ProgressBar(window, "installProgress", 19, 50, 382, 18);
    window->Show();
    Application::DoEvents();

    std::vector<TreeResult> results;
    std::vector<fs::path> sources;
    for (const auto& shape : shapes) {
        if (!options.only.empty() && shape.name != options.only)
            continue;
        fs::path source = bench.work / (shape.name + "-source");
        std::fprintf(stderr, "making %s: %d files of %llu KiB\n", shape.name.c_str(), shape.FileCount(),
                     (unsigned long long)(shape.fileBytes >> 10));
        MakeTree(source, shape);
        sources.push_back(source);
        results.push_back(TreeResult{shape, {}, {}, {}, {}, {}, {}});
    }
    if (results.empty())
        die("there is no tree named " + options.only);

    std::vector<fs::path> copies;
    for (std::size_t t = 0; t < results.size(); ++t) {
        std::fprintf(stderr, "copying %s\n", results[t].shape.name.c_str());
        benchCopy(bench, sources[t], results[t], options.runs, results[t].shape.name == "big", copies);
    }
    for (const fs::path& copy : copies)
        fs::remove_all(copy);
    for (std::size_t t = 0; t < results.size(); ++t) {
        std::fprintf(stderr, "deleting %s\n", results[t].shape.name.c_str());
        benchDelete(bench, sources[t], results[t], options.runs);
    }

    window->Close();
    Application::DoEvents();
    report(results, options, bench.gaps.MaxMs());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    Options options = parseOptions(argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Application app(argc, argv);
    try {
        return runBench(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "lumora-bench: %s\n", e.what());
        return 1;
    }
}
