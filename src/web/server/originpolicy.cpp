#include "originpolicy.h"

#include <QUrl>

namespace korvalde::web {

namespace {

int defaultPort(const QString &scheme)
{
    return scheme == u"https" ? 443 : 80;
}

} // namespace

OriginPolicy::OriginPolicy(const QStringList &allowedOrigins)
{
    for (const QString &origin : allowedOrigins) {
        Place place;
        if (readOrigin(origin.toUtf8(), place))
            allowed_.push_back(place);
    }
}

bool OriginPolicy::readOrigin(const QByteArray &origin, Place &into)
{
    // "null" (a sandboxed frame, a file) and anything with a path are no page's origin.
    const QUrl url(QString::fromLatin1(origin), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https") || url.host().isEmpty() ||
        !url.path().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return false;
    into = {url.scheme(), url.host(), url.port(defaultPort(url.scheme()))};
    return true;
}

bool OriginPolicy::allows(const QByteArray &origin, const QByteArray &host) const
{
    if (origin.isEmpty())
        return true;
    Place from;
    if (!readOrigin(origin, from))
        return false;
    for (const Place &place : allowed_) {
        if (place == from)
            return true;
    }
    // The Host header read as the origin the page would have under the same scheme.
    const QByteArray trimmed = host.trimmed();
    if (trimmed.isEmpty())
        return false;
    Place self;
    if (!readOrigin(from.scheme.toLatin1() + "://" + trimmed, self))
        return false;
    return self == from;
}

} // namespace korvalde::web
