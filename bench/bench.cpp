// Measures the application in one run and prints one table: each row the median of at least
// 20 repetitions with their minimum and maximum, its goal, and whether the goal is met.
#include "app/application.h"
#include "netcfg/netcfg.h"
#include "setup/setupdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace {

constexpr int kRepetitions = 21;
constexpr int kCallgrindRepetitions = 3; // instruction counts hardly vary

// Answers every message at once, as the user's OK would, and every question with Yes;
// chooses no folder.
class HostDialogs final : public SetupDialogs
{
public:
    void showMessage(QWidget *, const QString &, MessageKind, const QString &text,
                     const QString &) override
    {
        last = text;
    }
    bool ask(QWidget *, const QString &, const QString &) override { return true; }
    std::optional<QString> chooseFolder(QWidget *, const QString &, const QString &,
                                        const QStringList &) override
    {
        return {};
    }
    QString last;
};

struct Samples
{
    std::vector<double> values;
    double median() const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
    double min() const { return *std::min_element(values.begin(), values.end()); }
    double max() const { return *std::max_element(values.begin(), values.end()); }
};

enum class Goal { AtMost, AtLeast, None };

struct Row
{
    QString name;
    QString unit;
    Samples samples;
    Goal goal = Goal::None;
    double limit = 0;
};

std::vector<Row> rows;
bool allMet = true;

void addRow(const QString &name, const QString &unit, Samples samples, Goal goal = Goal::None,
            double limit = 0)
{
    rows.push_back({name, unit, std::move(samples), goal, limit});
}

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void waitUntilExposed(QWidget *window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QString sibling(const char *name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QLatin1String(name);
}

struct Finished
{
    QByteArray output;
    QByteArray errors;
};

// Runs a program to its end with the executables' BENCH_MODE, offscreen; its output. Fails the
// benchmark when it fails. With ms, the wall time from start to end.
Finished run(const QString &program, const QStringList &arguments, const QByteArray &mode,
             double *ms = nullptr, int timeoutMs = 30000)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("BENCH_MODE"), QString::fromLatin1(mode));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        std::fprintf(stderr, "%s %s failed: %s\n", qPrintable(program),
                     qPrintable(arguments.join(u' ')), process.readAllStandardError().constData());
        std::exit(1);
    }
    if (ms)
        *ms = double(timer.nsecsElapsed()) / 1e6;
    return {process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray run(const QString &program, const QByteArray &mode, double *ms = nullptr)
{
    return run(program, {}, mode, ms).output;
}

// Instructions that callgrind counts in a run of the executable, in millions: the whole process
// from exec to its end, or with options such as --toggle-collect only what they select. Counts
// do not depend on the machine's load, unlike times; they vary by a few parts in a thousand.
double instructions(const QString &program, const QByteArray &mode, QStringList options = {})
{
    static const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::fprintf(stderr, "valgrind is not installed (tools/bench installs it)\n");
        std::exit(1);
    }
    options.prepend(QStringLiteral("--callgrind-out-file=/dev/null"));
    options.prepend(QStringLiteral("--tool=callgrind"));
    const Finished finished = run(valgrind, options << program, mode, nullptr, 600000);
    static const QRegularExpression collected(QStringLiteral("Collected : (\\d+)"));
    const QRegularExpressionMatch match = collected.match(QString::fromLocal8Bit(finished.errors));
    if (!match.hasMatch()) {
        std::fprintf(stderr, "callgrind counted nothing in %s:\n%s\n", qPrintable(program),
                     finished.errors.constData());
        std::exit(1);
    }
    return match.captured(1).toDouble() / 1e6;
}

Samples ratios(const Samples &numerators, const Samples &denominators)
{
    Samples ratio;
    for (std::size_t i = 0; i < numerators.values.size(); ++i)
        ratio.values.push_back(numerators.values[i] / denominators.values[i]);
    return ratio;
}

