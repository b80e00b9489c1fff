#include "gesture.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace korvalde::web {

namespace {

// JSON numbers are doubles; an id is a whole number a double holds exactly.
constexpr double kLargestId = 9007199254740991.0;

GestureError refused(const QString &message, std::optional<qint64> id = std::nullopt)
{
    return {id, message};
}

std::optional<qint64> idOf(const QJsonObject &object)
{
    const QJsonValue id = object.value(QStringLiteral("id"));
    if (!id.isDouble())
        return std::nullopt;
    const double number = id.toDouble();
    if (number < 0 || number > kLargestId || std::floor(number) != number)
        return std::nullopt;
    return static_cast<qint64>(number);
}

// The text field `key`, or nothing when it is missing or no text.
std::optional<QString> textOf(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

std::variant<QJsonObject, GestureError> parseObject(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return refused(QStringLiteral("malformed JSON: %1").arg(error.errorString()));
    if (!document.isObject())
        return refused(QStringLiteral("a message is a JSON object"));
    return document.object();
}

struct Field {
    QString key;
    QString Gesture::*into;
};

ReadGesture readObject(const QJsonObject &object)
{
    const std::optional<qint64> id = idOf(object);
    if (!id)
        return refused(QStringLiteral("\"id\" must be a whole number from 0"));
    const std::optional<QString> type = textOf(object, QStringLiteral("type"));
    if (!type)
        return refused(QStringLiteral("\"type\" must be a text"), id);
    Gesture gesture;
    gesture.id = *id;
    std::vector<Field> fields;
    if (*type == QLatin1String("click")) {
        gesture.kind = Gesture::Kind::Click;
        fields = {{"window", &Gesture::window}, {"control", &Gesture::control}};
    } else if (*type == QLatin1String("pick")) {
        gesture.kind = Gesture::Kind::Pick;
        fields = {{"window", &Gesture::window}, {"control", &Gesture::control}, {"entry", &Gesture::value}};
    } else if (*type == QLatin1String("type")) {
        gesture.kind = Gesture::Kind::Type;
        fields = {{"window", &Gesture::window}, {"control", &Gesture::control}, {"text", &Gesture::value}};
    } else if (*type == QLatin1String("close")) {
        gesture.kind = Gesture::Kind::Close;
        fields = {{"window", &Gesture::window}};
    } else {
        return refused(QStringLiteral("unknown type \"%1\"").arg(*type), id);
    }
    for (const Field &field : fields) {
        const std::optional<QString> value = textOf(object, field.key);
        if (!value)
            return refused(QStringLiteral("\"%1\" must be a text").arg(field.key), id);
        gesture.*field.into = *value;
    }
    return gesture;
}

} // namespace

ReadGesture readGesture(const QByteArray &message)
{
    if (message.size() > kLargestMessage)
        return refused(QStringLiteral("message larger than %1 bytes").arg(kLargestMessage));
    auto parsed = parseObject(message);
    if (auto *error = std::get_if<GestureError>(&parsed))
        return *error;
    return readObject(std::get<QJsonObject>(parsed));
}

ReadGesture readUpload(const QByteArray &message)
{
    const qsizetype lineEnd = message.indexOf('\n');
    if (lineEnd < 0 || lineEnd > kLargestUploadHeader)
        return refused(
            QStringLiteral("an upload begins with a line of JSON of at most %1 bytes").arg(kLargestUploadHeader));
    auto parsed = parseObject(message.left(lineEnd));
    if (auto *error = std::get_if<GestureError>(&parsed))
        return *error;
    const QJsonObject header = std::get<QJsonObject>(parsed);
    const std::optional<qint64> id = idOf(header);
    if (!id)
        return refused(QStringLiteral("\"id\" must be a whole number from 0"));
    if (textOf(header, QStringLiteral("type")) != QStringLiteral("upload"))
        return refused(QStringLiteral("a binary message is an upload"), id);
    const std::optional<QString> name = textOf(header, QStringLiteral("name"));
    if (!name)
        return refused(QStringLiteral("\"name\" must be a text"), id);
    if (message.size() - lineEnd - 1 > kLargestUploadContent)
        return refused(QStringLiteral("upload larger than %1 bytes").arg(kLargestUploadContent), id);
    return Gesture{Gesture::Kind::Upload, *id, {}, {}, *name, message.mid(lineEnd + 1)};
}

} // namespace korvalde::web
