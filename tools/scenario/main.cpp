// korvalde-scenario: runs scenario files against the core or, with --gui, the real widgets.
// Each scenario runs in a process of its own, so that a crash or a hang fails only that
// scenario and the run goes on with the next one.

#include "driver.h"
#include "runner.h"
#include "scenario.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

using namespace korvalde::scenario;

constexpr int kBadArguments = 2;
constexpr int kScenarioSeconds = 10;
const char *const kRunOne = "--run-one";

struct Options {
    bool gui = false;
    bool runOne = false;
    QString outDir;
    QStringList paths;
};

void printLine(const QString &line, FILE *stream = stdout)
{
    std::fputs(qPrintable(line + '\n'), stream);
    std::fflush(stream);
}

std::optional<Options> parseArguments(const QStringList &arguments)
{
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == "--gui") {
            options.gui = true;
        } else if (argument == kRunOne) {
            options.runOne = true;
        } else if (argument == "--out") {
            if (++i >= arguments.size())
                return std::nullopt;
            options.outDir = arguments[i];
        } else if (argument.startsWith("--")) {
            return std::nullopt;
        } else {
            options.paths << argument;
        }
    }
    if (options.paths.isEmpty())
        return std::nullopt;
    return options;
}

// The scenario files named, folders expanded to every *.scn below them in path order.
std::optional<QStringList> scenarioFiles(const QStringList &paths)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList found;
            QDirIterator it(path, {"*.scn"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found << it.next();
            found.sort();
            files << found;
        } else if (info.isFile() && info.isReadable()) {
            files << path;
        } else {
            printLine(QStringLiteral("korvalde-scenario: cannot read %1").arg(path), stderr);
            return std::nullopt;
        }
    }
    return files;
}

// Child side: runs one scenario and reports "@LINE" before each command, then the result.
int runOne(const Options &options)
{
    const QString path = options.paths.front();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printLine(QStringLiteral("FAIL 1\tcannot read the file"));
        return 1;
    }
    const Scenario scenario = parseScenario(path, QString::fromUtf8(file.readAll()));
    if (scenario.error) {
        printLine(QStringLiteral("FAIL %1\t%2").arg(scenario.error->line).arg(scenario.error->message));
        return 1;
    }
    QTemporaryDir temporary;
    QString outDir = options.outDir;
    if (outDir.isEmpty())
        outDir = temporary.path();
    QDir().mkpath(outDir);
    std::unique_ptr<Driver> driver = options.gui ? makeGuiDriver() : makeCoreDriver();
    if (!driver) {
        printLine(QStringLiteral("FAIL 1\tthe widget front end is not built in"));
        return 1;
    }
    RunContext context;
    context.outDir = outDir;
    context.scenarioDir = QFileInfo(path).absolutePath();
    context.beforeCommand = [](int line) { printLine(QStringLiteral("@%1").arg(line)); };
    if (const std::optional<Failure> failure = runScenario(scenario, *driver, context)) {
        printLine(QStringLiteral("FAIL %1\t%2").arg(failure->line).arg(failure->message));
        return 1;
    }
    printLine(QStringLiteral("PASS"));
    return 0;
}

struct Child {
    QString file;
    std::unique_ptr<QProcess> process;
    QElapsedTimer clock;
    QString failure; // "FILE:LINE: message", empty while passing
    bool done = false;
};

// The last line the child reported, for a crash or a hang.
QString verdict(Child &child, bool timedOut)
{
    const QStringList lines = QString::fromUtf8(child.process->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QString lastLine = QStringLiteral("1");
    for (const QString &line : lines) {
        if (line.startsWith('@'))
            lastLine = line.mid(1);
        else if (line == "PASS" && !timedOut && child.process->exitStatus() == QProcess::NormalExit)
            return {};
        else if (line.startsWith("FAIL ")) {
            const QString rest = line.mid(5);
            const qsizetype tab = rest.indexOf('\t');
            return QStringLiteral("%1:%2: %3").arg(child.file, rest.left(tab), rest.mid(tab + 1));
        }
    }
    if (timedOut)
        return QStringLiteral("%1:%2: hangs for more than %3 seconds").arg(child.file, lastLine).arg(kScenarioSeconds);
    return QStringLiteral("%1:%2: crashed").arg(child.file, lastLine);
}

int runAll(const Options &options, const QStringList &files)
{
    std::vector<Child> children(size_t(files.size()));
    const int parallel = qMax(1, QThread::idealThreadCount());
    size_t next = 0;
    size_t reported = 0;
    int passed = 0;
    int failed = 0;
    auto report = [&] {
        while (reported < children.size() && children[reported].done) {
            Child &child = children[reported++];
            if (child.failure.isEmpty()) {
                ++passed;
            } else {
                ++failed;
                printLine(child.failure);
            }
            child.process.reset();
        }
    };
    std::vector<size_t> running;
    while (reported < children.size()) {
        while (next < children.size() && int(running.size()) < parallel) {
            Child &child = children[next];
            child.file = files[qsizetype(next)];
            child.process = std::make_unique<QProcess>();
            child.process->setProcessChannelMode(QProcess::SeparateChannels);
            child.process->setStandardErrorFile(QProcess::nullDevice());
            QStringList arguments = {kRunOne};
            if (options.gui)
                arguments << "--gui";
            if (!options.outDir.isEmpty())
                arguments << "--out" << options.outDir;
            arguments << child.file;
            child.process->start(QCoreApplication::applicationFilePath(), arguments);
            child.clock.start();
            running.push_back(next++);
        }
        for (auto it = running.begin(); it != running.end();) {
            Child &child = children[*it];
            const bool finished = child.process->waitForFinished(10);
            const bool timedOut = !finished && child.clock.elapsed() > kScenarioSeconds * 1000;
            if (!finished && !timedOut) {
                ++it;
                continue;
            }
            if (timedOut) {
                child.process->kill();
                child.process->waitForFinished();
            }
            child.failure = verdict(child, timedOut);
            child.done = true;
            it = running.erase(it);
        }
        report();
    }
    printLine(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<Options> options = parseArguments(arguments);
    if (!options) {
        printLine("usage: korvalde-scenario [--gui] [--out DIR] FILE_OR_FOLDER...", stderr);
        return kBadArguments;
    }
    if (options->runOne) {
        if (options->gui) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            // The remembered save folder goes to a test location, not the user's settings.
            QStandardPaths::setTestModeEnabled(true);
            QApplication application(argc, argv);
            return runOne(*options);
        }
        QCoreApplication application(argc, argv);
        return runOne(*options);
    }
    QCoreApplication application(argc, argv);
    const std::optional<QStringList> files = scenarioFiles(options->paths);
    if (!files)
        return kBadArguments;
    return runAll(*options, *files);
}
