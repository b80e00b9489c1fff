// The program's start from a terminal: what it echoes of a wrong argument, and what it
// says when the windowing system cannot start.

#include "commandline.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace korvalde::gui {

namespace {

// An unknown option comes back short and without the escape sequences it may carry, which
// would otherwise reach the terminal.
TEST(CommandLineStart, AnUnknownOptionIsEchoedShortAndWithoutControlCharacters)
{
    const QString hostile = QStringLiteral("--\x1b]0;Titel\x07\x1b[2J\u202e") + QString(100000, u'x');
    const CommandLine line = readCommandLine({QStringLiteral("korvalde"), hostile});
    ASSERT_EQ(line.exitStatus, 2);
    EXPECT_TRUE(line.error.startsWith(QStringLiteral("korvalde: Unbekannte Option „--?]0;Titel??[2J?xxx")))
        << qPrintable(line.error.left(120));
    EXPECT_LT(line.error.size(), 160);
    EXPECT_TRUE(line.error.endsWith(QStringLiteral("…“. Mehr mit „korvalde --help“.\n"))) << qPrintable(line.error);
    for (const QChar letter : line.error)
        EXPECT_TRUE(letter == u'\n' || letter.category() != QChar::Other_Control) << int(letter.unicode());

    const CommandLine plain = readCommandLine({QStringLiteral("korvalde"), QStringLiteral("--farbe")});
    EXPECT_EQ(plain.error, QStringLiteral("korvalde: Unbekannte Option „--farbe“. Mehr mit „korvalde --help“.\n"));
}

struct Start {
    int status = 0;
    QString error;
};

Start startProgram(const QStringList &unset, const QStringList &set)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : unset)
        environment.remove(name);
    for (const QString &assignment : set)
        environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KORVALDE_PROGRAM), {});
    EXPECT_TRUE(program.waitForFinished());
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

// Without a display one German line says so; with one named but a platform plugin that
// fails, a German line leads Qt's own reason instead of claiming there is no display.
TEST(CommandLineStart, AFailingStartSaysWhyInGermanAndKeepsQtsReason)
{
    const Start noDisplay = startProgram({"DISPLAY", "WAYLAND_DISPLAY"}, {"QT_QPA_PLATFORM=xcb"});
    EXPECT_EQ(noDisplay.status, 1);
    EXPECT_TRUE(noDisplay.error.startsWith("korvalde: Keine grafische Anzeige gefunden;"))
        << qPrintable(noDisplay.error);
    EXPECT_EQ(noDisplay.error.count('\n'), 1) << qPrintable(noDisplay.error);

    const Start brokenPlugin = startProgram({"WAYLAND_DISPLAY"}, {"DISPLAY=:0", "QT_QPA_PLATFORM=kein-solches-plugin"});
    EXPECT_EQ(brokenPlugin.status, 1);
    EXPECT_TRUE(brokenPlugin.error.startsWith("korvalde: Die grafische Oberfläche lässt sich nicht starten."))
        << qPrintable(brokenPlugin.error);
    EXPECT_TRUE(brokenPlugin.error.contains("kein-solches-plugin")) << qPrintable(brokenPlugin.error);
}

} // namespace

} // namespace korvalde::gui
