// A generic Qt plugin that any Qt Widgets program loads through
// QT_QPA_GENERIC_PLUGINS=firstpaintprobe, so the program under test needs no hook of its
// own and the yardstick is measured by the very same code. Once the first paint is done
// it prints the monotonic clock (and the time it was loaded, while the QApplication was
// being made, which splits library loading from the program's own start); with FIRSTPAINTPROBE_CLICKS="Window.button
// ..." it then clicks those buttons one after the other, letting each result be shown and painted, and prints the peak
// resident memory. Then it ends the program. The number of widgets alive at both points shows what the program built
// before it was needed. With FIRSTPAINTPROBE_SMAPS=FILE it copies its /proc/self/smaps there
// at the end, to show what the memory holds.

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

namespace {

long long monotonicNanoseconds()
{
    return std::chrono::nanoseconds(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Time for the window system to show and paint what a click changed.
constexpr int kSettleMilliseconds = 50;

QAbstractButton *findButton(const QString &address)
{
    const QString window = address.section('.', 0, 0);
    const QString control = address.section('.', 1);
    for (QWidget *widget : QApplication::allWidgets()) {
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button == nullptr || button->objectName() != control || !button->isVisible())
            continue;
        for (const QWidget *outer = button->parentWidget(); outer != nullptr; outer = outer->parentWidget()) {
            if (outer->objectName() == window)
                return button;
        }
    }
    return nullptr;
}

class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe() : clicks_(qEnvironmentVariable("FIRSTPAINTPROBE_CLICKS").split(' ', Qt::SkipEmptyParts))
    {
        std::printf("probe_loaded_ns: %lld\n", monotonicNanoseconds());
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so the stamp comes after the whole paint has been drawn and flushed.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::firstPaintDone, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void firstPaintDone()
    {
        std::printf("first_paint_ns: %lld\n", monotonicNanoseconds());
        std::printf("widgets_at_first_paint: %lld\n", static_cast<long long>(QApplication::allWidgets().size()));
        std::fflush(stdout);
        QTimer::singleShot(kSettleMilliseconds, this, &FirstPaintProbe::clickNext);
    }

    void clickNext()
    {
        if (next_ >= clicks_.size()) {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("max_rss_kb: %ld\n", usage.ru_maxrss);
            std::printf("widgets_at_end: %lld\n", static_cast<long long>(QApplication::allWidgets().size()));
            if (const QString smaps = qEnvironmentVariable("FIRSTPAINTPROBE_SMAPS"); !smaps.isEmpty()) {
                // Read, not copied: the file's size shows as nothing.
                QFile mappings(QStringLiteral("/proc/self/smaps"));
                QFile copy(smaps);
                if (mappings.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
                    copy.write(mappings.readAll());
            }
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        const QString &address = clicks_[next_++];
        QAbstractButton *button = findButton(address);
        if (button == nullptr) {
            std::fprintf(stderr, "firstpaintprobe: no visible button %s\n", qUtf8Printable(address));
            QCoreApplication::exit(1);
            return;
        }
        button->click();
        QTimer::singleShot(kSettleMilliseconds, this, &FirstPaintProbe::clickNext);
    }

    QStringList clicks_;
    qsizetype next_ = 0;
};

class FirstPaintProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstpaintprobe.json")
public:
    QObject *create(const QString &, const QString &) override { return new FirstPaintProbe; }
};

} // namespace

#include "firstpaintprobe.moc"
