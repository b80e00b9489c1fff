#pragma once

#include "driver.h"
#include "scenario.h"

#include <QString>

#include <functional>
#include <optional>

namespace korvalde::scenario {

struct Failure {
    int line = 0;
    QString message;
};

struct RunContext {
    QString outDir;      // where `save` writes and the file checks look
    QString scenarioDir; // where expect-file finds its expected files
    // Told the line of each command before it runs, so a hang can be traced to it.
    std::function<void(int)> beforeCommand;
    // For a picture: the windows the scenario leaves open stay open without failing it.
    bool leaveWindowsOpen = false;
};

// Runs the scenario's commands in order; the first failing one ends the run.
std::optional<Failure> runScenario(const Scenario &scenario, Driver &driver, const RunContext &context);

} // namespace korvalde::scenario
