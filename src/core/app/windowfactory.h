#pragma once

#include "model/application.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace korvalde {

// Every window the program has, by name.
const QStringList &windowNames();

// Creates the named window in its layout state; its load runs after registration.
std::unique_ptr<Window> createWindow(Application &app, const QString &name);

// The program's application over the given platform, with the start page shown.
std::unique_ptr<Application> startKorvalde(Platform &platform);

} // namespace korvalde
