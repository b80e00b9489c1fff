#include "announcedcosts.h"

#include <QRegularExpression>
#include <QStringList>

namespace korvalde::walk {

namespace {

const QHash<QString, QString> kFieldOfName = {
    {"Tarnstufe", "trn"}, {"DP", "dp"},           {"FKE", "fke"},
    {"Gewicht", "gew"},   {"Powerniveau", "pwn"}, {"Rückstoßkompensation", "kpd"},
};

// The boxes whose tooltip announces less or other than they apply, with what they apply.
const QHash<QString, QHash<QString, double>> kAppliedInstead = {
    {"bullpup", {{"fke", -0.5}}},
    {"lade2", {{"trn", -1}}},
    {"lade3", {{"trn", -1}}},
    {"hochenergetisch", {{"fke", 0}, {"gew", 0}}},
};

// The automatic mode costs only where it turns "SM" into "AM".
const QStringList kConditional = {"automodus"};

} // namespace

std::optional<AnnouncedCosts> announcedCosts(const QString &box, const QString &toolTip)
{
    static const QRegularExpression cost(
        QStringLiteral("^(\\w+):? ([+-]\\d+(?:\\.\\d+)?)(?: kg| pro (?:\\d+ )?\\w+)?$"),
        QRegularExpression::UseUnicodePropertiesOption);
    // The ceramic levels announce their note on the Tarnstufe, which is no delta.
    static const QRegularExpression ceramicNote(QStringLiteral("^Tarnstufe: - /(?:\\+\\d|18)$"));
    static const QRegularExpression framePrice(QStringLiteral("^DP \\+(?:1\\.5 x )?Basis-DP des Rahmens$"));
    AnnouncedCosts costs;
    costs.dependsOnMore = kConditional.contains(box);
    if (toolTip.isEmpty())
        return costs;
    for (const QString &item : toolTip.split(QStringLiteral(", "))) {
        if (ceramicNote.match(item).hasMatch())
            continue;
        if (framePrice.match(item).hasMatch()) {
            costs.dependsOnMore = true;
            continue;
        }
        const QRegularExpressionMatch match = cost.match(item);
        if (!match.hasMatch() || !kFieldOfName.contains(match.captured(1)))
            return std::nullopt;
        costs.deltas[kFieldOfName[match.captured(1)]] += match.captured(2).toDouble();
        costs.dependsOnMore = costs.dependsOnMore || item.contains(QStringLiteral(" pro "));
    }
    for (const auto &[field, applied] : kAppliedInstead.value(box).asKeyValueRange())
        costs.deltas[field] = applied;
    return costs;
}

} // namespace korvalde::walk
