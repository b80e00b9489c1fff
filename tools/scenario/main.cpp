// korvalde-scenario: runs scenario files against the core or, with --gui, the real widgets,
// or, with --browser, the web page in a headless browser.
// Each scenario runs in a process of its own, so that a crash or a hang fails only that
// scenario and the run goes on with the next one; the process is a fork of the prepared
// tool, so that no scenario pays for loading and starting Qt.

#include "appicon.h"
#include "browserdriver.h"
#include "driver.h"
#include "environment.h"
#include "forkedchild.h"
#include "germantranslation.h"
#include "messages.h"
#include "outputfolders.h"
#include "outputlock.h"
#include "runner.h"
#include "scenario.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <variant>

#include <poll.h>

namespace {

using namespace korvalde::scenario;

// The command line, for an application made later in a child; Qt keeps the count by
// reference.
int commandLineCount = 0;
char **commandLine = nullptr;
// With --browser: the web server and the browser every scenario's page shares.
std::unique_ptr<browser::Environment> browserEnvironment;

constexpr int kBadArguments = 2;
// A scenario that shows no progress (no next line begun) for this long hangs.
constexpr int kScenarioSeconds = 10;
const char *const kUsage = "korvalde-scenario [--gui | --browser] [--out DIR] FILE_OR_FOLDER...";

struct Options {
    bool gui = false;
    bool browser = false;
    QString outDir;
    QString screenshot; // --screenshot PNG: a picture after the one scenario
    QStringList paths;
};

void printLine(const QString &line, FILE *stream = stdout)
{
    std::fputs(qPrintable(line + '\n'), stream);
    std::fflush(stream);
}

void badArguments(const QString &why)
{
    printLine(QStringLiteral("korvalde-scenario: %1").arg(shownLine(why)), stderr);
    printLine(QStringLiteral("usage: %1").arg(QLatin1String(kUsage)), stderr);
}

// The options, or the exit status when the run ends here (--help, bad arguments).
std::variant<Options, int> parseArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Runs Korvalde scenario files against the program's core or, with --gui, against its\n"
                       "real widgets, or, with --browser, against its web page. A folder runs every *.scn file below "
                       "it. Prints FILE:LINE: message for\n"
                       "each failing scenario, then \"N passed, N failed\". Exit status 0 when all passed, 1\n"
                       "when any failed, 2 on bad arguments."));
    const QCommandLineOption help({"h", "help"}, QStringLiteral("Shows this help."));
    const QCommandLineOption gui("gui", QStringLiteral("Drives the real Qt widgets instead of the core."));
    const QCommandLineOption browser(
        "browser", QStringLiteral("Drives the web page of korvalde-web (built beside the tool) in headless Chromium."));
    const QCommandLineOption out("out", QStringLiteral("Leaves each scenario's output folder as DIR/NAME."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption screenshot(
        "screenshot",
        QStringLiteral("With --gui and one scenario: runs it, then saves the main window to PNG and each open\n"
                       "dialog beside it (PNG with -DIALOG before the suffix), for the documentation."),
        QStringLiteral("PNG"));
    parser.addOptions({help, gui, browser, out, screenshot});
    parser.addPositionalArgument(QStringLiteral("PATH"), QStringLiteral("A scenario file, or a folder of them."),
                                 QStringLiteral("FILE_OR_FOLDER..."));
    if (!parser.parse(arguments)) {
        badArguments(parser.errorText());
        return kBadArguments;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::fflush(stdout);
        return 0;
    }
    Options options;
    options.gui = parser.isSet(gui);
    options.browser = parser.isSet(browser);
    if (options.gui && options.browser) {
        badArguments(QStringLiteral("--gui and --browser exclude each other"));
        return kBadArguments;
    }
    options.outDir = parser.value(out);
    options.screenshot = parser.value(screenshot);
    options.paths = parser.positionalArguments();
    if (parser.isSet(screenshot) && (!options.gui || options.screenshot.isEmpty() || options.paths.size() != 1)) {
        badArguments(QStringLiteral("--screenshot PNG needs --gui and one scenario file"));
        return kBadArguments;
    }
    if (parser.isSet(out) && options.outDir.isEmpty()) {
        badArguments(QStringLiteral("--out needs a folder"));
        return kBadArguments;
    }
    if (options.paths.isEmpty()) {
        badArguments(QStringLiteral("no scenario file or folder given"));
        return kBadArguments;
    }
    return options;
}

QString withoutSuffix(const QString &path)
{
    return path.endsWith(QLatin1String(".scn")) ? path.chopped(4) : path;
}

// The scenario files named, folders expanded to every *.scn below them in path order.
std::optional<std::vector<ScenarioFile>> scenarioFiles(const QStringList &paths)
{
    std::vector<ScenarioFile> files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList found;
            QDirIterator it(path, {"*.scn"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext())
                found << it.next();
            found.sort();
            const QDir folder(info.absoluteFilePath());
            for (const QString &file : found) {
                if (!QFileInfo(file).isReadable()) {
                    printLine(QStringLiteral("korvalde-scenario: cannot read %1").arg(shownLine(file)), stderr);
                    return std::nullopt;
                }
                files.push_back({file, withoutSuffix(folder.relativeFilePath(QFileInfo(file).absoluteFilePath()))});
            }
        } else if (info.isFile() && info.isReadable()) {
            files.push_back({path, withoutSuffix(info.fileName())});
        } else {
            printLine(QStringLiteral("korvalde-scenario: cannot read %1").arg(shownLine(path)), stderr);
            return std::nullopt;
        }
    }
    return files;
}

