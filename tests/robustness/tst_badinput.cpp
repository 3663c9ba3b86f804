#include "common/fakedialogs.h"
#include "common/qtwarnings.h"
#include "common/windowtesting.h"
#include "netcfg/netcfg.h"
#include "oracles/netcfgoracles.h"
#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kTitle = QStringLiteral("VX412 Setting Tools");
const QString kFailed = QStringLiteral("Create configure file failed.");

// Typing, one key event per character as a keyboard or an input method delivers it; unlike
// QTest::keyClicks this reaches any character, control characters and NUL included.
void type(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QString character = text.mid(i, length);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
        i += length - 1;
    }
}

void replaceText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    type(edit, text);
}

void paste(QLineEdit *edit, const QString &text)
{
    QApplication::clipboard()->setText(text);
    edit->setFocus();
    edit->selectAll();
    QTest::keySequence(edit, QKeySequence::Paste);
}

// The stored bytes of one key's value in a stored NET.CFG; empty if the key is not there.
QByteArray storedValue(const QByteArray &stored, const QByteArray &key)
{
    const QByteArray start = encodeBytes("\r\n" + key + '=');
    const qsizetype at = stored.indexOf(start);
    if (at < 0)
        return {};
    const qsizetype from = at + start.size();
    return stored.mid(from, stored.indexOf(encodeBytes("\r\n"), from) - from);
}

// The plain form's lines, read back with the camera's inverse table (exact over ASCII).
QList<QByteArray> plainLines(const QByteArray &stored)
{
    QList<QByteArray> lines = oracles::decodeStored(stored).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldRefuseTooLongPasteAndKeepPreviousFile_data();
    void shouldRefuseTooLongPasteAndKeepPreviousFile();
    void shouldRefuseWhatTheCameraWouldMisreadNamingTheField_data();
    void shouldRefuseWhatTheCameraWouldMisreadNamingTheField();
    void shouldIgnoreTypedControlCharactersAndNul_data();
    void shouldIgnoreTypedControlCharactersAndNul();
    void shouldKeepOneLinePerKeyWhenLineBreaksArePasted_data();
    void shouldKeepOneLinePerKeyWhenLineBreaksArePasted();
    void shouldWriteWhereTheLastSeparatorSays_data();
    void shouldWriteWhereTheLastSeparatorSays();
    void shouldReportMissingFolderAndWriteNothing_data();
    void shouldReportMissingFolderAndWriteNothing();
    void shouldReportUnwritableRootForPathOfOnlySeparators();

private:
    void addKindRows();
    void open(Kind kind);
    void fillRecipients();
    void generate();
    QString dir() const { return m_dir->path(); }

    FakeDialogs m_dialogs;
    MmsSettings m_mmsKept;
    SmtpSettings m_smtpKept;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SetupWindow> m_window;
    Kind m_kind = Kind::Mms;
    QString m_previousCurrent;
};

void TestBadInput::init()
{
    failOnQtWarnings();
    m_dialogs = FakeDialogs();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // A Path field without a separator writes into the working directory.
    m_previousCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir()));
}

void TestBadInput::cleanup()
{
    m_window.reset();
    QDir::setCurrent(m_previousCurrent);
    m_dir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestBadInput::addKindRows()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("MMS") << Kind::Mms;
    QTest::newRow("SMTP") << Kind::Smtp;
}

