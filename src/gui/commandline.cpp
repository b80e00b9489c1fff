#include "commandline.h"

#include <QCommandLineParser>

namespace korvalde::gui {

namespace {

constexpr int kWrongArguments = 2;

const QString kHelp = QStringLiteral("Aufruf: korvalde [OPTION] [DATEI]\n"
                                     "Korvalde baut Waffen nach den Konstruktionsregeln des Rollenspiels Veltrano.\n"
                                     "\n"
                                     "Optionen:\n"
                                     "  -h, --help     Diese Hilfe zeigen und beenden.\n"
                                     "  -v, --version  Die Version zeigen und beenden.\n"
                                     "\n"
                                     "Argumente:\n"
                                     "  DATEI          Ein gespeichertes Waffenblatt (.txt) beim Start öffnen.\n");

// An argument as it may be echoed to the terminal: control characters (an escape
// sequence would reach the terminal) become "?", and a long one is cut.
QString echoable(const QString &argument)
{
    constexpr qsizetype kLongestEcho = 40;
    QString shown;
    for (const char32_t letter : argument.toUcs4()) {
        if (shown.size() >= kLongestEcho) {
            shown += u'…';
            break;
        }
        const QChar::Category category = QChar::category(letter);
        const bool control =
            category == QChar::Other_Control || category == QChar::Other_Format || category == QChar::Other_Surrogate;
        shown += control ? QStringLiteral("?") : QString::fromUcs4(&letter, 1);
    }
    return shown;
}

CommandLine wrong(const QString &why)
{
    return {kWrongArguments, {}, QStringLiteral("korvalde: %1 Mehr mit „korvalde --help“.\n").arg(why), {}};
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // The German texts come from here, not from the parser's own English ones.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("DATEI"), QString(), QStringLiteral("[DATEI]"));
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString dashes = unknown.constFirst().size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return wrong(QStringLiteral("Unbekannte Option „%1%2“.").arg(dashes, echoable(unknown.constFirst())));
        }
        return wrong(QStringLiteral("Falscher Aufruf."));
    }
    if (parser.isSet(help))
        return {0, kHelp, {}, {}};
    if (parser.isSet(version))
        return {0, QStringLiteral("Korvalde %1\n").arg(QStringLiteral(KORVALDE_VERSION)), {}, {}};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return wrong(QStringLiteral("Es lässt sich nur eine Datei öffnen."));
    return {std::nullopt, {}, {}, files.value(0)};
}

} // namespace korvalde::gui
