// Random walks through Korvalde: long seeded sequences of what a user can do, every rule
// checked after each action. A broken rule prints its seed and the shortest sequence.
#include "walk.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    int actions = 200000;
    unsigned seed = 1;
    int onlyFrame = 0;
    const QStringList arguments = application.arguments();
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        if (arguments[i] == "--actions")
            actions = arguments[i + 1].toInt();
        else if (arguments[i] == "--seed")
            seed = arguments[i + 1].toUInt();
        else if (arguments[i] == "--frame")
            onlyFrame = arguments[i + 1].toInt();
    }
    const int firstFrame = onlyFrame > 0 ? onlyFrame : 1;
    const int lastFrame = onlyFrame > 0 ? onlyFrame : 14;
    const int perFrame = actions / (lastFrame - firstFrame + 1);
    auto executor = korvalde::walk::makeCoreExecutor();
    int failed = 0;
    for (int frame = firstFrame; frame <= lastFrame; ++frame) {
        const unsigned frameSeed = seed * 100 + unsigned(frame);
        if (const auto report = korvalde::walk::randomWalk(*executor, frame, frameSeed, perFrame)) {
            std::printf("walk failed: %s\n", qPrintable(*report));
            ++failed;
        }
    }
    std::printf("walked %d actions per frame over %d frames\n", perFrame, lastFrame - firstFrame + 1);
    return failed == 0 ? 0 : 1;
}
