// Random walks through Korvalde: long seeded sequences of what a user can do, every rule
// checked after each action. A broken rule prints its seed and the shortest sequence.
#include "walk.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    int actions = 200000;
    unsigned seed = 1;
    int firstFrame = 1;
    int lastFrame = 14;
    int designs = 0;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const bool hasValue = i + 1 < arguments.size();
        if (arguments[i] == "--actions" && hasValue)
            actions = arguments[++i].toInt();
        else if (arguments[i] == "--designs" && hasValue)
            designs = arguments[++i].toInt();
        else if (arguments[i] == "--seed" && hasValue)
            seed = arguments[++i].toUInt();
        else if (arguments[i] == "--frames" && hasValue) {
            // One frame ("9") or a range ("1-7"), so that walks can share out the cores.
            const QStringList range = arguments[++i].split('-');
            firstFrame = qBound(1, range.front().toInt(), 14);
            lastFrame = qBound(firstFrame, range.back().toInt(), 14);
        }
    }
    const int perFrame = actions / (lastFrame - firstFrame + 1);
    korvalde::walk::Executor executor;
    int failed = 0;
    if (designs > 0) {
        // Random designs, each saved and opened again, shared out over the frames.
        const int frames = lastFrame - firstFrame + 1;
        for (int frame = firstFrame; frame <= lastFrame; ++frame) {
            const int count = designs / frames + (frame - firstFrame < designs % frames ? 1 : 0);
            if (const auto report =
                    korvalde::walk::randomDesigns(executor, frame, seed * 100 + unsigned(frame), count)) {
                std::printf("reopen failed: %s\n", qPrintable(*report));
                ++failed;
            }
        }
        std::printf("saved and opened again %d designs over %d frames\n", designs, frames);
        return failed == 0 ? 0 : 1;
    }
    for (int frame = firstFrame; frame <= lastFrame; ++frame) {
        const unsigned frameSeed = seed * 100 + unsigned(frame);
        if (const auto report = korvalde::walk::randomWalk(executor, frame, frameSeed, perFrame)) {
            std::printf("walk failed: %s\n", qPrintable(*report));
            ++failed;
        }
    }
    std::printf("walked %d actions per frame over %d frames\n", perFrame, lastFrame - firstFrame + 1);
    return failed == 0 ? 0 : 1;
}