// In the forked child: runs one scenario and reports "@LINE" as each command begins, then
// the result.
int runOne(const Options &options)
{
    auto fail = [](int line, const QString &message) {
        printLine(QStringLiteral("FAIL %1\t%2").arg(line).arg(shownLine(message)));
        return 1;
    };
    const QString path = options.paths.front();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(1, QStringLiteral("cannot read the file"));
    const Scenario scenario = parseScenarioBytes(path, file.readAll());
    if (scenario.error)
        return fail(scenario.error->line, scenario.error->message);
    QTemporaryDir temporary;
    QString outDir = options.outDir;
    if (outDir.isEmpty()) {
        if (!temporary.isValid())
            return fail(1, QStringLiteral("cannot make a temporary output folder"));
        outDir = temporary.path();
    }
    if (!QDir().mkpath(outDir) || !QFileInfo(outDir).isDir())
        return fail(1, QStringLiteral("cannot make the output folder %1").arg(shownValue(outDir)));
    std::unique_ptr<QApplication> ownApplication;
    if (options.gui && QCoreApplication::instance() == nullptr)
        ownApplication = std::make_unique<QApplication>(commandLineCount, commandLine);
    std::unique_ptr<Driver> driver;
    if (options.browser) {
        auto page = std::make_unique<browser::BrowserDriver>();
        if (const QString why = page->start(browserEnvironment->devTools(), browserEnvironment->page()); !why.isEmpty())
            return fail(1, why);
        driver = std::move(page);
        // A fresh page is the tool's own setting-up, not the scenario's: the hang clock
        // starts again from here (any line restarts it; the verdict reads only its own).
        printLine(QStringLiteral("page ready"));
    } else {
        driver = options.gui ? makeGuiDriver() : makeCoreDriver();
    }
    if (!driver)
        return fail(1, QStringLiteral("the widget front end is not built in"));
    RunContext context;
    context.outDir = QFileInfo(outDir).absoluteFilePath();
    context.scenarioDir = QFileInfo(path).absolutePath();
    context.beforeCommand = [](int line) { printLine(QStringLiteral("@%1").arg(line)); };
    if (const std::optional<Failure> failure = runScenario(scenario, *driver, context))
        return fail(failure->line, failure->message);
    printLine(QStringLiteral("PASS"));
    return 0;
}

// --screenshot: runs the one scenario here, with the program's name, icon and German
// dialogs, and takes the pictures where it leaves the program.
int takePictures(const Options &options, QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Korvalde"));
    QApplication::setWindowIcon(korvalde::gui::applicationIcon());
    korvalde::gui::installGermanTranslation(application);
    const QString path = options.paths.front();
    auto fail = [&path](int line, const QString &message) {
        printLine(QStringLiteral("%1:%2: %3").arg(shownLine(path)).arg(line).arg(shownLine(message)));
        return 1;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printLine(QStringLiteral("korvalde-scenario: cannot read %1").arg(shownLine(path)), stderr);
        return kBadArguments;
    }
    const Scenario scenario = parseScenarioBytes(path, file.readAll());
    if (scenario.error)
        return fail(scenario.error->line, scenario.error->message);
    QTemporaryDir temporary;
    std::unique_ptr<Driver> driver = makeGuiDriver();
    RunContext context;
    context.outDir = temporary.path();
    context.scenarioDir = QFileInfo(path).absolutePath();
    context.leaveWindowsOpen = true;
    if (const std::optional<Failure> failure = runScenario(scenario, *driver, context))
        return fail(failure->line, failure->message);
    if (const QString why = driver->takeScreenshot(options.screenshot); !why.isEmpty())
        return fail(scenario.commands.back().line, why);
    return 0;
}

