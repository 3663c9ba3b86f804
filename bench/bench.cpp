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

// Answers every message at once, as the user's OK would; chooses no folder.
class HostDialogs final : public SetupDialogs
{
public:
    void showMessage(QWidget *, const QString &, const QString &text) override { last = text; }
    std::optional<QString> chooseFolder(QWidget *, const QString &) override { return {}; }
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

// Runs an executable to its end; its standard output.
QByteArray run(const QString &program, const QByteArray &mode, double *ms = nullptr)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("BENCH_MODE"), QString::fromLatin1(mode));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     process.readAllStandardError().constData());
        std::exit(1);
    }
    if (ms)
        *ms = double(timer.nsecsElapsed()) / 1e6;
    return process.readAllStandardOutput();
}

// Start-up and peak memory: the application against the floor, run alternately.
void measureProcesses()
{
    const QString app = sibling("bench_startup_app");
    const QString floor = sibling("bench_startup_floor");
    for (int i = 0; i < 2; ++i) { // warm the caches
        run(app, "start-up");
        run(floor, "start-up");
    }
    Samples appMs, floorMs, ratio;
    for (int i = 0; i < kRepetitions; ++i) {
        double a = 0, f = 0;
        run(app, "start-up", &a);
        run(floor, "start-up", &f);
        appMs.values.push_back(a);
        floorMs.values.push_back(f);
        ratio.values.push_back(a / f);
    }
    addRow(QStringLiteral("Start-up to first expose, application"), QStringLiteral("ms"), appMs);
    addRow(QStringLiteral("Start-up to first expose, floor"), QStringLiteral("ms"), floorMs);
    addRow(QStringLiteral("Start-up, application / floor"), QStringLiteral("x"), ratio,
           Goal::AtMost, 1.15);

    Samples appKiB, floorKiB, memoryRatio;
    for (int i = 0; i < kRepetitions; ++i) {
        const double a = run(app, "peak-memory").trimmed().toDouble();
        const double f = run(floor, "peak-memory").trimmed().toDouble();
        appKiB.values.push_back(a / 1024);
        floorKiB.values.push_back(f / 1024);
        memoryRatio.values.push_back(a / f);
    }
    addRow(QStringLiteral("Peak memory, application after both windows"), QStringLiteral("MiB"),
           appKiB);
    addRow(QStringLiteral("Peak memory, floor"), QStringLiteral("MiB"), floorKiB);
    addRow(QStringLiteral("Peak memory, application / floor"), QStringLiteral("x"), memoryRatio,
           Goal::AtMost, 1.15);
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

void measureGenerate(LauncherWindow &launcher, HostDialogs &dialogs, const QString &folder)
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
    generate(&LauncherWindow::openMmsWindow, QStringLiteral("Generate, typical MMS file"), Goal::AtMost,
             mms);
    generate(&LauncherWindow::openSmtpWindow, QStringLiteral("Generate, typical SMTP file"), Goal::AtMost,
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
    std::printf("%-46s %10s %10s %10s  %-10s %s\n", "Measurement", "Median", "Min", "Max", "Goal",
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
        std::printf("%-46s %10.3f %10.3f %10.3f  %-10s %s\n", qPrintable(name), median,
                    row.samples.min(), row.samples.max(), qPrintable(goal), qPrintable(result));
    }
    std::printf("%d repetitions per row (start-up and memory: pairs run alternately)\n",
                kRepetitions);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid())
        return 1;

    measureProcesses();

    HostDialogs dialogs;
    Application application(dialogs);
    LauncherWindow &launcher = application.launcher();
    launcher.show();
    waitUntilExposed(&launcher);
    measureOpening(launcher, &LauncherWindow::openMmsWindow,
                   QStringLiteral("Open MMS window from its tile"));
    measureOpening(launcher, &LauncherWindow::openSmtpWindow,
                   QStringLiteral("Open SMTP window from its tile"));
    measureGenerate(launcher, dialogs, folder.path());
    measureEncode();

    printTable();
    return allMet ? 0 : 1;
}
