// Random walks through Korvalde: long seeded sequences of what a user can do, every rule
// checked after each action. A broken rule prints its seed and the shortest sequence.
// With --gui the actions go through the real widgets, which must mirror the core.
#include "guiexecutor.h"
#include "walk.h"

#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

bool wantsWidgets(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gui") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    const bool gui = wantsWidgets(argc, argv);
    if (gui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application =
        gui ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    int actions = 200000;
    unsigned seed = 1;
    int onlyFrame = 0;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const bool hasValue = i + 1 < arguments.size();
        if (arguments[i] == "--actions" && hasValue)
            actions = arguments[++i].toInt();
        else if (arguments[i] == "--seed" && hasValue)
            seed = arguments[++i].toUInt();
        else if (arguments[i] == "--frame" && hasValue)
            onlyFrame = arguments[++i].toInt();
    }
    const int firstFrame = onlyFrame > 0 ? onlyFrame : 1;
    const int lastFrame = onlyFrame > 0 ? onlyFrame : 14;
    const int perFrame = actions / (lastFrame - firstFrame + 1);
    auto executor = gui ? korvalde::walk::makeGuiExecutor() : korvalde::walk::makeCoreExecutor();
    int failed = 0;
    for (int frame = firstFrame; frame <= lastFrame; ++frame) {
        const unsigned frameSeed = seed * 100 + unsigned(frame);
        if (const auto report = korvalde::walk::randomWalk(*executor, frame, frameSeed, perFrame)) {
            std::printf("walk failed: %s\n", qPrintable(*report));
            ++failed;
        }
    }
    std::printf("walked %d actions per frame over %d frames%s\n", perFrame, lastFrame - firstFrame + 1,
                gui ? " through the widgets" : "");
    return failed == 0 ? 0 : 1;
}
