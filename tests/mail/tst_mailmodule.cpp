#include "mail/mailmodule.h"

#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The loader of the test e-mail's module refuses what it cannot use with the file and the
// reason, and never calls into it. The module itself runs every row of tst_mailtest.
class TestMailModule : public QObject
{
    Q_OBJECT

private slots:
    void shouldNameTheFileAndWhyItCannotBeUsed_data();
    void shouldNameTheFileAndWhyItCannotBeUsed();
};

void TestMailModule::shouldNameTheFileAndWhyItCannotBeUsed_data()
{
    QTest::addColumn<QByteArray>("content"); // of the file in a temporary folder; "-": none
    QTest::addColumn<QString>("module"); // the file to load instead; empty: that one
    QTest::addColumn<QString>("why"); // %1: the system's reason

    // clang-format off
    QTest::newRow("missing")         << QByteArray("-")     << QString()
                                     << "is missing";
    QTest::newRow("not a library")   << QByteArray("MZ\n")  << QString()
                                     << "could not be loaded: %1";
    QTest::newRow("another version") << QByteArray()        << QString(FOREIGN_MAIL_MODULE)
                                     << "belongs to another version of Camera Setting Tool";
    // clang-format on
}

void TestMailModule::shouldNameTheFileAndWhyItCannotBeUsed()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, module);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString file = dir.filePath(u"camera-setting-tool-mail.so"_s);
    if (!module.isEmpty())
        file = module;
    else if (content != "-") {
        QFile broken(file);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(content) == content.size());
    }

    const Result<const MailModule *> loaded = loadMailModule(file);
    QVERIFY(!loaded);
    if (why.contains(u"%1"_s)) {
        QLibrary system(file);
        QVERIFY(!system.load());
        why = why.arg(system.errorString());
    }
    QCOMPARE(loaded.reason(),
             u"The test e-mail cannot run: %1 %2. Reinstall Camera Setting Tool."_s.arg(
                 QDir::toNativeSeparators(file), why));
}

QTEST_GUILESS_MAIN(TestMailModule)
#include "tst_mailmodule.moc"