struct Child {
    ScenarioFile file;
    QString outDir; // empty: a temporary folder of its own
    std::unique_ptr<ForkedChild> process;
    QByteArray output;
    QElapsedTimer sinceProgress; // restarted with every line the child begins
    QString failure;             // "FILE:LINE: message", empty while passing
    bool running = false;
    bool done = false;
};

// The child's verdict; for a crash or a hang, the last line it began.
QString verdict(const Child &child, bool timedOut, bool returned)
{
    const QString file = shownLine(child.file.path);
    const QStringList lines = QString::fromUtf8(child.output).split('\n', Qt::SkipEmptyParts);
    QString lastLine = QStringLiteral("1");
    for (const QString &line : lines) {
        if (line.startsWith('@'))
            lastLine = line.mid(1);
        else if (line == "PASS" && !timedOut && returned)
            return {};
        else if (line.startsWith("FAIL ")) {
            const QString rest = line.mid(5);
            const qsizetype tab = rest.indexOf('\t');
            return QStringLiteral("%1:%2: %3").arg(file, rest.left(tab), rest.mid(tab + 1));
        }
    }
    if (timedOut)
        return QStringLiteral("%1:%2: hangs for more than %3 seconds").arg(file, lastLine).arg(kScenarioSeconds);
    return QStringLiteral("%1:%2: crashed").arg(file, lastLine);
}

// Waits until a running child writes or ends, or until the first of them would hang.
void waitForOutput(const std::vector<Child> &children, const std::vector<size_t> &running)
{
    std::vector<pollfd> outputs;
    qint64 wait = kScenarioSeconds * 1000;
    for (const size_t index : running) {
        const Child &child = children[index];
        wait = std::min(wait, kScenarioSeconds * 1000 - child.sinceProgress.elapsed() + 1);
        if (const int descriptor = child.process->outputDescriptor(); descriptor >= 0)
            outputs.push_back({descriptor, POLLIN, 0});
        else
            wait = std::min<qint64>(wait, 1); // output ended: about to be collected
    }
    if (!running.empty())
        ::poll(outputs.data(), outputs.size(), int(std::max<qint64>(wait, 0)));
}

int runAll(const Options &options, const std::vector<ScenarioFile> &files)
{
    std::vector<Child> children(files.size());
    const std::vector<OutputFolder> outDirs = options.outDir.isEmpty()
                                                  ? std::vector<OutputFolder>(files.size())
                                                  : planOutputFolders(realPath(options.outDir), files);
    for (size_t i = 0; i < files.size(); ++i) {
        children[i].file = files[i];
        children[i].outDir = outDirs[i].path;
        if (!outDirs[i].failure.isEmpty()) {
            // Its output folder would lie elsewhere: neither emptied nor used.
            children[i].failure =
                QStringLiteral("%1:1: output folder: %2").arg(shownLine(files[i].path), outDirs[i].failure);
            children[i].done = true;
        }
    }
    // A page waits on the server and the browser most of the time: twice as many side by
    // side keep the cores busy.
    const int parallel = qMax(1, QThread::idealThreadCount()) * (options.browser ? 2 : 1);
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
    auto canStart = [&](size_t index) {
        if (children[index].done || children[index].outDir.isEmpty())
            return true;
        for (size_t other = 0; other < index; ++other) {
            if (children[other].running && overlap(children[other].outDir, children[index].outDir))
                return false;
        }
        return true;
    };
    std::vector<size_t> running;
    size_t next = 0;
    while (reported < children.size()) {
        while (next < children.size() && int(running.size()) < parallel && canStart(next)) {
            Child &child = children[next];
            if (child.done) {
                ++next;
                continue;
            }
            if (!child.outDir.isEmpty()) {
                QStringList spared;
                for (const Child &other : children) {
                    if (&other != &child && other.outDir.startsWith(child.outDir + '/'))
                        spared << other.outDir;
                }
                emptyFolder(child.outDir, spared);
            }
            Options one = options;
            one.outDir = child.outDir;
            one.paths = {child.file.path};
            std::vector<int> siblings;
            for (const Child &other : children) {
                if (other.process && other.process->outputDescriptor() >= 0)
                    siblings.push_back(other.process->outputDescriptor());
            }
            child.process = std::make_unique<ForkedChild>();
            if (!child.process->start([&one] { return runOne(one); }, siblings)) {
                child.failure = QStringLiteral("%1:1: cannot start: %2")
                                    .arg(shownLine(child.file.path), QString::fromLocal8Bit(std::strerror(errno)));
                child.done = true;
                ++next;
                continue;
            }
            child.sinceProgress.start();
            child.running = true;
            running.push_back(next++);
        }
        waitForOutput(children, running);
        for (auto it = running.begin(); it != running.end();) {
            Child &child = children[*it];
            if (child.process->readOutput(child.output) > 0)
                child.sinceProgress.restart();
            std::optional<bool> returned;
            if (child.process->outputDescriptor() < 0)
                returned = child.process->reap();
            const bool timedOut = !returned && child.sinceProgress.elapsed() > kScenarioSeconds * 1000;
            if (!returned && !timedOut) {
                ++it;
                continue;
            }
            if (timedOut) {
                child.process->kill();
                child.process->readOutput(child.output);
            }
            child.failure = verdict(child, timedOut, returned.value_or(false));
            child.running = false;
            child.done = true;
            it = running.erase(it);
        }
        report();
    }
    printLine(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? 0 : 1;
}

// --out names a folder, or a path that can be made one.
bool prepareOutRoot(const QString &outDir)
{
    const QFileInfo info(outDir);
    if (info.exists() && !info.isDir()) {
        badArguments(QStringLiteral("--out %1 is not a folder").arg(outDir));
        return false;
    }
    if (!QDir().mkpath(outDir) || !QFileInfo(outDir).isDir()) {
        badArguments(QStringLiteral("--out %1 cannot be made a folder").arg(outDir));
        return false;
    }
    return true;
}

// Loads once, before the first child is forked, what each child's first window would
// otherwise load again: fontconfig's configuration and font list, the style, the shaping
// of text. Nothing here makes a window or starts a thread.
void prepareWidgets()
{
    QFontDatabase::families();
    QLineEdit field(QStringLiteral("Korvalde"));
    field.ensurePolished();
    (void)field.sizeHint();
    (void)QFontMetrics(field.font()).horizontalAdvance(field.text());
}

} // namespace

