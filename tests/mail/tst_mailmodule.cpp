#include "mail/mailmodule.h"

#include <QDir>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

// The loader of the test e-mail's module refuses a file it cannot use, with the file and why,
// and never calls into it (tst_commandline: a missing module; tst_mailtest: the module's own).
class TestMailModule : public QObject
{
    Q_OBJECT

private slots:
    void shouldNameTheFileAndWhyItCannotBeUsed_data()
    {
        QTest::addColumn<QString>("module"); // empty: a file that is no library
        QTest::addColumn<QString>("why"); // %1: the system's reason

        QTest::newRow("not a library") << QString() << "could not be loaded: %1";
        QTest::newRow("another version")
            << FOREIGN_MAIL_MODULE << "belongs to another version of Camera Setting Tool";
    }

    void shouldNameTheFileAndWhyItCannotBeUsed()
    {
        QFETCH(QString, module);
        QFETCH(QString, why);
        QTemporaryDir dir;
        if (module.isEmpty()) {
            module = dir.filePath(u"camera-setting-tool-mail.so"_s);
            QFile broken(module);
            QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("MZ\n") == 3);
        }

        const Result<const MailModule *> loaded = loadMailModule(module);
        QVERIFY(!loaded);
        if (QLibrary system(module); why.contains(u"%1"_s)) {
            QVERIFY(!system.load());
            why = why.arg(system.errorString());
        }
        QCOMPARE(loaded.reason(),
                 u"The test e-mail cannot run: %1 %2. Reinstall Camera Setting Tool."_s.arg(
                     QDir::toNativeSeparators(module), why));
    }
};

QTEST_GUILESS_MAIN(TestMailModule)
#include "tst_mailmodule.moc"
