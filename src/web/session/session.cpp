#include "session.h"

#include "app/windowfactory.h"
#include "reopen/opensheet.h"
#include "wizard/windows.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <exception>

namespace korvalde::web {

namespace {

// The start page's menu item that opens a sheet: an upload is the file it asks for, and
// it is taken only while the user could choose that item.
const QString kOpenItem = QStringLiteral("mnuOeffnen");

QByteArray encode(const QJsonObject &message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact);
}

QByteArray error(std::optional<qint64> id, const QString &message)
{
    return encode({{QStringLiteral("type"), QStringLiteral("error")},
                   {QStringLiteral("id"), id ? QJsonValue(static_cast<double>(*id)) : QJsonValue()},
                   {QStringLiteral("message"), message}});
}

} // namespace

Session::Session()
{
    // As the desktop program starts: the recorder sees the start page made.
    app_ = std::make_unique<Application>(platform_, createWindow, windowNames());
    recorder_ = std::make_unique<ChangeRecorder>(*app_);
    app_->start(windows::startPage);
}

Session::~Session()
{
    // The recorder stops watching before the windows go.
    recorder_.reset();
}

QByteArray Session::welcome()
{
    QJsonObject view{{QStringLiteral("type"), QStringLiteral("view")},
                     {QStringLiteral("windows"), recorder_->allWindows()},
                     {QStringLiteral("front"), recorder_->frontPage()},
                     {QStringLiteral("uploadLimit"), static_cast<double>(kLargestUploadContent)}};
    // Anything the start asked for (none today) comes with the view, and so do the message
    // boxes the page may not have closed when it lost its connection.
    QJsonArray changes = platform_.takeRequests();
    for (const QJsonValue &message : openMessages_)
        changes.append(message);
    view.insert(QStringLiteral("changes"), changes);
    return encode(view);
}

QByteArray Session::receiveText(const QByteArray &message)
{
    return answer(readGesture(message));
}

QByteArray Session::receiveBinary(const QByteArray &message)
{
    return answer(readUpload(message));
}

QByteArray Session::answer(const ReadGesture &read)
{
    if (const auto *refused = std::get_if<GestureError>(&read))
        return error(refused->id, refused->message);
    const Gesture &gesture = std::get<Gesture>(read);
    if (broken_)
        return error(gesture.id, QStringLiteral("the session has failed"));
    // A message box is modal on the page: a gesture means the player has closed it.
    openMessages_ = QJsonArray();
    QString why;
    try {
        why = perform(gesture);
    } catch (const std::exception &failure) {
        // A fault in the rules must not take the server down with it; this design cannot
        // be trusted any more, so the session ends.
        broken_ = true;
        return error(gesture.id, QStringLiteral("the session has failed: %1").arg(failure.what()));
    }
    if (!why.isEmpty())
        return error(gesture.id, why);
    QJsonArray changes = recorder_->takeChanges();
    for (const QJsonValue &request : platform_.takeRequests()) {
        changes.append(request);
        if (request[QStringLiteral("op")] == QStringLiteral("message"))
            openMessages_.append(request);
    }
    return encode({{QStringLiteral("type"), QStringLiteral("update")},
                   {QStringLiteral("id"), static_cast<double>(gesture.id)},
                   {QStringLiteral("front"), recorder_->frontPage()},
                   {QStringLiteral("changes"), changes}});
}

QString Session::perform(const Gesture &gesture)
{
    if (gesture.kind != Gesture::Kind::Upload && !app_->isKnownWindow(gesture.window))
        return QStringLiteral("unknown window %1").arg(gesture.window);
    switch (gesture.kind) {
    case Gesture::Kind::Click:
        return app_->userClick(gesture.window, gesture.control);
    case Gesture::Kind::Pick:
        return app_->userPick(gesture.window, gesture.control, gesture.value);
    case Gesture::Kind::Type:
        return app_->userType(gesture.window, gesture.control, gesture.value);
    case Gesture::Kind::Close:
        return app_->userClose(gesture.window);
    case Gesture::Kind::Upload:
        return upload(gesture);
    }
    return {};
}

QString Session::upload(const Gesture &gesture)
{
    if (QString why = app_->whyUnreachable(windows::startPage, kOpenItem); !why.isEmpty())
        return why;
    app_->runUserAction([&] { reopen::openSheetBytes(*app_, gesture.value, gesture.content); });
    return {};
}

} // namespace korvalde::web
