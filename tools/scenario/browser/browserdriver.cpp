#include "browserdriver.h"

#include "app/windowfactory.h"
#include "filenames.h"
#include "messages.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace korvalde::scenario::browser {

namespace {

// How long the page may take to answer a gesture (the server runs the rules and sends
// the changes back), and to begin a download or open its file picker after the click.
constexpr int kAnswerWait = 8000;
constexpr int kDownloadWait = 8000;
constexpr int kPickerWait = 3000;
constexpr int kUploadReadWait = 500;

// What the page is asked: its reader's functions, read once.
const QString &pageReader()
{
    static const QString script = [] {
        QFile file(QStringLiteral(":/korvalde-scenario/pagereader.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return script;
}

std::optional<ControlKind> kindNamed(const QString &name)
{
    static const QHash<QString, ControlKind> kinds = {
        {"CheckBox", ControlKind::CheckBox},   {"OptionButton", ControlKind::OptionButton},
        {"TextField", ControlKind::TextField}, {"TextArea", ControlKind::TextArea},
        {"EditField", ControlKind::EditField}, {"ComboBox", ControlKind::ComboBox},
        {"Button", ControlKind::Button},       {"Label", ControlKind::Label},
        {"Frame", ControlKind::Frame},         {"MenuItem", ControlKind::MenuItem},
        {"Picture", ControlKind::Picture}};
    const auto found = kinds.constFind(name);
    if (found == kinds.constEnd())
        return std::nullopt;
    return *found;
}

bool isClickable(const QString &kind)
{
    return kind == "CheckBox" || kind == "OptionButton" || kind == "Button" || kind == "MenuItem";
}

} // namespace

BrowserDriver::~BrowserDriver()
{
    // Closing the context closes its tab, and with it the program's session.
    if (!context_.isEmpty() && client_.isOpen())
        client_.call(QStringLiteral("Target.disposeBrowserContext"), {{"browserContextId", context_}}, {}, 3000);
}

QString BrowserDriver::start(const QUrl &devTools, const QUrl &page, int width)
{
    if (pageReader().isEmpty())
        return QStringLiteral("the page reader is not built in");
    if (!downloads_.isValid())
        return QStringLiteral("cannot make a folder for downloads");
    if (QString why = client_.open(devTools, kAnswerWait); !why.isEmpty())
        return QStringLiteral("cannot reach the browser: %1").arg(why);
    auto call = [this](const QString &method, const QJsonObject &params, const QString &session,
                       QJsonObject *result = nullptr) {
        const DevToolsClient::Reply reply = client_.call(method, params, session);
        if (result != nullptr)
            *result = reply.result;
        return reply.error.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(method, reply.error);
    };
    QJsonObject result;
    // The context goes when this connection does, even when the scenario's process is
    // killed.
    if (QString why = call("Target.createBrowserContext", {{"disposeOnDetach", true}}, {}, &result); !why.isEmpty())
        return why;
    context_ = result.value("browserContextId").toString();
    if (QString why = call("Browser.setDownloadBehavior",
                           {{"behavior", "allowAndName"},
                            {"browserContextId", context_},
                            {"downloadPath", downloads_.path()},
                            {"eventsEnabled", true}},
                           {});
        !why.isEmpty())
        return why;
    if (QString why =
            call("Target.createTarget",
                 {{"url", "about:blank"}, {"browserContextId", context_}, {"width", width}, {"height", kDesktopHeight}},
                 {}, &result);
        !why.isEmpty())
        return why;
    targetId_ = result.value("targetId").toString();
    if (QString why = call("Target.attachToTarget", {{"targetId", targetId_}, {"flatten", true}}, {}, &result);
        !why.isEmpty())
        return why;
    session_ = result.value("sessionId").toString();
    if (QString why = call("Page.enable", {}, session_); !why.isEmpty())
        return why;
    // The page's file picker is answered here, as the user answers the real one.
    if (QString why = call("Page.setInterceptFileChooserDialog", {{"enabled", true}}, session_); !why.isEmpty())
        return why;
    if (QString why = setWidth(width); !why.isEmpty())
        return why;
    if (QString why = call("Page.navigate", {{"url", page.toString()}}, session_, &result); !why.isEmpty())
        return why;
    if (const QString failed = result.value("errorText").toString(); !failed.isEmpty())
        return QStringLiteral("cannot load %1: %2").arg(page.toString(), failed);
    if (QString why = settle(); !why.isEmpty())
        return QStringLiteral("the page does not come up: %1").arg(why);
    return {};
}

QString BrowserDriver::setWidth(int width)
{
    // A phone's scrollbar lies over the page and takes none of its width; a desktop's does.
    constexpr int kWidestPhone = 600;
    if (const DevToolsClient::Reply reply = client_.call(QStringLiteral("Emulation.setScrollbarsHidden"),
                                                         {{"hidden", width <= kWidestPhone}}, session_);
        !reply.error.isEmpty())
        return reply.error;
    const DevToolsClient::Reply reply = client_.call(
        QStringLiteral("Emulation.setDeviceMetricsOverride"),
        {{"width", width}, {"height", kDesktopHeight}, {"deviceScaleFactor", 1}, {"mobile", false}}, session_);
    return reply.error;
}

QString BrowserDriver::reload()
{
    // The page that goes would still say it is settled: the new one is asked once loaded.
    const auto loaded = [this](const DevToolsClient::Event &event) {
        return event.session == session_ && event.method == QLatin1String("Page.loadEventFired");
    };
    client_.dropEvents(loaded);
    if (const DevToolsClient::Reply reply = client_.call(QStringLiteral("Page.reload"), {}, session_);
        !reply.error.isEmpty())
        return reply.error;
    if (!client_.waitForEvent(loaded, kAnswerWait))
        return QStringLiteral("the page does not load again within %1 seconds").arg(kAnswerWait / 1000);
    return settle();
}

std::optional<QJsonValue> BrowserDriver::evaluate(const QString &expression, QString *error) const
{
    const DevToolsClient::Reply reply = client_.call(
        QStringLiteral("Runtime.evaluate"),
        {{"expression", expression}, {"returnByValue", true}, {"awaitPromise", true}}, session_, kAnswerWait + 2000);
    QString why = reply.error;
    if (why.isEmpty() && reply.result.contains("exceptionDetails")) {
        const QJsonObject details = reply.result.value("exceptionDetails").toObject();
        why = details.value("exception").toObject().value("description").toString(details.value("text").toString());
    }
    if (!why.isEmpty()) {
        if (error != nullptr)
            *error = why;
        return std::nullopt;
    }
    return reply.result.value("result").toObject().value("value");
}

QJsonValue BrowserDriver::ask(const QString &function, const QJsonArray &arguments) const
{
    const QString call = QStringLiteral("%1(...%2)")
                             .arg(function, QString::fromUtf8(QJsonDocument(arguments).toJson(QJsonDocument::Compact)));
    return evaluate(QStringLiteral("(() => {\n%1\nreturn %2;\n})()").arg(pageReader(), call)).value_or(QJsonValue());
}

BrowserDriver::Aim BrowserDriver::refused(const QString &why)
{
    Aim aim;
    aim.why = why;
    return aim;
}

BrowserDriver::Aim BrowserDriver::aim(const QString &window, const QString &control, bool opening)
{
    const QJsonObject found = ask(QStringLiteral("aim"), {window, control}).toObject();
    if (found.isEmpty())
        return refused(QStringLiteral("the page does not answer"));
    if (found.contains("why"))
        return refused(found.value("why").toString());
    if (found.value("open").toBool()) {
        // The control is an item of a closed menu: the user opens the menu first.
        if (opening)
            return refused(QStringLiteral("%1.%2 is in a menu that does not open").arg(window, control));
        if (QString why = mouseClick(found.value("x").toDouble(), found.value("y").toDouble()); !why.isEmpty())
            return refused(why);
        return aim(window, control, true);
    }
    return {{},
            found.value("x").toDouble(),
            found.value("y").toDouble(),
            found.value("kind").toString(),
            found.value("readOnly").toBool()};
}

QString BrowserDriver::mouseClick(double x, double y)
{
    const QString method = QStringLiteral("Input.dispatchMouseEvent");
    for (const char *type : {"mouseMoved", "mousePressed", "mouseReleased"}) {
        QJsonObject event{{"type", type}, {"x", x}, {"y", y}};
        if (QLatin1String(type) != QLatin1String("mouseMoved"))
            event.insert("button", "left"), event.insert("clickCount", 1);
        if (const DevToolsClient::Reply reply = client_.call(method, event, session_); !reply.error.isEmpty())
            return reply.error;
    }
    return {};
}

QString BrowserDriver::pressKey(const QString &key, int code, int modifiers, const QStringList &commands)
{
    for (const char *type : {"rawKeyDown", "keyUp"}) {
        QJsonObject event{
            {"type", type}, {"key", key}, {"code", key}, {"windowsVirtualKeyCode", code}, {"modifiers", modifiers}};
        if (!commands.isEmpty() && QLatin1String(type) == QLatin1String("rawKeyDown"))
            event.insert("commands", QJsonArray::fromStringList(commands));
        if (const DevToolsClient::Reply reply = client_.call(QStringLiteral("Input.dispatchKeyEvent"), event, session_);
            !reply.error.isEmpty())
            return reply.error;
    }
    return {};
}

QString BrowserDriver::settle()
{
    // A box closed with OK is a gesture too; what it answers may bring the next box.
    for (;;) {
        // A document that is being replaced (the first one of a new tab) cannot answer;
        // its successor is asked again.
        QJsonValue done;
        const QDeadlineTimer deadline(kAnswerWait);
        while (!done.isObject() && !deadline.hasExpired())
            done = ask(QStringLiteral("settled"), {int(qMax<qint64>(deadline.remainingTime(), 1))});
        if (!done.isObject())
            return QStringLiteral("the page does not answer within %1 seconds").arg(kAnswerWait / 1000);
        const QJsonObject box = done.toObject().value("box").toObject();
        if (box.isEmpty())
            return {};
        messages_ << box.value("text").toString();
        if (box.value("x").toDouble() < 0)
            return QStringLiteral("the message box %1 has no OK button").arg(shownValue(box.value("text").toString()));
        if (QString why = mouseClick(box.value("x").toDouble(), box.value("y").toDouble()); !why.isEmpty())
            return why;
    }
}

QString BrowserDriver::click(const QString &window, const QString &control)
{
    const Aim at = aim(window, control);
    if (!at.why.isEmpty())
        return at.why;
    if (!isClickable(at.kind))
        return QStringLiteral("%1.%2 cannot be clicked").arg(window, control);
    if (QString why = mouseClick(at.x, at.y); !why.isEmpty())
        return why;
    return settle();
}

QString BrowserDriver::pick(const QString &window, const QString &control, const QString &entry)
{
    const Aim at = aim(window, control);
    if (!at.why.isEmpty())
        return at.why;
    if (at.kind != "ComboBox")
        return QStringLiteral("%1.%2 is no list").arg(window, control);
    const QStringList items = controlProperty(window, control, QStringLiteral("items")).split('|');
    const qsizetype index = items.indexOf(entry);
    if (index < 0)
        return QStringLiteral("%1.%2 has no entry \"%3\"").arg(window, control, entry);
    // The list's own popup is drawn by the browser outside the page; taking an entry from
    // it selects the entry and tells the page once, which is what the page is asked to do.
    if (!ask(QStringLiteral("chooseEntry"), {window, control, int(index)}).toBool())
        return QStringLiteral("%1.%2 does not take the entry").arg(window, control);
    return settle();
}

QString BrowserDriver::type(const QString &window, const QString &control, const QString &text)
{
    const Aim at = aim(window, control);
    if (!at.why.isEmpty())
        return at.why;
    if (at.kind != "EditField" || at.readOnly)
        return QStringLiteral("%1.%2 cannot be typed into").arg(window, control);
    // Into the field, everything in it selected, and the new text typed over it.
    if (QString why = mouseClick(at.x, at.y); !why.isEmpty())
        return why;
    constexpr int kControl = 2;
    if (QString why = pressKey(QStringLiteral("KeyA"), 'A', kControl, {QStringLiteral("selectAll")}); !why.isEmpty())
        return why;
    if (text.isEmpty()) {
        if (QString why = pressKey(QStringLiteral("Delete"), 46, 0, {QStringLiteral("deleteForward")}); !why.isEmpty())
            return why;
    } else if (const DevToolsClient::Reply reply =
                   client_.call(QStringLiteral("Input.insertText"), {{"text", text}}, session_);
               !reply.error.isEmpty()) {
        return reply.error;
    }
    return settle();
}

QString BrowserDriver::close(const QString &window)
{
    if (hasEnded())
        return QStringLiteral("the program has ended");
    const QJsonValue shell = ask(QStringLiteral("readWindow"), {window});
    if (!shell.isObject())
        return QStringLiteral("window %1 is not loaded").arg(window);
    if (!shell.toObject().value("shown").toBool())
        return QStringLiteral("window %1 is not shown").arg(window);
    const QJsonObject closer = ask(QStringLiteral("closer"), {window}).toObject();
    if (closer.contains("why"))
        return closer.value("why").toString();
    if (closer.value("escape").toBool()) {
        if (QString why = pressKey(QStringLiteral("Escape"), 27); !why.isEmpty())
            return why;
    } else if (QString why = mouseClick(closer.value("x").toDouble(), closer.value("y").toDouble()); !why.isEmpty()) {
        return why;
    }
    return settle();
}

QString BrowserDriver::pressForDownload(const std::optional<QString> &path)
{
    const QString refusal = path ? saveDialogRefusal(*path) : QString();
    auto isMine = [this](const DevToolsClient::Event &event) {
        return event.method == "Browser.downloadWillBegin" && event.params.value("frameId").toString() == targetId_;
    };
    client_.dropEvents(isMine);
    const qsizetype messagesBefore = messages_.size();
    if (QString why = click(QStringLiteral("Form5"), QStringLiteral("cmdSave")); !why.isEmpty())
        return why;
    // A message box instead of a download: the program did not save.
    const int wait = messages_.size() > messagesBefore ? 0 : kDownloadWait;
    const std::optional<DevToolsClient::Event> begun = client_.waitForEvent(isMine, wait);
    if (!begun)
        return {};
    const QString guid = begun->params.value("guid").toString();
    if (!path || !refusal.isEmpty()) {
        client_.call(QStringLiteral("Browser.cancelDownload"), {{"guid", guid}, {"browserContextId", context_}});
        if (!refusal.isEmpty())
            return QStringLiteral("the save dialog refuses it: %1").arg(refusal);
        return {};
    }
    const std::optional<DevToolsClient::Event> ended = client_.waitForEvent(
        [&guid](const DevToolsClient::Event &event) {
            return event.method == "Browser.downloadProgress" && event.params.value("guid").toString() == guid &&
                   event.params.value("state").toString() != "inProgress";
        },
        kAnswerWait);
    if (!ended)
        return QStringLiteral("the download does not finish");
    if (ended->params.value("state").toString() != "completed")
        return QStringLiteral("the download was %1").arg(ended->params.value("state").toString());
    // The browser names the file by its own number; the user's answer names it.
    const QString downloaded = QDir(downloads_.path()).filePath(guid);
    if (QFileInfo::exists(*path) && !QFile::remove(*path))
        return QStringLiteral("cannot replace %1").arg(shownValue(*path));
    if (!QFile::rename(downloaded, *path))
        return QStringLiteral("cannot write %1").arg(shownValue(*path));
    return {};
}

QString BrowserDriver::save(const std::optional<QString> &path)
{
    return pressForDownload(path);
}

QString BrowserDriver::open(const std::optional<QString> &path)
{
    auto isPicker = [this](const DevToolsClient::Event &event) {
        return event.method == "Page.fileChooserOpened" && event.session == session_;
    };
    client_.dropEvents(isPicker);
    if (QString why = click(QStringLiteral("Form1"), QStringLiteral("mnuOeffnen")); !why.isEmpty())
        return why;
    const std::optional<DevToolsClient::Event> picker = client_.waitForEvent(isPicker, kPickerWait);
    if (!picker)
        return QStringLiteral("no file picker opens");
    if (!path) // cancelled: the page's file input gets nothing
        return {};
    if (const QString refusal = openDialogRefusal(*path); !refusal.isEmpty())
        return QStringLiteral("the open dialog refuses it: %1").arg(refusal);
    const DevToolsClient::Reply reply = client_.call(QStringLiteral("DOM.setFileInputFiles"),
                                                     {{"files", QJsonArray{QFileInfo(*path).absoluteFilePath()}},
                                                      {"backendNodeId", picker->params.value("backendNodeId")}},
                                                     session_);
    if (!reply.error.isEmpty())
        return reply.error;
    // The page reads the file before it sends it: its answer may not have begun yet.
    ask(QStringLiteral("begun"), {kUploadReadWait});
    return settle();
}

bool BrowserDriver::isKnownWindow(const QString &window) const
{
    return windowNames().contains(window);
}

bool BrowserDriver::isLoaded(const QString &window) const
{
    return ask(QStringLiteral("readWindow"), {window}).isObject();
}

std::optional<ControlKind> BrowserDriver::controlKind(const QString &window, const QString &control) const
{
    return kindNamed(ask(QStringLiteral("readControl"), {window, control, QStringLiteral("kind")}).toString());
}

QString BrowserDriver::windowProperty(const QString &window, const QString &property) const
{
    const QJsonObject shell = ask(QStringLiteral("readWindow"), {window}).toObject();
    if (property == "shown" || property == "enabled")
        return boolWord(shell.value(property).toBool());
    return shell.value("title").toString();
}

QString BrowserDriver::controlProperty(const QString &window, const QString &control, const QString &property) const
{
    return ask(QStringLiteral("readControl"), {window, control, property}).toString();
}

bool BrowserDriver::hasEnded() const
{
    return ask(QStringLiteral("hasEnded"), {}).toBool();
}

QString BrowserDriver::openModalWindow() const
{
    return ask(QStringLiteral("openModalWindow"), {}).toString();
}

QString BrowserDriver::takeScreenshot(const QString &path)
{
    const DevToolsClient::Reply reply = client_.call(QStringLiteral("Page.captureScreenshot"),
                                                     {{"format", "png"}, {"captureBeyondViewport", true}}, session_);
    if (!reply.error.isEmpty())
        return reply.error;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QByteArray::fromBase64(reply.result.value("data").toString().toLatin1())) < 0)
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}

} // namespace korvalde::scenario::browser