// Start-up and peak memory of the application against the two floors, run alternately: the
// text floor (the launcher's texts in plain labels and combo boxes, nothing else) and the bare
// window. The goals are the text floor's figures: what the application does beyond it is its
// own work.
void measureProcesses(const QString &folder)
{
    const QString app = sibling("bench_startup_app");
    const QString textFloor = sibling("bench_startup_text_floor");
    const QString floor = sibling("bench_startup_floor");

    Samples appInstructions, textInstructions, floorInstructions;
    for (int i = 0; i < kCallgrindRepetitions; ++i) {
        appInstructions.values.push_back(instructions(app, "start-up"));
        textInstructions.values.push_back(instructions(textFloor, "start-up"));
        floorInstructions.values.push_back(instructions(floor, "start-up"));
    }
    const QString instr = QStringLiteral("M instr");
    addRow(QStringLiteral("Start-up instructions, application"), instr, appInstructions);
    addRow(QStringLiteral("Start-up instructions, text floor"), instr, textInstructions);
    addRow(QStringLiteral("Start-up instructions, bare window"), instr, floorInstructions);
    addRow(QStringLiteral("Start-up instructions, application / text floor"), QStringLiteral("x"),
           ratios(appInstructions, textInstructions), Goal::AtMost, 1.10);

    // A whole command-line write: the same executable, from its start to its end.
    const QStringList write {"mms",      "--country",          "Canada", "--phone1", "+15550100123",
                             "--email1", "camera@example.com", "--out",  folder};
    for (int i = 0; i < 2; ++i) { // warm the caches
        run(app, "start-up");
        run(textFloor, "start-up");
        run(floor, "start-up");
        run(app, write, "command line");
    }
    Samples appMs, textMs, floorMs, writeMs;
    for (int i = 0; i < kRepetitions; ++i) {
        double a = 0, t = 0, f = 0, w = 0;
        run(app, "start-up", &a);
        run(textFloor, "start-up", &t);
        run(floor, "start-up", &f);
        run(app, write, "command line", &w);
        appMs.values.push_back(a);
        textMs.values.push_back(t);
        floorMs.values.push_back(f);
        writeMs.values.push_back(w);
    }
    const QString ms = QStringLiteral("ms");
    addRow(QStringLiteral("Start-up to first expose, application"), ms, appMs);
    addRow(QStringLiteral("Start-up to first expose, text floor"), ms, textMs);
    addRow(QStringLiteral("Start-up to first expose, bare window"), ms, floorMs);
    addRow(QStringLiteral("Start-up time, application / text floor"), QStringLiteral("x"),
           ratios(appMs, textMs));
    addRow(QStringLiteral("Command line, whole mms write"), ms, writeMs);
    addRow(QStringLiteral("Command-line write / application start-up"), QStringLiteral("x"),
           ratios(writeMs, appMs), Goal::AtMost, 0.5);

    Samples appKiB, textKiB, floorKiB, afterWindowsKiB;
    for (int i = 0; i < kRepetitions; ++i) {
        appKiB.values.push_back(run(app, "peak-memory").trimmed().toDouble() / 1024);
        textKiB.values.push_back(run(textFloor, "peak-memory").trimmed().toDouble() / 1024);
        floorKiB.values.push_back(run(floor, "peak-memory").trimmed().toDouble() / 1024);
        afterWindowsKiB.values.push_back(run(app, "peak-memory-after-windows").trimmed().toDouble()
                                         / 1024);
    }
    const QString mib = QStringLiteral("MiB");
    addRow(QStringLiteral("Peak memory at first paint, application"), mib, appKiB);
    addRow(QStringLiteral("Peak memory at first paint, text floor"), mib, textKiB);
    addRow(QStringLiteral("Peak memory at first paint, bare window"), mib, floorKiB);
    addRow(QStringLiteral("Peak memory, application / text floor"), QStringLiteral("x"),
           ratios(appKiB, textKiB), Goal::AtMost, 1.10);
    addRow(QStringLiteral("Peak memory, application after both windows"), mib, afterWindowsKiB);
}

// Instructions of opening each setup window from its tile until it is painted: the run's first
// opening, and an opening after the window has been opened and closed once.
void measureOpeningInstructions()
{
    const QString app = sibling("bench_startup_app");
    const QStringList measuredOnly {QStringLiteral("--collect-atstart=no"),
                                    QStringLiteral("--toggle-collect=measuredOpening*")};
    const std::pair<const char *, const char *> openings[] = {
        {"open-mms", "Open MMS window, first time"},
        {"open-mms-again", "Open MMS window again"},
        {"open-smtp", "Open SMTP window, first time"},
        {"open-smtp-again", "Open SMTP window again"},
    };
    for (const auto &[mode, name] : openings) {
        Samples counts;
        for (int i = 0; i < kCallgrindRepetitions; ++i)
            counts.values.push_back(instructions(app, mode, measuredOnly));
        addRow(QString::fromLatin1(name), QStringLiteral("M instr"), counts);
    }
}

