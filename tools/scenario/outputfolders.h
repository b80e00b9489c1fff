#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace korvalde::scenario {

struct ScenarioFile {
    QString path;
    QString name; // below the folder given on the command line, ".scn" removed
};

// `path` with every link resolved: the part that exists as its canonical path, the rest
// (not made yet) appended as written.
QString realPath(const QString &path);

// Does one folder hold the other, or are they the same? Both real, clean paths.
bool overlap(const QString &a, const QString &b);

// Why `--out outDir` cannot take the output folders of these scenarios, given on the
// command line as `given`: a NAME with an empty, "." or ".." step, two scenarios with one
// NAME, an output folder that holds or lies inside a scenario folder given, or holds a
// scenario file. An empty text when it can. Looks at the disk but changes nothing.
QString outputFoldersRefusal(const QString &outDir, const QStringList &given, const std::vector<ScenarioFile> &files);

struct OutputFolder {
    QString path;    // real, below the output root
    QString failure; // why the scenario cannot have it (and fails without running)
};

// Each scenario's output folder below `outRoot` (real): DIR/NAME with its links resolved.
// A NAME that leads out of the root through a link, onto the root itself, or onto the
// output folder of an earlier scenario gets a failure instead.
std::vector<OutputFolder> planOutputFolders(const QString &outRoot, const std::vector<ScenarioFile> &files);

// Empties a scenario's output folder of an earlier run, so that nothing it finds there is
// older than the scenario; the output folders of other scenarios inside it are spared.
// Links inside are removed, never followed.
void emptyFolder(const QString &folder, const QStringList &spared);

} // namespace korvalde::scenario