// Is the option given before the end of the options ("--")? Only to choose the kind of
// application before the arguments are parsed.
bool hasOption(int argc, char **argv, const char *option)
{
    const size_t length = std::strlen(option);
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
            return true;
    }
    return false;
}

int main(int argc, char **argv)
{
    // The remembered save folder goes to a test location, never the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    commandLineCount = argc;
    commandLine = argv;
    const bool gui = hasOption(argc, argv, "--gui");
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application is made here, once: each scenario's child is forked from this
    // prepared process. A widget application only on the offscreen platform, which starts
    // no thread and opens no connection that a child would share; on any other each child
    // makes its own.
    std::unique_ptr<QCoreApplication> application;
    if (!gui)
        application = std::make_unique<QCoreApplication>(commandLineCount, commandLine);
    else if (qgetenv("QT_QPA_PLATFORM") == "offscreen" || hasOption(argc, argv, "--screenshot"))
        application = std::make_unique<QApplication>(commandLineCount, commandLine);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const std::variant<Options, int> parsed = parseArguments(arguments);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    const Options &options = std::get<Options>(parsed);
    if (!options.screenshot.isEmpty()) {
        auto *widgets = qobject_cast<QApplication *>(application.get());
        return widgets == nullptr ? kBadArguments : takePictures(options, *widgets);
    }
    const std::optional<std::vector<ScenarioFile>> files = scenarioFiles(options.paths);
    if (!files)
        return kBadArguments;
    if (files->empty()) {
        badArguments(QStringLiteral("no scenario file found in %1").arg(options.paths.join(' ')));
        return kBadArguments;
    }
    std::optional<OutputLock> outLock;
    if (!options.outDir.isEmpty()) {
        if (const QString refusal = outputFoldersRefusal(options.outDir, options.paths, *files); !refusal.isEmpty()) {
            badArguments(refusal);
            return kBadArguments;
        }
        if (!prepareOutRoot(options.outDir))
            return kBadArguments;
        outLock.emplace(options.outDir, [&options] {
            printLine(QStringLiteral("korvalde-scenario: waiting for another run with --out %1")
                          .arg(shownLine(options.outDir)),
                      stderr);
        });
        if (!outLock->isHeld()) {
            badArguments(QStringLiteral("--out %1 cannot be locked").arg(options.outDir));
            return kBadArguments;
        }
    }
    if (application != nullptr && options.gui)
        prepareWidgets();
    if (options.browser) {
        browserEnvironment = std::make_unique<browser::Environment>();
        const QString web = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("korvalde-web"));
        if (const QString why = browserEnvironment->start(web); !why.isEmpty()) {
            printLine(QStringLiteral("korvalde-scenario: %1").arg(shownLine(why)), stderr);
            return kBadArguments;
        }
    }
    const int status = runAll(options, *files);
    browserEnvironment.reset();
    return status;
}
