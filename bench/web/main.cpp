// Load on korvalde-web: N players at once over loopback, each clicking through designs as
// a user does (a pause of 50 to 500 ms before each action), through the protocol the page
// speaks. Prints the round trip per action (median, 99th percentile) for each N, the
// server's memory per session, how many sessions one core carries, and the sessions lost
// or mixed up with another.
//
//   web-load KORVALDE-WEB [--sessions 50,200,500] [--seconds 20] [--seed 1]
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWaitMs = 20000;
// An answer later than this counts the session as lost.
constexpr qint64 kLostAfterMs = 5000;
// Gesture numbers of session k lie in [k * kIdSpan, (k + 1) * kIdSpan): an answer outside
// its own range is another session's.
constexpr qint64 kIdSpan = 1000000;

struct ControlState {
    QString kind;
    QString text;
    bool enabled = true;
    bool visible = true;
    QStringList items;
};

struct WindowState {
    QString kind;
    bool shown = false;
    bool enabled = true;
    std::map<QString, ControlState> controls;
};

// One player's page: the mirror of its windows, enough to choose a click a user could make.
class Player {
public:
    Player(int number, const QUrl &url, quint32 seed, std::vector<double> &roundTrips, bool &measuring)
        : number_(number), random_(seed), roundTrips_(roundTrips), measuring_(measuring)
    {
        QObject::connect(&socket_, &QWebSocket::textMessageReceived,
                         [this](const QString &text) { receive(QJsonDocument::fromJson(text.toUtf8()).object()); });
        QObject::connect(&socket_, &QWebSocket::disconnected, [this] {
            if (!stopping_)
                lost_ = true;
        });
        pause_.setSingleShot(true);
        QObject::connect(&pause_, &QTimer::timeout, [this] { act(); });
        socket_.open(url);
    }

    bool hasView() const { return !token_.isEmpty(); }
    bool isLost() const { return lost_ || (pending_ >= 0 && sent_.isValid() && sent_.elapsed() > kLostAfterMs); }
    QString token() const { return token_; }
    void stop()
    {
        stopping_ = true;
        pause_.stop();
        socket_.close();
    }

private:
    void receive(const QJsonObject &message)
    {
        const QString type = message.value(QStringLiteral("type")).toString();
        if (type == QLatin1String("view")) {
            token_ = message.value(QStringLiteral("token")).toString();
            windows_.clear();
            for (const QJsonValue &window : message.value(QStringLiteral("windows")).toArray())
                create(window.toObject());
            apply(message);
            scheduleNext();
            return;
        }
        if (type == QLatin1String("closing")) {
            lost_ = true;
            return;
        }
        const QJsonValue id = message.value(QStringLiteral("id"));
        if (!id.isDouble() || static_cast<qint64>(id.toDouble()) != pending_) {
            lost_ = true; // an answer to no gesture of this page
            return;
        }
        if (measuring_)
            roundTrips_.push_back(static_cast<double>(sent_.nsecsElapsed()) / 1e6);
        pending_ = -1;
        if (type == QLatin1String("update"))
            apply(message);
        scheduleNext();
    }

    void create(const QJsonObject &window)
    {
        WindowState &state = windows_[window.value(QStringLiteral("name")).toString()];
        state = WindowState{};
        state.kind = window.value(QStringLiteral("kind")).toString();
        state.shown = window.value(QStringLiteral("shown")).toBool();
        state.enabled = window.value(QStringLiteral("enabled")).toBool(true);
        for (const QJsonValue &control : window.value(QStringLiteral("controls")).toArray())
            update(state.controls[control[QStringLiteral("name")].toString()], control.toObject());
    }

    static void update(ControlState &control, const QJsonObject &from)
    {
        if (from.contains(QStringLiteral("kind")))
            control.kind = from.value(QStringLiteral("kind")).toString();
        if (from.contains(QStringLiteral("text")))
            control.text = from.value(QStringLiteral("text")).toString();
        if (from.contains(QStringLiteral("enabled")))
            control.enabled = from.value(QStringLiteral("enabled")).toBool();
        if (from.contains(QStringLiteral("visible")))
            control.visible = from.value(QStringLiteral("visible")).toBool();
        if (from.contains(QStringLiteral("items"))) {
            control.items.clear();
            for (const QJsonValue &item : from.value(QStringLiteral("items")).toArray())
                control.items << item.toString();
        }
    }

