// action-times: runs scenario files in one process, against the core or (--gui) through
// the real widgets, and times every user action in them. Prints one line per action:
// "MILLISECONDS ms FILE:LINE VERB TARGET (N paints, CPU ms processor)", then with --gui the
// longest stretch of idle-time work between actions, in time and in processor time. For the benchmark only; the
// scenario tool proper checks the same files.

#include "runner.h"
#include "scenario.h"
#include "timeddriver.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

using namespace korvalde;

QStringList scenarioFiles(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList found;
        QDirIterator it(path, {"*.scn"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        files << found;
    }
    return files;
}

// Runs one scenario with its actions timed; returns whether it passed.
bool runTimed(const QString &path, bool gui, std::vector<bench::ActionTime> &times, double &longestIdleWork,
              double &longestIdleWorkCpu)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read\n", qUtf8Printable(path));
        return false;
    }
    const scenario::Scenario parsed = scenario::parseScenario(path, QString::fromUtf8(file.readAll()));
    if (parsed.error) {
        std::fprintf(stderr, "%s:%d: %s\n", qUtf8Printable(path), parsed.error->line,
                     qUtf8Printable(parsed.error->message));
        return false;
    }
    QTemporaryDir outDir;
    bench::TimedDriver driver(gui ? scenario::makeGuiDriver() : scenario::makeCoreDriver(), gui, times);
    scenario::RunContext context;
    context.outDir = outDir.path();
    context.scenarioDir = QFileInfo(path).absolutePath();
    context.beforeCommand = [&](int line) {
        const auto command = std::find_if(parsed.commands.begin(), parsed.commands.end(),
                                          [line](const scenario::Command &each) { return each.line == line; });
        const QString target = command->control.isEmpty() ? command->window : command->window + '.' + command->control;
        driver.setWhere(QStringLiteral("%1:%2 %3 %4").arg(path).arg(line).arg(command->verb, target).trimmed());
    };
    if (const std::optional<scenario::Failure> failure = scenario::runScenario(parsed, driver, context)) {
        std::fprintf(stderr, "%s:%d: %s\n", qUtf8Printable(path), failure->line, qUtf8Printable(failure->message));
        return false;
    }
    if (gui)
        driver.pauseAsTheUserDoes();
    longestIdleWork = std::max(longestIdleWork, driver.longestIdleWork());
    longestIdleWorkCpu = std::max(longestIdleWorkCpu, driver.longestIdleWorkCpu());
    return true;
}

int run(const QStringList &files, bool gui)
{
    std::vector<bench::ActionTime> times;
    double longestIdleWork = 0;
    double longestIdleWorkCpu = 0;
    int failed = 0;
    for (const QString &path : files) {
        if (!runTimed(path, gui, times, longestIdleWork, longestIdleWorkCpu))
            ++failed;
    }
    if (times.empty() || failed > 0) {
        std::fprintf(stderr, "action-times: %d scenarios failed, %zu actions timed\n", failed, times.size());
        return 1;
    }
    for (const bench::ActionTime &each : times)
        std::printf("%.4f ms %s (%d paints, %.4f ms processor)\n", each.milliseconds, qUtf8Printable(each.where),
                    each.paints, each.cpuMilliseconds);
    if (gui) {
        std::printf("longest idle work: %.4f ms\n", longestIdleWork);
        std::printf("longest idle work in processor time: %.4f ms\n", longestIdleWorkCpu);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList paths;
    bool gui = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == "--gui")
            gui = true;
        else
            paths << argument;
    }
    if (paths.isEmpty()) {
        std::fputs("usage: action-times [--gui] FILE_OR_FOLDER...\n", stderr);
        return 2;
    }
    if (gui) {
        QApplication application(argc, argv);
        return run(scenarioFiles(paths), true);
    }
    QCoreApplication application(argc, argv);
    return run(scenarioFiles(paths), false);
}
