#include "webplatform.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace korvalde::web {

namespace {

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QStringLiteral("information");
    case MessageIcon::Warning:
        return QStringLiteral("warning");
    case MessageIcon::None:
        break;
    }
    return QStringLiteral("none");
}

QJsonObject cardRow(const CardRow &row)
{
    return {{QStringLiteral("label"), row.label}, {QStringLiteral("value"), row.value}};
}

// A file picker takes suffixes: "Waffenblätter (*.txt)" offers ".txt". A filter for every
// file offers nothing more, as every picker lets the user show all files anyway.
QStringList suffixesOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*(\\.[^\\s)]+)"));
    QStringList suffixes;
    for (const QRegularExpressionMatch &match : pattern.globalMatch(filter))
        suffixes << match.captured(1);
    return suffixes;
}

} // namespace

void WebPlatform::showMessage(const MessageBox &message)
{
    requests_.append(QJsonObject{{QStringLiteral("op"), QStringLiteral("message")},
                                 {QStringLiteral("text"), message.text},
                                 {QStringLiteral("title"), message.title},
                                 {QStringLiteral("icon"), iconName(message.icon)},
                                 {QStringLiteral("detail"), message.informativeText}});
}

SaveResult WebPlatform::saveFile(const SaveRequest &request, const QByteArray &bytes)
{
    requests_.append(QJsonObject{{QStringLiteral("op"), QStringLiteral("download")},
                                 {QStringLiteral("name"), request.suggestedName},
                                 {QStringLiteral("bytes"), QString::fromLatin1(bytes.toBase64())}});
    return {SaveResult::Outcome::Saved, request.suggestedName, false, {}};
}

std::optional<QString> WebPlatform::askOpenFileName(const OpenRequest &request)
{
    requests_.append(
        QJsonObject{{QStringLiteral("op"), QStringLiteral("choose-file")},
                    {QStringLiteral("accept"), QJsonArray::fromStringList(suffixesOf(request.filters.value(0)))}});
    return std::nullopt;
}

void WebPlatform::fileSaved(const QString &fileName)
{
    requests_.append(
        QJsonObject{{QStringLiteral("op"), QStringLiteral("status")}, {QStringLiteral("text"), savedNotice(fileName)}});
}

void WebPlatform::printCard(const WeaponCard &card)
{
    QJsonArray statistics;
    for (const CardRow &row : card.statistics)
        statistics.append(cardRow(row));
    requests_.append(
        QJsonObject{{QStringLiteral("op"), QStringLiteral("print")},
                    {QStringLiteral("card"),
                     QJsonObject{{QStringLiteral("name"), card.name},
                                 {QStringLiteral("frame"), cardRow(card.frame)},
                                 {QStringLiteral("statistics"), statistics},
                                 {QStringLiteral("price"), cardRow(card.price)},
                                 {QStringLiteral("modificationsHeading"), card.modificationsHeading},
                                 {QStringLiteral("modifications"), QJsonArray::fromStringList(card.modifications)}}}});
}

void WebPlatform::endProgram()
{
    ended_ = true;
    requests_.append(QJsonObject{{QStringLiteral("op"), QStringLiteral("ended")}});
}

QJsonArray WebPlatform::takeRequests()
{
    return std::exchange(requests_, QJsonArray());
}

} // namespace korvalde::web
