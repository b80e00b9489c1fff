#include "commandline.h"
#include "originpolicy.h"
#include "preload.h"
#include "responseheaders.h"
#include "routes.h"
#include "sessiontable.h"
#include "stopsignal.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHttpServer>
#include <QTimer>

#include <cstdio>

using namespace korvalde;

namespace {

QStringList argumentList(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char **argv)
{
    const web::CommandLine commandLine = web::readCommandLine(argumentList(argc, argv));
    if (commandLine.exitStatus) {
        std::fputs(qUtf8Printable(commandLine.output), stdout);
        std::fputs(qUtf8Printable(commandLine.error), stderr);
        return *commandLine.exitStatus;
    }
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvalde-web"));

    web::preloadWhatSessionsRead();
    const web::OriginPolicy origins(commandLine.allowedOrigins);
    QHttpServer server;
    web::addRoutes(server, origins);
    web::guardResponses(server);
    web::SessionTable sessions(server, commandLine.limits, origins);
    // Every page hears that the server ends before its connection closes; a page that
    // does not answer the close is not waited for long.
    const web::StopSignal stop([&sessions] {
        constexpr int kLongestGoodbyeMs = 3000;
        sessions.closeAll([] { QCoreApplication::quit(); });
        QTimer::singleShot(kLongestGoodbyeMs, qApp, [] { QCoreApplication::quit(); });
    });
    const quint16 port = server.listen(commandLine.address, commandLine.port);
    if (port == 0) {
        std::fprintf(stderr, "korvalde-web: Auf %s lässt sich nicht lauschen.\n",
                     qUtf8Printable(web::pageAddress(commandLine.address, commandLine.port)));
        return 1;
    }
    // The address alone on its line, so that a tool starting the server can read it.
    std::printf("%s\n", qUtf8Printable(web::pageAddress(commandLine.address, port)));
    std::fflush(stdout);
    const int status = QCoreApplication::exec();
    // Connections that closed in the loop's last turn were handed over for deletion in
    // its next one, which never comes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
