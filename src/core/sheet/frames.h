#pragma once

#include <QString>

#include <array>
#include <optional>

namespace korvalde {

// The fourteen frames in catalogue order. Every page that varies by frame keys on `name`.
struct FrameEntry {
    int number;      // 1 to 14; the start page's option button is Option<number>
    QString name;    // the text stored in `typ`
    QString caption; // the option button's caption on the start page
    QString fke;     // number text
    QString dp;

    // The catalogue DP as a number: what the frame itself costs.
    double baseDp() const;
};

const std::array<FrameEntry, 14> &frameCatalogue();

// The frame whose name is exactly `name`, or nothing.
const FrameEntry *findFrame(const QString &name);

} // namespace korvalde
