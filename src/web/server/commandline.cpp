#include "commandline.h"

#include <QCommandLineParser>
#include <QUrl>

namespace korvalde::web {

namespace {

constexpr int kWrongArguments = 2;

const QString kHelp =
    QStringLiteral("Aufruf: korvalde-web [OPTION]\n"
                   "Korvalde im Browser: Jede Verbindung baut ihre eigene Waffe nach den Konstruktionsregeln\n"
                   "des Rollenspiels Veltrano. Die Adresse, unter der die Seite erreichbar ist, steht auf der\n"
                   "Standardausgabe.\n"
                   "\n"
                   "Optionen:\n"
                   "  -l, --listen ADRESSE:PORT  Auf dieser Adresse und diesem Port lauschen\n"
                   "                             (Vorgabe 127.0.0.1:8080; Port 0 wählt einen freien).\n"
                   "      --max-sessions ANZAHL  Höchstens so viele Sitzungen zugleich (Vorgabe 200).\n"
                   "      --idle-minutes MINUTEN Eine Sitzung ohne Eingabe endet nach so vielen Minuten\n"
                   "                             (Vorgabe 30).\n"
                   "      --allow-origin HERKUNFT\n"
                   "                             Auch Seiten dieser Herkunft (etwa https://waffen.example.org)\n"
                   "                             dürfen Sitzungen öffnen; mehrfach möglich.\n"
                   "  -h, --help                 Diese Hilfe zeigen und beenden.\n"
                   "  -v, --version              Die Version zeigen und beenden.\n");

CommandLine wrong(const QString &why)
{
    CommandLine line;
    line.exitStatus = kWrongArguments;
    line.error = QStringLiteral("korvalde-web: %1 Mehr mit „korvalde-web --help“.\n").arg(why);
    return line;
}

// "127.0.0.1:8080", "[::1]:8080" or "0.0.0.0:0".
bool readListenAddress(const QString &text, CommandLine &into)
{
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    else if (host.contains(u':'))
        return false;
    bool numeric = false;
    const uint port = text.mid(colon + 1).toUInt(&numeric);
    if (!numeric || port > 65535 || !into.address.setAddress(host))
        return false;
    into.port = static_cast<quint16>(port);
    return true;
}

// A whole number from 1 to `largest`, or nothing.
std::optional<uint> positiveNumber(const QString &text, uint largest)
{
    bool numeric = false;
    const uint number = text.toUInt(&numeric);
    if (!numeric || number == 0 || number > largest)
        return std::nullopt;
    return number;
}

QString readLimits(const QCommandLineParser &parser, const QCommandLineOption &maxSessions,
                   const QCommandLineOption &idleMinutes, ServerLimits &into)
{
    constexpr uint kMostSessions = 100000;
    constexpr uint kMostMinutes = 7 * 24 * 60;
    if (parser.isSet(maxSessions)) {
        const std::optional<uint> count = positiveNumber(parser.value(maxSessions), kMostSessions);
        if (!count)
            return QStringLiteral("Ungültige Anzahl „%1“: erwartet 1 bis %2.")
                .arg(parser.value(maxSessions))
                .arg(kMostSessions);
        into.maxSessions = *count;
    }
    if (parser.isSet(idleMinutes)) {
        const std::optional<uint> minutes = positiveNumber(parser.value(idleMinutes), kMostMinutes);
        if (!minutes)
            return QStringLiteral("Ungültige Minutenzahl „%1“: erwartet 1 bis %2.")
                .arg(parser.value(idleMinutes))
                .arg(kMostMinutes);
        into.idle = std::chrono::minutes(*minutes);
    }
    return {};
}

// "https://host" or "http://host:port", as a browser sends it; written the way it is
// compared later.
std::optional<QString> readOrigin(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    const bool plain = url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
                       !url.host().isEmpty() && url.path().isEmpty() && !url.hasQuery() && !url.hasFragment() &&
                       url.userInfo().isEmpty();
    if (!plain)
        return std::nullopt;
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // The German texts come from here, not from the parser's own English ones.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption listen({QStringLiteral("l"), QStringLiteral("listen")}, QString(),
                                    QStringLiteral("ADRESSE:PORT"));
    const QCommandLineOption maxSessions(QStringLiteral("max-sessions"), QString(), QStringLiteral("ANZAHL"));
    const QCommandLineOption idleMinutes(QStringLiteral("idle-minutes"), QString(), QStringLiteral("MINUTEN"));
    const QCommandLineOption allowOrigin(QStringLiteral("allow-origin"), QString(), QStringLiteral("HERKUNFT"));
    parser.addOptions({help, version, listen, maxSessions, idleMinutes, allowOrigin});
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return wrong(QStringLiteral("Unbekannte Option „%1%2“.").arg(dashes, unknown.constFirst()));
        }
        return wrong(QStringLiteral("Falscher Aufruf."));
    }
    CommandLine line;
    if (parser.isSet(help)) {
        line.exitStatus = 0;
        line.output = kHelp;
        return line;
    }
    if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.output = QStringLiteral("korvalde-web %1\n").arg(QStringLiteral(KORVALDE_VERSION));
        return line;
    }
    if (!parser.positionalArguments().isEmpty())
        return wrong(QStringLiteral("Unerwartetes Argument „%1“.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(listen) && !readListenAddress(parser.value(listen), line))
        return wrong(QStringLiteral("Ungültige Adresse „%1“: erwartet ADRESSE:PORT, etwa 127.0.0.1:8080.")
                         .arg(parser.value(listen)));
    if (const QString why = readLimits(parser, maxSessions, idleMinutes, line.limits); !why.isEmpty())
        return wrong(why);
    for (const QString &origin : parser.values(allowOrigin)) {
        const std::optional<QString> read = readOrigin(origin);
        if (!read)
            return wrong(
                QStringLiteral("Ungültige Herkunft „%1“: erwartet etwa https://waffen.example.org.").arg(origin));
        line.allowedOrigins << *read;
    }
    return line;
}

QString pageAddress(const QHostAddress &address, quint16 port)
{
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(address.toString())
                             : address.toString();
    return QStringLiteral("http://%1:%2/").arg(host).arg(port);
}

} // namespace korvalde::web
