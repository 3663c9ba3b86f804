#include "common/qtwarnings.h"
#include "setup/setupdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

Q_DECLARE_METATYPE(MessageKind)

// The real dialogs, answered by a timer that finds the modal dialog while it runs.
class TestSetupDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shouldShowModalMessageWithTitleIconAndSingleOkButton_data();
    void shouldShowModalMessageWithTitleIconAndSingleOkButton();
    void shouldAskWithYesAndNo_data();
    void shouldAskWithYesAndNo();
    void shouldChooseDirectoriesOnly_data();
    void shouldChooseDirectoriesOnly();
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

void TestSetupDialogs::shouldShowModalMessageWithTitleIconAndSingleOkButton_data()
{
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("information, with the file beneath")
        << MessageKind::Information << "/media/card/NET.CFG" << QMessageBox::Information;
    QTest::newRow("warning") << MessageKind::Warning << "" << QMessageBox::Warning;
    QTest::newRow("failure") << MessageKind::Critical << "" << QMessageBox::Critical;
}

void TestSetupDialogs::shouldShowModalMessageWithTitleIconAndSingleOkButton()
{
    QFETCH(MessageKind, kind);
    QFETCH(QString, detail);
    QFETCH(QMessageBox::Icon, icon);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QStringList shown; // title, text, informative text
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QStringList buttons;
    QWidget *parent = nullptr;
    whenModal([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        shown << box->windowTitle() << box->text() << box->informativeText();
        shownIcon = box->icon();
        parent = box->parentWidget();
        for (QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        box->button(QMessageBox::Ok)->click();
    });

    qtSetupDialogs().showMessage(&owner, QStringLiteral("VX412 Setting Tools"), kind,
                                 QStringLiteral("Create configure file success."), detail);

    QVERIFY(m_answered);
    QCOMPARE(shown,
             (QStringList {"VX412 Setting Tools", "Create configure file success.", detail}));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(parent, &owner);
}

void TestSetupDialogs::shouldAskWithYesAndNo_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button"); // QMessageBox::NoButton: Enter
    QTest::addColumn<bool>("answer");

    QTest::newRow("Yes") << QMessageBox::Yes << true;
    QTest::newRow("No") << QMessageBox::No << false;
    QTest::newRow("Enter: No") << QMessageBox::NoButton << false;
}

void TestSetupDialogs::shouldAskWithYesAndNo()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(bool, answer);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        icon = box->icon();
        if (button == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Return);
        else
            box->button(button)->click();
    });

    QCOMPARE(qtSetupDialogs().ask(&owner, QStringLiteral("VX412 Setting Tools"),
                                  QStringLiteral("Write NET.CFG anyway?")),
             answer);
    QVERIFY(m_answered);
    QCOMPARE(icon, QMessageBox::Warning);
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
    QVERIFY(!sideBar.isEmpty());
    QCOMPARE(sideBar.first(), QUrl::fromLocalFile(card));
    if (accept)
        QCOMPARE(folder.value_or(QString()), dir.path());
    else
        QVERIFY(!folder);
}

QTEST_MAIN(TestSetupDialogs)
#include "tst_setupdialogs.moc"
