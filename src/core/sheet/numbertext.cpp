#include "sheet/numbertext.h"

#include <QLocale>

#include <cmath>

namespace korvalde {

namespace {

const QLocale &germanNumbers()
{
    static const QLocale locale = [] {
        QLocale german(QLocale::German, QLocale::Germany);
        german.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
        return german;
    }();
    return locale;
}

} // namespace

std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double value = germanNumbers().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatNumber(double value)
{
    if (value == 0.0) // also -0.0, which would otherwise read "-0"
        return QStringLiteral("0");
    return germanNumbers().toString(value, 'g', 15);
}

bool isTrueNumber(const QString &text)
{
    const std::optional<double> value = parseNumber(text);
    return value.has_value() && *value != 0.0;
}

} // namespace korvalde
