#include "app/application.h"
#include "app/launcherwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <cstdlib>

// Renders the launcher, and each setup window after a country pick, to PNG files: what a
// user sees in English on Qt's default look. Usage: screenshot OUTPUT_FOLDER

namespace {

// clang-format off
struct Shot
{
    const char *tile; // the launcher's tile that opens the window
    const char *file;
};

const Shot kSetupShots[] = {
    {"Label5", "mms-window.png"},
    {"Label6", "smtp-window.png"},
};
// clang-format on

const QString kCountry = QStringLiteral("Canada");

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "screenshot: %s\n", qPrintable(message));
    std::exit(1);
}

// No dialog belongs in a screenshot: one that appears means the run went wrong.
class NoDialogs : public SetupDialogs
{
public:
    void showMessage(QWidget *, const QString &title, MessageKind, const QString &text,
                     const QString &) override
    {
        fail(QStringLiteral("unexpected message \"%1\": %2").arg(title, text));
    }
    bool ask(QWidget *, const QString &title, const QString &question) override
    {
        fail(QStringLiteral("unexpected question \"%1\": %2").arg(title, question));
    }
    std::optional<QString> chooseFolder(QWidget *, const QString &title, const QString &,
                                        const QStringList &) override
    {
        fail(QStringLiteral("unexpected folder browser \"%1\"").arg(title));
    }
};

void waitUntilShown(QWidget *window)
{
    if (!QTest::qWaitForWindowExposed(window))
        fail(QStringLiteral("%1 was never shown").arg(window->objectName()));
    QApplication::processEvents();
}

// The user's pick of a list entry: open the list, move to the entry, press Enter.
void pick(QComboBox *box, const QString &entry)
{
    const int index = box->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        fail(QStringLiteral("%1 has no entry %2").arg(box->objectName(), entry));
    box->showPopup();
    QAbstractItemView *list = box->view();
    list->setCurrentIndex(box->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
}

void save(QWidget *window, const QDir &folder, const QString &file)
{
    const QPixmap shot = window->grab();
    if (shot.devicePixelRatio() != 1.0 || shot.size() != window->size())
        fail(QStringLiteral("%1 rendered at %2x%3, ratio %4; expected %5x%6 at ratio 1")
                 .arg(window->objectName())
                 .arg(shot.width())
                 .arg(shot.height())
                 .arg(shot.devicePixelRatio())
                 .arg(window->width())
                 .arg(window->height()));
    const QString path = folder.filePath(file);
    if (!shot.toImage().save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path)));
    std::printf("%s (%dx%d)\n", qPrintable(QDir::toNativeSeparators(path)), shot.width(),
                shot.height());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // A caret that never blinks is drawn the same in every run.
    QApplication::setCursorFlashTime(0);

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2)
        fail(QStringLiteral("usage: screenshot OUTPUT_FOLDER"));
    const QDir folder(arguments.at(1));
    if (!folder.exists())
        fail(QStringLiteral("no folder %1").arg(QDir::toNativeSeparators(folder.path())));

    NoDialogs dialogs;
    Application run(dialogs);
    LauncherWindow &launcher = run.launcher();
    if (launcher.languageText() != QLatin1String("English"))
        fail(QStringLiteral("the launcher's language is %1, not English")
                 .arg(launcher.languageText()));
    launcher.show();
    waitUntilShown(&launcher);
    save(&launcher, folder, QStringLiteral("launcher.png"));

    for (const Shot &shot : kSetupShots) {
        QTest::mouseClick(launcher.control(QLatin1String(shot.tile)), Qt::LeftButton, {},
                          QPoint(20, 20));
        FramelessWindow *window = launcher.setupWindow();
        if (!window)
            fail(QStringLiteral("the tile %1 opened no window").arg(QLatin1String(shot.tile)));
        waitUntilShown(window);

        auto *countries = window->control<QComboBox>(QStringLiteral("Combo3"));
        auto *operators = window->control<QComboBox>(QStringLiteral("Combo4"));
        if (!countries || !operators)
            fail(QStringLiteral("%1 has no country or operator box").arg(window->objectName()));
        pick(countries, kCountry);
        if (countries->currentText() != kCountry || operators->currentText().isEmpty())
            fail(QStringLiteral("picking %1 in %2 chose no operator")
                     .arg(kCountry, window->objectName()));

        save(window, folder, QLatin1String(shot.file));
        window->close();
        waitUntilShown(&launcher);
    }
    return 0;
}
