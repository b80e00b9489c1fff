// Whatever bytes a page sends, one after another on one connection, a design session
// answers each message with exactly one JSON object, an update or an error, and neither
// crashes nor hangs. The input is a run of messages parted by 0xFF bytes (never part of
// UTF-8 text); a message whose first byte is odd goes as binary (an upload), the rest as
// text.
#include "session.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>
#include <cstdlib>

namespace {

void expectOneAnswer(const QByteArray &answer)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(answer, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        std::abort();
    const QString type = document.object().value(QStringLiteral("type")).toString();
    if (type != QLatin1String("update") && type != QLatin1String("error"))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A long run is the same few messages again; a session is cheap to start, so many
    // short runs find more.
    constexpr int kMostMessages = 64;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    korvalde::web::Session session;
    expectOneAnswer(session.welcome().replace("\"type\":\"view\"", "\"type\":\"update\""));
    int sent = 0;
    for (const QByteArray &part : input.split('\xff')) {
        if (part.isEmpty() || ++sent > kMostMessages || session.isOver())
            continue;
        const bool binary = (static_cast<unsigned char>(part.front()) & 1U) != 0;
        const QByteArray message = part.mid(1);
        expectOneAnswer(binary ? session.receiveBinary(message) : session.receiveText(message));
    }
    return 0;
}
