#include "common/qtwarnings.h"
#include "setup/setupdialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The real dialogs, answered by a timer that finds the modal dialog while it runs.
class TestSetupDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void shouldShowModalMessageWithTitleAndSingleOkButton();
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

void TestSetupDialogs::shouldShowModalMessageWithTitleAndSingleOkButton()
{
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));

    QString title;
    QString text;
    QStringList buttons;
    QWidget *parent = nullptr;
    whenModal([&](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        parent = box->parentWidget();
        for (QAbstractButton *button : box->buttons())
            buttons.append(button->text());
        box->button(QMessageBox::Ok)->click();
    });

    qtSetupDialogs().showMessage(&owner, QStringLiteral("VX412 Setting Tools"),
                                 QStringLiteral("Need Email Input"));

    QVERIFY(m_answered);
    QCOMPARE(title, QStringLiteral("VX412 Setting Tools"));
    QCOMPARE(text, QStringLiteral("Need Email Input"));
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
    whenModal([&](QWidget *dialog) {
        auto *browser = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(browser);
        title = browser->windowTitle();
        mode = browser->fileMode();
        if (!accept) {
            browser->reject();
            return;
        }
        browser->setDirectory(dir.path());
        static_cast<QDialog *>(browser)->accept(); // public in QDialog, runs QFileDialog's
    });

    const std::optional<QString> folder
        = qtSetupDialogs().chooseFolder(&owner, QStringLiteral("请选择软件安装路径："));

    QVERIFY(m_answered);
    QCOMPARE(title, QStringLiteral("请选择软件安装路径："));
    QCOMPARE(mode, QFileDialog::Directory);
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
