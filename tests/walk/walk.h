#pragma once

#include "executor.h"
#include "model/application.h"

#include <QHash>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace korvalde::walk {

// One thing a user can do. A probe checks an unchecked box and at once takes it back.
struct Action {
    enum class Kind { Click, Pick, Type, Close, Save, SaveCancel, Probe };
    Kind kind = Kind::Click;
    QString window;
    QString control;
    QString text;

    QString describe() const;
};

// A text in double quotes, as the walk's reports show values.
QString quoted(const QString &text);

// A walk through the program for one frame: random actions, every rule checked after
// each one. The first broken rule ends the walk.
class Walk {
public:
    Walk(Executor &executor, int frame);

    // The actions the user could do now, weighted by how often a user would.
    std::vector<std::pair<Action, int>> possibleActions() const;
    // Does the action if the user can; returns the first broken rule, if any.
    std::optional<QString> perform(const Action &action);
    const std::vector<Action> &history() const { return history_; }
    Application &app() const { return *app_; }
    // Saved sheets opened again so far.
    int reopened() const { return reopened_; }

private:
    void start();
    std::optional<QString> probe(const Action &action);
    std::optional<QString> checkAnnouncedCosts(const Window &page, const QString &box, const QStringList &fieldsBefore,
                                               const QList<CheckState> &statesBefore) const;
    std::optional<QString> checkRules(const Action &action, int pageBefore);
    std::optional<QString> checkSavedFile(const QString &path);
    std::optional<QString> checkReopens(const QString &path, const QByteArray &content);
    int shownPageIndex() const;

    Executor &executor_;
    Application *app_ = nullptr;
    int frame_;
    QTemporaryDir saveFolder_;
    int saves_ = 0;
    int reopened_ = 0;
    std::vector<Action> history_;
    QString dpBefore_;                  // of the page shown before the action
    QHash<int, QString> listOnArrival_; // by page: the list as the forward step onto it left it
};

// Runs `actions` random actions for the frame from `seed`. On a broken rule returns the
// report: the seed, the rule and the shortest action sequence that still breaks it.
std::optional<QString> randomWalk(Executor &executor, int frame, unsigned seed, int actions);

// Builds `designs` random designs for the frame from `seed`, each from a fresh start up to
// its first save, and checks that every saved sheet opens again to the same bytes.
std::optional<QString> randomDesigns(Executor &executor, int frame, unsigned seed, int designs);

} // namespace korvalde::walk