void measureOpening(LauncherWindow &launcher, void (LauncherWindow::*open)(), const QString &name)
{
    Samples ms;
    for (int i = 0; i < kRepetitions + 1; ++i) {
        FramelessWindow *window = nullptr;
        const double t = elapsedMs([&] {
            (launcher.*open)();
            window = launcher.setupWindow();
            waitUntilExposed(window);
        });
        if (i > 0) // the first opening loads the fonts and styles once for the run
            ms.values.push_back(t);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        waitUntilExposed(&launcher);
    }
    addRow(name, QStringLiteral("ms"), ms, Goal::AtMost, 20);
}

void fill(QWidget *window, const std::vector<std::pair<const char *, QString>> &texts)
{
    for (const auto &[name, text] : texts)
        window->findChild<QLineEdit *>(QLatin1String(name))->setText(text);
}

// Generate's own work is measured on a tmpfs, where the syncs that make a card keep the file
// cost nothing; onDisk adds the typical MMS file once more on an ordinary disk, syncs and all,
// without a goal: that time is the disk's.
void measureGenerate(LauncherWindow &launcher, HostDialogs &dialogs, const QString &folder,
                     const QString &onDisk)
{
    const auto generate = [&](void (LauncherWindow::*open)(), const QString &name, Goal goal,
                              const std::vector<std::pair<const char *, QString>> &texts) {
        (launcher.*open)();
        FramelessWindow *window = launcher.setupWindow();
        waitUntilExposed(window);
        fill(window, texts);
        auto *button = window->findChild<QAbstractButton *>(QStringLiteral("Command2"));
        Samples ms;
        for (int i = 0; i < kRepetitions + 1; ++i) {
            const double t = elapsedMs([&] { button->click(); });
            if (dialogs.last != u"Create configure file success.") {
                std::fprintf(stderr, "Generate failed: %s\n", qPrintable(dialogs.last));
                std::exit(1);
            }
            if (i > 0)
                ms.values.push_back(t);
        }
        addRow(name, QStringLiteral("ms"), ms, goal, 5);
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        waitUntilExposed(&launcher);
    };

    const QString path = folder + QStringLiteral("/NET.CFG");
    const std::vector<std::pair<const char *, QString>> mms {
        {"Text1", "internet.example"},
        {"Text2", "secret"},
        {"Text3", "user"},
        {"Text4", "http://mms.example.net/mms"},
        {"Text5", "10.10.10.10"},
        {"Text6", "8080"},
        {"Text7", "+447700900123"},
        {"Text8", "+447700900456"},
        {"Text12", "camera@example.com"},
        {"Text13", "second@example.com"},
        {"Text17", path},
    };
    generate(&LauncherWindow::openMmsWindow, QStringLiteral("Generate, typical MMS file"),
             Goal::AtMost, mms);
    generate(&LauncherWindow::openSmtpWindow, QStringLiteral("Generate, typical SMTP file"),
             Goal::AtMost,
             {{"Text1", "internet.example"},
              {"Text2", "user"},
              {"Text3", "secret"},
              {"Text4", "smtp.example.com"},
              {"Text5", "587"},
              {"Text6", "camera@example.com"},
              {"Text17", "password"},
              {"Text7", "+447700900123"},
              {"Text12", "home@example.com"},
              {"Text18", path}});

    // The same MMS form with Email 5 filled up to just under the camera's limit.
    MmsSettings typical;
    typical.APN = mms[0].second;
    typical.APNPassword = mms[1].second;
    typical.APNAccount = mms[2].second;
    typical.URL = mms[3].second;
    typical.IP = mms[4].second;
    typical.Port = mms[5].second;
    typical.Phone1 = mms[6].second;
    typical.Phone2 = mms[7].second;
    typical.Email1 = mms[8].second;
    typical.Email2 = mms[9].second;
    std::vector<std::pair<const char *, QString>> large = mms;
    large.emplace_back("Text16",
                       QString(kMaxPlainFormSize - 7 - ComposeNetCfg(typical).size(), u'x'));
    generate(&LauncherWindow::openMmsWindow,
             QStringLiteral("Generate, MMS form of %1 bytes").arg(kMaxPlainFormSize - 7),
             Goal::None, large);

    std::vector<std::pair<const char *, QString>> disk = mms;
    disk.back().second = onDisk + QStringLiteral("/NET.CFG");
    generate(&LauncherWindow::openMmsWindow,
             QStringLiteral("Generate, typical MMS file, disk synced"), Goal::None, disk);
}

