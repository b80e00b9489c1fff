#pragma once

#include "session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace korvalde::test {

// A session driven as the page drives it: gestures as JSON, answers read back as JSON.
class PageSide {
public:
    QJsonObject welcome() { return parse(session.welcome()); }

    QJsonObject send(const QJsonObject &gesture) { return parse(session.receiveText(toJson(gesture))); }
    QJsonObject click(const QString &window, const QString &control)
    {
        return send({{"id", ++lastId}, {"type", "click"}, {"window", window}, {"control", control}});
    }
    QJsonObject type(const QString &window, const QString &control, const QString &text)
    {
        return send({{"id", ++lastId}, {"type", "type"}, {"window", window}, {"control", control}, {"text", text}});
    }
    QJsonObject upload(const QString &name, const QByteArray &bytes)
    {
        const QByteArray header = toJson({{"id", ++lastId}, {"type", "upload"}, {"name", name}});
        return parse(session.receiveBinary(header + '\n' + bytes));
    }

    static QByteArray toJson(const QJsonObject &object) { return QJsonDocument(object).toJson(QJsonDocument::Compact); }
    static QJsonObject parse(const QByteArray &json) { return QJsonDocument::fromJson(json).object(); }

    web::Session session;
    int lastId = 0;
};

// The changes of an answer with the given op (and window and control, where given).
inline QJsonArray changesOf(const QJsonObject &answer, const QString &op, const QString &window = {},
                            const QString &control = {})
{
    QJsonArray found;
    for (const QJsonValue &value : answer["changes"].toArray()) {
        const QJsonObject change = value.toObject();
        if (change["op"].toString() != op)
            continue;
        if (!window.isEmpty() && change["window"].toString() != window && change["name"].toString() != window)
            continue;
        if (!control.isEmpty() && change["control"].toString() != control)
            continue;
        found.append(change);
    }
    return found;
}

inline std::optional<QJsonObject> onlyChange(const QJsonObject &answer, const QString &op, const QString &window = {},
                                             const QString &control = {})
{
    const QJsonArray found = changesOf(answer, op, window, control);
    if (found.size() != 1)
        return std::nullopt;
    return found.first().toObject();
}

} // namespace korvalde::test
