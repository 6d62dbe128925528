// Times the whole program against an inverter on the serial link (normally the
// simulator, paced at 38400 baud, started by bench/run): start-up until the
// window is shown and until connected, "Vom Umrichter laden" and "In Umrichter
// speichern" against the wire time of their frames, and the idle program's CPU
// use and memory. Prints one line per figure: name, value, unit, and the ratio
// to the link's limit where one exists.
#include "CommunicationController.h"
#include "DatasetController.h"
#include "MainWindow.h"
#include "RecordKeeper.h"
#include "TrendPlotDialog.h"
#include "RecordingPresenter.h"
#include "StartupSettings.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QToolButton>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// One 64-byte frame at 38400 baud, 8N1: ten bits per byte.
constexpr double FrameWireMs = 64.0 * 10.0 * 1000.0 / 38400.0;
constexpr int PairsPerFrame = 12;

// Milliseconds between the process's start and now, from /proc (kernel clock ticks).
double processAgeMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may contain blanks) start behind ')'.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22: starttime
    const double upSeconds = uptime.readAll().split(' ').value(0).toDouble();
    return (upSeconds - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// VmRSS or VmHWM from /proc/self/status, in KiB.
long statusKiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc report no size: read them whole, never test atEnd().
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Runs the event loop until `done` holds or `timeoutMs` passed; true when done.
bool waitFor(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        // The program's own timers wake the loop at least every 50 ms.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(const char *name, double value, const char *unit, double limit = -1.0)
{
    if (limit > 0.0)
        std::printf("%-34s %10.1f %-4s  limit %8.1f %-4s  ratio %5.2f\n", name, value, unit, limit, unit,
                    value / limit);
    else
        std::printf("%-34s %10.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

// Notes the first paint of the window.
class PaintWatch : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const double ageAtMain = processAgeMs();
    QElapsedTimer sinceMain;
    sinceMain.start();
    const auto sinceStart = [&] { return ageAtMain + double(sinceMain.nsecsElapsed()) / 1e6; };

    QApplication application(argc, argv);
    QTranslator applicationTranslator;
    QTranslator qtTranslator;
    const QLocale::Language language =
        StartupSettings::prepareApplication(application, applicationTranslator, qtTranslator);

    MainWindow window(language, &applicationTranslator, &qtTranslator);
    RecordingPresenter presenter;
    window.setMessagePresenter(&presenter);
    CommunicationController &comm = window.communicationController();
    DatasetController &dataset = window.datasetController();

    bool connected = false;
    double connectedAtMs = 0.0;
    QObject::connect(&comm, &CommunicationController::connectedToDevice, [&] {
        connected = true;
        connectedAtMs = sinceStart();
    });
    // The start page's start source: bench/run starts the simulator with "Torvana"
    // there, so the field shows the inverter's value once the read on connect is in.
    QComboBox *startSource = nullptr;
    for (QComboBox *box : window.findChildren<QComboBox *>())
        if (box->accessibleDescription() == QLatin1String("140"))
            startSource = box;
    PaintWatch paint;
    window.installEventFilter(&paint);
    window.show();
    if (!waitFor([&] { return paint.painted; }, 10000)) {
        std::fprintf(stderr, "the window was not painted\n");
        return 1;
    }
    report("start -> window shown", sinceStart(), "ms");
    if (!waitFor([&] { return connected; }, 20000)) {
        std::fprintf(stderr, "no connection (TORVANA_SERIAL_PORTS=%s)\n", qgetenv("TORVANA_SERIAL_PORTS").constData());
        return 1;
    }
    report("start -> connected", connectedAtMs, "ms");
    if (startSource) {
        const auto shown = [&] { return startSource->currentData().toUInt() == 0x805D; };
        if (!waitFor(shown, 20000)) {
            std::fprintf(stderr, "the start page did not show the inverter's start source\n");
            return 1;
        }
        // One request frame, the set in frames of twelve pairs, one receive tick.
        const int setFrames = 1 + (dataset.catalogue().ids().size() + PairsPerFrame - 1) / PairsPerFrame;
        const double shownMs = sinceStart();
        report("start -> inverter's values shown", shownMs, "ms");
        report("    after connected", shownMs - connectedAtMs, "ms", setFrames * FrameWireMs);
        std::printf("    goal: ratio within %.2f (1.3 and one 50 ms receive tick)\n",
                    1.3 + 50.0 / (setFrames * FrameWireMs));
    }

    // Let the read that follows the connection finish before timing our own.
    pause(2000);

    // "Vom Umrichter laden": one request, the set in frames of twelve pairs.
    // The connection controller passes the set on whole once complete.
    QElapsedTimer clock;
    qint64 setCompleteNs = -1;
    int setParameters = 0;
    int lastMapSize = 0;
    QObject::connect(&comm, &CommunicationController::parametersetFromDevice,
                     [&](const QMap<uint16_t, uint16_t> &parameters, bool) { lastMapSize = parameters.size(); });
    QObject::connect(&comm, &CommunicationController::currentParametersetReceived, [&] {
        if (setCompleteNs < 0) {
            setCompleteNs = clock.nsecsElapsed();
            setParameters = lastMapSize;
        }
    });
    clock.start();
    window.findChild<QPushButton *>(QStringLiteral("requestSettingsPushButton"))->click();
    if (!waitFor([&] { return setCompleteNs >= 0; }, 30000)) {
        std::fprintf(stderr, "the parameter set did not arrive\n");
        return 1;
    }
    const int readFrames = 1 + (setParameters + PairsPerFrame - 1) / PairsPerFrame;
    report("Vom Umrichter laden", double(setCompleteNs) / 1e6, "ms", readFrames * FrameWireMs);
    std::printf("    %d parameters, %d frames on the wire\n", setParameters, readFrames);
    pause(1000);

    // "In Umrichter speichern": every writable parameter, each frame answered.
    int stateFrames = 0;
    bool statesComplete = false;
    QObject::connect(&comm, &CommunicationController::parameterStateReceived, [&] { ++stateFrames; });
    QObject::connect(&dataset, &DatasetController::parameterStatesComplete, [&] { statesComplete = true; });
    clock.restart();
    window.findChild<QPushButton *>(QStringLiteral("activateSavePushButton"))->click();
    if (!waitFor([&] { return statesComplete; }, 30000)) {
        std::fprintf(stderr, "the acknowledgements did not arrive\n");
        return 1;
    }
    const double storeMs = double(clock.nsecsElapsed()) / 1e6;
    // The link is full duplex: the answers run while later requests are still
    // being sent. The inverter answers a frame only once it is received, so at
    // best the first request and then the longer of both directions' streams
    // (the requests include the store command).
    const int requestFrames = stateFrames + 1;
    const int storeWireFrames = 1 + std::max(requestFrames - 1, stateFrames);
    report("In Umrichter speichern", storeMs, "ms", storeWireFrames * FrameWireMs);
    std::printf("    %d requests, %d answers\n", requestFrames, stateFrames);

    const int idleSeconds = qEnvironmentVariableIntValue("TORVANA_BENCH_IDLE_SECONDS") > 0
                                ? qEnvironmentVariableIntValue("TORVANA_BENCH_IDLE_SECONDS")
                                : 30;
    // CPU of the connected program over the idle time, in % of one core.
    const auto idleCpu = [&] {
        pause(1000);
        const double before = cpuSeconds();
        clock.restart();
        pause(idleSeconds * 1000);
        return (cpuSeconds() - before) * 100.0 / (double(clock.elapsed()) / 1000.0);
    };
    const double cpuPercent = idleCpu();
    std::printf("%-34s %10.2f %% of one core over %d s (bound 0.3 %%)\n", "idle CPU (connected)", cpuPercent,
                idleSeconds);
    const long residentKiB = statusKiB("VmRSS");
    report("resident memory", double(residentKiB) / 1024.0, "MiB");

    // An hour of trend data: the ring buffer filled as an hour of polls would
    // fill it (values moving, so that a plot has something to draw).
    TrendBuffer &trend = window.records().trend().buffer();
    const int channels = trend.channels();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int hourOfPolls = 3600 * 1000 / DatasetController::CyclicInterval;
    std::vector<uint16_t> values(size_t(channels), 0);
    trend.clear();
    for (int i = 0; i < hourOfPolls; ++i) {
        for (int c = 0; c < channels; ++c)
            values[size_t(c)] = uint16_t(dataset.rawValue(dataset.cyclicList().at(c)) + (i + 7 * c) % 50);
        trend.append(now - qint64(hourOfPolls - i) * DatasetController::CyclicInterval, values.data());
    }
    const long filledKiB = statusKiB("VmRSS");
    std::printf("%-34s %10d samples of %d values (%d kept at most, %.0f KiB)\n", "trend buffer", trend.size(),
                channels, trend.capacity(), double(trend.capacity()) * (8 + 2 * channels) / 1024.0);
    report("resident memory, hour of trend", double(filledKiB) / 1024.0, "MiB");
    report("    growth (bound 10 MiB)", double(filledKiB - residentKiB) / 1024.0, "MiB");

    // The trend plot open beside the main window, drawing every poll.
    QAction *plotAction = nullptr;
    for (QAction *action : window.findChild<QToolButton *>(QStringLiteral("recordsButton"))->menu()->actions())
        if (action->text().startsWith(QStringLiteral("Verlauf")) || action->text().startsWith(QStringLiteral("Trend")))
            plotAction = action;
    if (!plotAction) {
        std::fprintf(stderr, "no trend plot in the records menu\n");
        return 1;
    }
    plotAction->trigger();
    auto *plot = window.findChild<TrendPlotDialog *>();
    if (!plot || !plot->isVisible()) {
        std::fprintf(stderr, "the trend plot did not open\n");
        return 1;
    }
    const double plotPercent = idleCpu();
    std::printf("%-34s %10.2f %% of one core over %d s (bound 2 %%), %d strips\n", "CPU with the trend plot open",
                plotPercent, idleSeconds, plot->shownParameters().size());
    plot->setShownParameters(plot->offeredParameters());
    const double allPercent = idleCpu();
    std::printf("%-34s %10.2f %% of one core over %d s, %d strips\n", "    every offered value", allPercent,
                idleSeconds, plot->shownParameters().size());
    plot->close();
    report("peak resident memory", double(statusKiB("VmHWM")) / 1024.0, "MiB");
    return connected ? 0 : 1;
}
