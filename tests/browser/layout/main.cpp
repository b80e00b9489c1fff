// korvalde-layout-check: runs designs through the web page at a phone's and a desktop's
// width and, before every step and after the last, finds what a reader could not read:
// sideways scrolling, a control reaching out of the view, a caption or value cut off.
//
//     korvalde-layout-check [--pictures DIR] WEB_PROGRAM SCENARIO...
//
// With --pictures it also saves the page after each scenario as DIR/NAME-WIDTH.png, for the
// user guide.

#include "browserdriver.h"
#include "environment.h"
#include "runner.h"
#include "scenario.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace korvalde::scenario;

// A phone held upright, and a desktop browser.
constexpr int kWidths[] = {390, 1280};

void printLine(const QString &line)
{
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}

QString layoutScript()
{
    QFile file(QStringLiteral(KORVALDE_LAYOUT_SCRIPT));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Runs the scenario at the width; prints each fault once, where it first shows, and
// returns how many there were.
int check(const browser::Environment &environment, const QString &path, int width, const QString &pictures)
{
    const QString where = QStringLiteral("%1 at %2 px").arg(QFileInfo(path).fileName()).arg(width);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printLine(QStringLiteral("%1: cannot read it").arg(where));
        return 1;
    }
    const Scenario scenario = parseScenarioBytes(path, file.readAll());
    browser::BrowserDriver driver;
    if (const QString why = driver.start(environment.devTools(), environment.page(), width); !why.isEmpty()) {
        printLine(QStringLiteral("%1: %2").arg(where, why));
        return 1;
    }
    const QString script = layoutScript();
    QStringList seen;
    int faults = 0;
    auto look = [&](int line) {
        QString error;
        const std::optional<QJsonValue> found = driver.evaluate(script, &error);
        if (!found) {
            printLine(QStringLiteral("%1:%2: cannot check the layout: %3").arg(where).arg(line).arg(error));
            ++faults;
            return;
        }
        for (const QJsonValue &fault : found->toArray()) {
            if (seen.contains(fault.toString()))
                continue;
            seen << fault.toString();
            printLine(QStringLiteral("%1, before line %2: %3").arg(where).arg(line).arg(fault.toString()));
            ++faults;
        }
    };
    QTemporaryDir out;
    RunContext context;
    context.outDir = out.path();
    context.scenarioDir = QFileInfo(path).absolutePath();
    context.beforeCommand = look;
    if (scenario.error) {
        printLine(QStringLiteral("%1:%2: %3").arg(where).arg(scenario.error->line).arg(scenario.error->message));
        return faults + 1;
    }
    if (const std::optional<Failure> failure = runScenario(scenario, driver, context)) {
        printLine(QStringLiteral("%1:%2: %3").arg(where).arg(failure->line).arg(failure->message));
        return faults + 1;
    }
    look(scenario.commands.back().line + 1);
    if (!pictures.isEmpty()) {
        const QString picture =
            QDir(pictures).filePath(QStringLiteral("%1-%2.png").arg(QFileInfo(path).completeBaseName()).arg(width));
        if (const QString why = driver.takeScreenshot(picture); !why.isEmpty()) {
            printLine(QStringLiteral("%1: cannot save %2: %3").arg(where, picture, why));
            ++faults;
        }
    }
    return faults;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    QString pictures;
    if (arguments.size() >= 2 && arguments.front() == QLatin1String("--pictures")) {
        pictures = arguments.at(1);
        arguments = arguments.mid(2);
    }
    if (arguments.size() < 2) {
        std::fputs("usage: korvalde-layout-check [--pictures DIR] WEB_PROGRAM SCENARIO...\n", stderr);
        return 2;
    }
    browser::Environment environment;
    if (const QString why = environment.start(arguments.front()); !why.isEmpty()) {
        printLine(why);
        return 1;
    }
    int faults = 0;
    for (const int width : kWidths) {
        for (const QString &path : arguments.mid(1))
            faults += check(environment, path, width, pictures);
    }
    printLine(QStringLiteral("%1 layout faults").arg(faults));
    return faults == 0 ? 0 : 1;
}
