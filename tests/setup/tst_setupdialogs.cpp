#include "common/qtwarnings.h"
#include "setup/setupdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

// The real dialogs, answered by a timer that finds the modal dialog while it runs.
class TestSetupDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shouldShowModalMessageWithTitleIconDetailAndSingleOkButton();
    void shouldChooseDirectoriesOnly_data();
    void shouldChooseDirectoriesOnly();
    void shouldShowProgressUntilDestroyedAndCancelOnEsc();
    void cleanup();

private:
    // Runs answer on the modal dialog as soon as there is one.
    void whenModal(std::function<void(QWidget *)> answer);

    bool m_answered = false;
};

void TestSetupDialogs::init()
{
    failOnQtWarnings();
}

void TestSetupDialogs::whenModal(std::function<void(QWidget *)> answer)
{
    m_answered = false;
    auto *timer = new QTimer(this);
    timer->setInterval(20);
    connect(timer, &QTimer::timeout, this, [this, timer, answer] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        m_answered = true;
        answer(dialog);
    });
    timer->start();
}

void TestSetupDialogs::cleanup()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " was left open"));
}

void TestSetupDialogs::shouldShowModalMessageWithTitleIconDetailAndSingleOkButton()
{
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QStringList shown; // title, text, detail
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QWidget *parent = nullptr;
    whenModal([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown << box->windowTitle() << box->text() << box->informativeText();
        icon = box->icon();
        parent = box->parentWidget();
        for (QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        box->button(QMessageBox::Ok)->click();
    });

    qtSetupDialogs().showMessage(
        &owner, QStringLiteral("VX412 Setting Tools"), MessageKind::Critical,
        QStringLiteral("Create configure file failed."), QStringLiteral("/media/card/NET.CFG"));

    QVERIFY(m_answered);
    QCOMPARE(shown,
             (QStringList {"VX412 Setting Tools", "Create configure file failed.",
                           "/media/card/NET.CFG"}));
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(parent, &owner);
}

void TestSetupDialogs::shouldChooseDirectoriesOnly_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("folder chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestSetupDialogs::shouldChooseDirectoriesOnly()
{
    QFETCH(bool, accept);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QString title;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QString start;
    QList<QUrl> sideBar;
    whenModal([&](QWidget *dialog) {
        auto *browser = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(browser);
        title = browser->windowTitle();
        mode = browser->fileMode();
        start = browser->directory().path();
        sideBar = browser->sidebarUrls();
        if (!accept) {
            browser->reject();
            return;
        }
        browser->setDirectory(dir.path());
        static_cast<QDialog *>(browser)->accept(); // public in QDialog, runs QFileDialog's
    });

    const QString card = dir.filePath(QStringLiteral("CARD"));
    QVERIFY(QDir().mkpath(card));
    const std::optional<QString> folder = qtSetupDialogs().chooseFolder(
        &owner, QStringLiteral("Choose the camera card's folder"), card, {card});

    QVERIFY(m_answered);
    QCOMPARE(title, QStringLiteral("Choose the camera card's folder"));
    QCOMPARE(mode, QFileDialog::Directory);
    QCOMPARE(start, card);
    QCOMPARE(sideBar.value(0), QUrl::fromLocalFile(card));
    if (accept)
        QCOMPARE(folder.value_or(QString()), dir.path());
    else
        QVERIFY(!folder);
}

void TestSetupDialogs::shouldShowProgressUntilDestroyedAndCancelOnEsc()
{
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    int cancels = 0;
    std::unique_ptr<SetupProgress> progress
        = qtSetupDialogs().openProgress(&owner, {}, {}, [&cancels] { ++cancels; });

    QPointer<QProgressDialog> dialog
        = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
    QVERIFY(dialog && dialog->isVisible() && dialog->parentWidget() == &owner);
    QCOMPARE(dialog->maximum(), 0); // a busy indicator
    QTest::keyClick(dialog, Qt::Key_Escape); // its Cancel button is Qt's own
    QCOMPARE(cancels, 1);
    progress.reset();
    QVERIFY(!dialog);
}

QTEST_MAIN(TestSetupDialogs)
#include "tst_setupdialogs.moc"