void measureEncode()
{
    QByteArray plain(32 * 1024, Qt::Uninitialized);
    const char text[] = "[MMS]\r\nURL=http://mms.example.net/mms\r\nPhone1=+447700900123\r\n";
    for (qsizetype i = 0; i < plain.size(); ++i)
        plain[i] = text[i % (sizeof text - 1)];
    QByteArray copy(plain.size(), Qt::Uninitialized);

    constexpr int kRounds = 200;
    const double bytes = double(plain.size()) * kRounds;
    Samples encode, memcpyRate;
    volatile char sink = 0;
    for (int i = 0; i < kRepetitions; ++i) {
        const double e = elapsedMs([&] {
            for (int r = 0; r < kRounds; ++r)
                sink = sink + encodeBytes(plain).at(r);
        });
        const double m = elapsedMs([&] {
            for (int r = 0; r < kRounds; ++r) {
                std::memcpy(copy.data(), plain.constData(), std::size_t(plain.size()));
                sink = sink + copy.at(r);
            }
        });
        encode.values.push_back(bytes / e / 1e6);
        memcpyRate.values.push_back(bytes / m / 1e6);
    }
    addRow(QStringLiteral("Encode throughput over 32 KiB"), QStringLiteral("GB/s"), encode,
           Goal::AtLeast, 1);
    addRow(QStringLiteral("memcpy throughput over 32 KiB"), QStringLiteral("GB/s"), memcpyRate);
}

void printTable()
{
    std::printf("%-58s %10s %10s %10s  %-10s %s\n", "Measurement", "Median", "Min", "Max", "Goal",
                "Result");
    for (const Row &row : rows) {
        QString goal = QStringLiteral("-");
        QString result = QStringLiteral("-");
        const double median = row.samples.median();
        if (row.goal != Goal::None) {
            const bool met = row.goal == Goal::AtMost ? median <= row.limit : median >= row.limit;
            allMet = allMet && met;
            goal = (row.goal == Goal::AtMost ? QStringLiteral("<= ") : QStringLiteral(">= "))
                + QString::number(row.limit) + u' ' + row.unit;
            result = met ? QStringLiteral("pass") : QStringLiteral("FAIL");
        }
        const QString name = row.name + QStringLiteral(" (") + row.unit + u')';
        std::printf("%-58s %10.3f %10.3f %10.3f  %-10s %s\n", qPrintable(name), median,
                    row.samples.min(), row.samples.max(), qPrintable(goal), qPrintable(result));
    }
    std::printf("%d repetitions per row, %d for instruction counts (callgrind); start-up and "
                "memory: the three executables run alternately\n",
                kRepetitions, kCallgrindRepetitions);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QTemporaryDir onDisk;
    QTemporaryDir inMemory(QStringLiteral("/dev/shm/camera-setting-tool-bench-XXXXXX"));
    if (!onDisk.isValid())
        return 1;

    // The command line writes where Generate's rows do: its own work, without the disk's syncs.
    measureProcesses(inMemory.isValid() ? inMemory.path() : onDisk.path());
    measureOpeningInstructions();

    HostDialogs dialogs;
    Application application(dialogs);
    LauncherWindow &launcher = application.launcher();
    launcher.show();
    waitUntilExposed(&launcher);
    measureOpening(launcher, &LauncherWindow::openMmsWindow,
                   QStringLiteral("Open MMS window from its tile"));
    measureOpening(launcher, &LauncherWindow::openSmtpWindow,
                   QStringLiteral("Open SMTP window from its tile"));
    measureGenerate(launcher, dialogs, inMemory.isValid() ? inMemory.path() : onDisk.path(),
                    onDisk.path());
    measureEncode();

    printTable();
    return allMet ? 0 : 1;
}