    void apply(const QJsonObject &message)
    {
        front_ = message.value(QStringLiteral("front")).toString();
        for (const QJsonValue &value : message.value(QStringLiteral("changes")).toArray()) {
            const QJsonObject change = value.toObject();
            const QString op = change.value(QStringLiteral("op")).toString();
            const QString window = change.value(QStringLiteral("window")).toString();
            if (op == QLatin1String("create"))
                create(change);
            else if (op == QLatin1String("discard"))
                windows_.erase(window);
            else if (op == QLatin1String("window") && windows_.contains(window)) {
                WindowState &state = windows_[window];
                state.shown = change.value(QStringLiteral("shown")).toBool(state.shown);
                state.enabled = change.value(QStringLiteral("enabled")).toBool(state.enabled);
            } else if (op == QLatin1String("control") && windows_.contains(window))
                update(windows_[window].controls[change.value(QStringLiteral("control")).toString()], change);
            else if (op == QLatin1String("ended"))
                lost_ = true; // the walk never ends the program
        }
    }

    void scheduleNext()
    {
        if (!stopping_)
            pause_.start(50 + static_cast<int>(random_.bounded(451)));
    }

    // The window a user works in: an open dialog, else the page in front.
    QString currentWindow() const
    {
        for (const auto &[name, window] : windows_) {
            if (window.kind == QLatin1String("dialog") && window.shown)
                return name;
        }
        return front_;
    }

    void act()
    {
        const QString window = currentWindow();
        const auto found = windows_.find(window);
        if (found == windows_.end()) {
            lost_ = true;
            return;
        }
        std::vector<std::pair<QString, const ControlState *>> choices;
        for (const auto &[name, control] : found->second.controls) {
            const bool clickable = control.kind == QLatin1String("checkbox") ||
                                   control.kind == QLatin1String("option") || control.kind == QLatin1String("button") ||
                                   control.kind == QLatin1String("combo") || control.kind == QLatin1String("edit");
            // Ending the program ends the walk; menus open files and boxes a user reads.
            if (clickable && control.enabled && control.visible && !control.text.contains(QLatin1String("Beenden")))
                choices.emplace_back(name, &control);
        }
        if (choices.empty()) {
            lost_ = true;
            return;
        }
        const auto &[control, state] = choices[random_.bounded(static_cast<quint32>(choices.size()))];
        QJsonObject gesture{{QStringLiteral("window"), window}, {QStringLiteral("control"), control}};
        if (state->kind == QLatin1String("combo") && !state->items.isEmpty()) {
            gesture.insert(QStringLiteral("type"), QStringLiteral("pick"));
            gesture.insert(QStringLiteral("entry"),
                           state->items[random_.bounded(static_cast<quint32>(state->items.size()))]);
        } else if (state->kind == QLatin1String("edit")) {
            gesture.insert(QStringLiteral("type"), QStringLiteral("type"));
            gesture.insert(QStringLiteral("text"), QStringLiteral("Spieler %1").arg(number_));
        } else {
            gesture.insert(QStringLiteral("type"), QStringLiteral("click"));
        }
        pending_ = number_ * kIdSpan + (++count_ % kIdSpan);
        gesture.insert(QStringLiteral("id"), static_cast<double>(pending_));
        sent_.start();
        socket_.sendTextMessage(QString::fromUtf8(QJsonDocument(gesture).toJson(QJsonDocument::Compact)));
    }

    int number_;
    QRandomGenerator random_;
    std::vector<double> &roundTrips_;
    bool &measuring_;
    QWebSocket socket_;
    QTimer pause_;
    QString token_;
    QString front_;
    std::map<QString, WindowState> windows_;
    qint64 pending_ = -1;
    qint64 count_ = 0;
    QElapsedTimer sent_;
    bool lost_ = false;
    bool stopping_ = false;
};

void runFor(
    int ms, const std::function<bool()> &done = [] { return false; })
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// The server's resident memory in KiB and its processor time in seconds, from /proc.
qint64 residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

double processorSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = stat.readAll();
    // The fields after the command's closing parenthesis; utime and stime are 14 and 15.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return static_cast<double>(fields.value(11).toLongLong() + fields.value(12).toLongLong()) /
           static_cast<double>(sysconf(_SC_CLK_TCK));
}

double percentile(std::vector<double> values, double share)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

void figure(const char *name, double value)
{
    std::printf("%s: %.2f\n", name, value);
    std::fflush(stdout);
}

struct Run {
    double p50 = 0;
    double p99 = 0;
    double memoryPerSessionKb = 0;
    double sessionsPerCore = 0;
    double serverShare = 0; // of one core, while measured
    double clientShare = 0;
    int lost = 0;
    std::size_t actions = 0;
};

