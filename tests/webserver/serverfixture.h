#pragma once

#include "originpolicy.h"
#include "pageclient.h"
#include "serverlimits.h"
#include "sessiontable.h"

#include <QHttpServer>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace korvalde::web::testing {

// korvalde-web's parts as main() puts them together, in the test's process, on a free
// loopback port, with limits the test chooses.
class ServerFixture : public ::testing::Test {
public:
    // One raw HTTP request for a target as written (no client tidies it up first): the
    // status code, the headers (names in lower case) and the body.
    struct RawAnswer {
        int status = 0;
        QMap<QByteArray, QByteArray> headers;
        QByteArray body;
    };

protected:
    void startServer(const ServerLimits &limits = {}, const QStringList &allowedOrigins = {});
    void TearDown() override;

    // The WebSocket address, asking for the session of `token` when one is given.
    QUrl socketUrl(const QByteArray &token = {}) const;
    QString origin() const { return QStringLiteral("http://127.0.0.1:%1").arg(port); }
    // Connects a page of this server's origin and reads the view it is welcomed with.
    std::unique_ptr<PageClient> openPage(const QByteArray &token, QJsonObject &view);

    RawAnswer rawGet(const QByteArray &target);

    std::unique_ptr<OriginPolicy> origins;
    std::unique_ptr<QHttpServer> http;
    std::unique_ptr<SessionTable> sessions;
    quint16 port = 0;
};

} // namespace korvalde::web::testing