void TestBadInput::open(Kind kind)
{
    m_kind = kind;
    if (kind == Kind::Mms)
        m_window = std::make_unique<MmsWindow>(m_mmsKept, m_dialogs);
    else
        m_window = std::make_unique<SmtpWindow>(m_smtpKept, m_dialogs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestBadInput::fillRecipients()
{
    replaceText(field(m_window.get(), QStringLiteral("Text7")), QStringLiteral("+15551234567"));
    replaceText(field(m_window.get(), QStringLiteral("Text12")), QStringLiteral("cam@example.com"));
}

void TestBadInput::generate()
{
    m_dialogs.messages.clear();
    // An empty Path field asks for the folder first: the working directory, as chosen.
    if (field(m_window.get(), pathFieldOf(m_kind))->text().isEmpty())
        m_dialogs.folderAnswers.append(dir());
    auto *button = m_window->findChild<QAbstractButton *>(QStringLiteral("Command2"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestBadInput::shouldRefuseTooLongPasteAndKeepPreviousFile_data()
{
    addKindRows();
}

void TestBadInput::shouldRefuseTooLongPasteAndKeepPreviousFile()
{
    QFETCH(Kind, kind);
    open(kind);
    const QString path = dir() + QStringLiteral("/NET.CFG");
    replaceText(field(m_window.get(), pathFieldOf(kind)), path);
    fillRecipients();
    generate();
    QCOMPARE(m_dialogs.messages, QList<FakeDialogs::Message>({{kTitle, kSuccess}}));
    const QByteArray previous = readFile(path);
    QVERIFY(!previous.isEmpty());

    QLineEdit *email = field(m_window.get(), QStringLiteral("Text12"));
    paste(email, QString(100000, u'x'));
    QVERIFY(email->text().size() > kMaxPlainFormSize - 148);
    generate();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QCOMPARE(m_dialogs.messages.first().title, kTitle);
    QVERIFY2(m_dialogs.messages.first().text.startsWith(kFailed),
             qPrintable(m_dialogs.messages.first().text));
    QVERIFY2(m_dialogs.messages.first().text.contains(QLatin1String("too long")),
             qPrintable(m_dialogs.messages.first().text));
    QCOMPARE(readFile(path), previous);
    QCOMPARE(QDir(dir()).entryList(QDir::Files | QDir::Hidden), QStringList {"NET.CFG"});

    // Still responsive: the user mends the field and the next Generate writes it.
    replaceText(email, QStringLiteral("new@example.com"));
    generate();
    QCOMPARE(m_dialogs.messages, QList<FakeDialogs::Message>({{kTitle, kSuccess}}));
    QCOMPARE(storedValue(readFile(path), "Email1"), encodeBytes("new@example.com"));
}

void TestBadInput::shouldRefuseWhatTheCameraWouldMisreadNamingTheField_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("typed"); // into Email 1
    QTest::addColumn<QString>("refusal"); // empty: written, as the plain bytes below
    QTest::addColumn<QByteArray>("plain");

    // clang-format off
    QTest::newRow("MMS Chinese")        << Kind::Mms  << QStringLiteral("中文1")
        << QStringLiteral("Email 1: \"中\" and \"文\" cannot be written for the camera") << QByteArray();
    QTest::newRow("MMS emoji")          << Kind::Mms  << QStringLiteral("a😀b")
        << QStringLiteral("Email 1: \"😀\" cannot be written for the camera") << QByteArray();
    QTest::newRow("SMTP euro is an a")  << Kind::Smtp << QStringLiteral("5€")
        << QStringLiteral("Email 1: the camera would read \"€\" as \"a\"") << QByteArray();
    QTest::newRow("SMTP mixed")         << Kind::Smtp << QStringLiteral("Zürich Ł")
        << QStringLiteral("Email 1: \"Ł\" cannot be written for the camera, and the camera would read \"ü\" as \"=\"")
        << QByteArray();
    QTest::newRow("SMTP code page kept") << Kind::Smtp << QStringLiteral("é ø ß [ä]=ö")
        << QString() << QByteArray("\xE9 \xF8 \xDF [\xE4]=\xF6");
    // clang-format on
}

void TestBadInput::shouldRefuseWhatTheCameraWouldMisreadNamingTheField()
{
    QFETCH(Kind, kind);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);
    QFETCH(QByteArray, plain);
    open(kind);
    fillRecipients();
    replaceText(field(m_window.get(), QStringLiteral("Text12")), typed);
    QCOMPARE(field(m_window.get(), QStringLiteral("Text12"))->text(), typed);
    generate();
    if (refusal.isEmpty()) {
        QCOMPARE(m_dialogs.messages, QList<FakeDialogs::Message>({{kTitle, kSuccess}}));
        QCOMPARE(storedValue(readFile(dir() + QStringLiteral("/NET.CFG")), "Email1"),
                 encodeBytes(plain));
    } else {
        QCOMPARE(m_dialogs.messages,
                 QList<FakeDialogs::Message>({{kTitle, kFailed + u'\n' + refusal}}));
        QVERIFY(QDir(dir()).isEmpty());
    }
}

void TestBadInput::shouldIgnoreTypedControlCharactersAndNul_data()
{
    addKindRows();
}

void TestBadInput::shouldIgnoreTypedControlCharactersAndNul()
{
    QFETCH(Kind, kind);
    open(kind);
    fillRecipients();
    QSignalSpy quit(m_window.get(), &FramelessWindow::quitRequested);

    // Every control character but Esc (which ends the run), between digits.
    QString typed;
    for (char16_t c = 0; c < 0x20; ++c) {
        if (c != 27)
            typed += QChar(c) + QString::number(c % 10);
    }
    typed += QChar(0x7F);
    replaceText(field(m_window.get(), QStringLiteral("Text7")), typed);
    QCOMPARE(field(m_window.get(), QStringLiteral("Text7"))->text(),
             QStringLiteral("0123456789012345678901234568901"));
    QCOMPARE(quit.count(), 0);

    generate();
    QCOMPARE(m_dialogs.messages, QList<FakeDialogs::Message>({{kTitle, kSuccess}}));
    QCOMPARE(storedValue(readFile(dir() + QStringLiteral("/NET.CFG")), "Phone1"),
             encodeBytes("0123456789012345678901234568901"));
}

void TestBadInput::shouldKeepOneLinePerKeyWhenLineBreaksArePasted_data()
{
    addKindRows();
}

void TestBadInput::shouldKeepOneLinePerKeyWhenLineBreaksArePasted()
{
    QFETCH(Kind, kind);
    open(kind);
    fillRecipients();
    // A number copied with its line end, and a paste that would smuggle in a line of its own.
    paste(field(m_window.get(), QStringLiteral("Text7")), QStringLiteral("+15551234567\r\n"));
    paste(field(m_window.get(), QStringLiteral("Text12")), QStringLiteral("a@b.c\nAPN=other\r"));
    QCOMPARE(field(m_window.get(), QStringLiteral("Text7"))->text(),
             QStringLiteral("+15551234567"));
    QCOMPARE(field(m_window.get(), QStringLiteral("Text12"))->text(),
             QStringLiteral("a@b.cAPN=other"));

    generate();
    QCOMPARE(m_dialogs.messages, QList<FakeDialogs::Message>({{kTitle, kSuccess}}));
    const QList<QByteArray> lines = plainLines(readFile(dir() + QStringLiteral("/NET.CFG")));
    QCOMPARE(lines.size(), kind == Kind::Mms ? 17 : 15);
    QVERIFY(lines.contains("Phone1=+15551234567\r"));
    QVERIFY(lines.contains("Email1=a@b.cAPN=other\r"));
}

void TestBadInput::shouldWriteWhereTheLastSeparatorSays_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("pathField"); // %1: the test's folder, also the working directory
    QTest::addColumn<QString>("written"); // relative to that folder

    // clang-format off
    QTest::newRow("MMS trailing space after separator") << Kind::Mms  << "%1/card/ "         << "card/NET.CFG";
    QTest::newRow("SMTP trailing space in name")        << Kind::Smtp << "%1/card/NET.CFG "  << "card/NET.CFG";
    QTest::newRow("MMS folder named with a space")      << Kind::Mms  << "%1/card /NET.CFG"  << "card /NET.CFG";
    QTest::newRow("SMTP folder without separator")      << Kind::Smtp << "%1/card "          << "NET.CFG";
    QTest::newRow("MMS only backslashes")               << Kind::Mms  << "\\\\\\"            << "NET.CFG";
    QTest::newRow("SMTP drive letter of Windows")       << Kind::Smtp << "Q:\\NET.CFG"       << "NET.CFG";
    QTest::newRow("MMS only spaces")                    << Kind::Mms  << "   "               << "NET.CFG";
    // clang-format on
}

void TestBadInput::shouldWriteWhereTheLastSeparatorSays()
{
#ifdef Q_OS_WIN
    QSKIP("the rows are written for the separator of Linux and macOS");
#endif
    QFETCH(Kind, kind);
    QFETCH(QString, pathField);
    QFETCH(QString, written);
    QVERIFY(QDir(dir()).mkpath(QStringLiteral("card")));
    QVERIFY(QDir(dir()).mkpath(QStringLiteral("card ")));
    open(kind);
    fillRecipients();
    replaceText(field(m_window.get(), pathFieldOf(kind)),
                pathField.contains(u"%1") ? pathField.arg(dir()) : pathField);
    generate();
    QCOMPARE(m_dialogs.messages, QList<FakeDialogs::Message>({{kTitle, kSuccess}}));
    const QByteArray stored = readFile(dir() + u'/' + written);
    QCOMPARE(storedValue(stored, "Phone1"), encodeBytes("+15551234567"));
}

void TestBadInput::shouldReportMissingFolderAndWriteNothing_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("pathField");

    // clang-format off
    QTest::newRow("MMS missing folder")         << Kind::Mms  << "%1/missing/NET.CFG";
    QTest::newRow("SMTP missing nested folder") << Kind::Smtp << "%1/a/b/c/";
    QTest::newRow("MMS a file as the folder")   << Kind::Mms  << "%1/NET.CFG/NET.CFG";
    QTest::newRow("SMTP missing drive")         << Kind::Smtp << "/media/no-such-card-here/NET.CFG";
    // clang-format on
}

void TestBadInput::shouldReportMissingFolderAndWriteNothing()
{
#ifdef Q_OS_WIN
    QSKIP("the rows are written for the separator of Linux and macOS");
#endif
    QFETCH(Kind, kind);
    QFETCH(QString, pathField);
    open(kind);
    fillRecipients();
    generate(); // the working directory's file, which nothing may touch
    const QByteArray previous = readFile(dir() + QStringLiteral("/NET.CFG"));
    QVERIFY(!previous.isEmpty());

    replaceText(field(m_window.get(), pathFieldOf(kind)),
                pathField.contains(u"%1") ? pathField.arg(dir()) : pathField);
    generate();
    QCOMPARE(m_dialogs.messages.size(), 1);
    const QString message = m_dialogs.messages.first().text;
    QVERIFY2(message.startsWith(kFailed + u'\n'), qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("NET.CFG")), qPrintable(message));
    QCOMPARE(QDir(dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList {"NET.CFG"});
    QCOMPARE(readFile(dir() + QStringLiteral("/NET.CFG")), previous);
}

void TestBadInput::shouldReportUnwritableRootForPathOfOnlySeparators()
{
    // "///" means the root folder. Where the root can be written (a test run by root), the
    // test would put a file there: not worth it.
    if (QFileInfo(QStringLiteral("/")).isWritable() || QFile::exists(QStringLiteral("/NET.CFG")))
        QSKIP("the root folder is writable here");
    open(Kind::Mms);
    fillRecipients();
    replaceText(field(m_window.get(), QStringLiteral("Text17")), QStringLiteral("///"));
    generate();
    QCOMPARE(m_dialogs.messages.size(), 1);
    QVERIFY2(m_dialogs.messages.first().text.startsWith(kFailed + u'\n'),
             qPrintable(m_dialogs.messages.first().text));
    QVERIFY(!QFile::exists(QStringLiteral("/NET.CFG")));
}

QTEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