Run runLoad(const QString &server, int sessions, int seconds, quint32 seed)
{
    Run run;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(server, {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--max-sessions"),
                           QString::number(sessions)});
    if (!process.waitForStarted(kWaitMs) || !process.waitForReadyRead(kWaitMs)) {
        std::fprintf(stderr, "web-load: %s did not start\n", qPrintable(server));
        run.lost = sessions;
        return run;
    }
    QString address = QString::fromUtf8(process.readLine()).trimmed();
    const QUrl url(address.replace(QStringLiteral("http://"), QStringLiteral("ws://")) + QStringLiteral("ws"));
    const qint64 pid = process.processId();
    runFor(300);
    const qint64 idleKb = residentKb(pid);

    std::vector<double> roundTrips;
    bool measuring = false;
    std::vector<std::unique_ptr<Player>> players;
    // Players arrive over a second, as a group does when the link is shared.
    for (int i = 0; i < sessions; ++i) {
        players.push_back(std::make_unique<Player>(i + 1, url, seed + static_cast<quint32>(i), roundTrips, measuring));
        runFor(1000 / sessions);
    }
    runFor(kWaitMs, [&] {
        return std::all_of(players.begin(), players.end(), [](const auto &player) { return player->hasView(); });
    });
    // Warm up, then measure.
    runFor(2000);
    measuring = true;
    const double cpuBefore = processorSeconds(pid);
    const double clientBefore = processorSeconds(QCoreApplication::applicationPid());
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    measuring = false;
    const double cpu = processorSeconds(pid) - cpuBefore;
    const double clientCpu = processorSeconds(QCoreApplication::applicationPid()) - clientBefore;
    const double elapsed = static_cast<double>(wall.elapsed()) / 1000.0;
    run.memoryPerSessionKb = static_cast<double>(residentKb(pid) - idleKb) / sessions;

    std::set<QString> tokens;
    for (const auto &player : players) {
        if (player->isLost() || !player->hasView() || !tokens.insert(player->token()).second)
            ++run.lost;
    }
    for (const auto &player : players)
        player->stop();
    runFor(500);
    players.clear();
    process.terminate();
    process.waitForFinished(kWaitMs);

    run.actions = roundTrips.size();
    run.p50 = percentile(roundTrips, 0.50);
    run.p99 = percentile(roundTrips, 0.99);
    // A player at a user's pace acts once per mean pause (275 ms): the sessions a core
    // carries are the actions it handles per second of processor time, over that pace.
    constexpr double kMeanPauseSeconds = 0.275;
    run.sessionsPerCore = cpu > 0 ? static_cast<double>(run.actions) / cpu * kMeanPauseSeconds : 0;
    run.serverShare = cpu / elapsed;
    run.clientShare = clientCpu / elapsed;
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption sessionsOption(QStringLiteral("sessions"), QStringLiteral("Session counts."),
                                            QStringLiteral("N,N"), QStringLiteral("50,200,500"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Measured seconds per count."),
                                           QStringLiteral("S"), QStringLiteral("20"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Seed of the walks."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({sessionsOption, secondsOption, seedOption});
    parser.addPositionalArgument(QStringLiteral("KORVALDE-WEB"), QStringLiteral("The server program."));
    parser.process(application);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("usage: web-load KORVALDE-WEB [--sessions 50,200,500] [--seconds 20] [--seed 1]\n", stderr);
        return 2;
    }
    const QString server = parser.positionalArguments().constFirst();
    int lost = 0;
    Run reference;
    for (const QString &count : parser.value(sessionsOption).split(u',')) {
        const int sessions = count.toInt();
        const Run run =
            runLoad(server, sessions, parser.value(secondsOption).toInt(), parser.value(seedOption).toUInt());
        figure(qPrintable(QStringLiteral("web_p50_ms_%1").arg(sessions)), run.p50);
        figure(qPrintable(QStringLiteral("web_p99_ms_%1").arg(sessions)), run.p99);
        figure(qPrintable(QStringLiteral("web_actions_%1").arg(sessions)), static_cast<double>(run.actions));
        figure(qPrintable(QStringLiteral("web_server_core_share_%1").arg(sessions)), run.serverShare);
        figure(qPrintable(QStringLiteral("web_client_core_share_%1").arg(sessions)), run.clientShare);
        lost += run.lost;
        // Memory and capacity are read at 200 players (or the count nearest below it).
        if (sessions <= 200 || reference.actions == 0)
            reference = run;
    }
    figure("web_memory_per_session_kb", reference.memoryPerSessionKb);
    figure("web_sessions_per_core", reference.sessionsPerCore);
    figure("web_lost_sessions", lost);
    return lost == 0 ? 0 : 1;
}
