#include "oracles/captionoracles.h"
#include "oracles/netcfgoracles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// One row per input of a fuzzer's committed corpus.
void addCorpusRows(const QString &target)
{
    QTest::addColumn<QByteArray>("input");
    const QDir dir(QStringLiteral(FUZZ_CORPUS_DIR "/") + target);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    if (names.size() < 5)
        qFatal("the %s corpus holds %lld inputs", qPrintable(target), qlonglong(names.size()));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << readAll(dir.filePath(name));
}

} // namespace

class TestFuzzCorpus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void shouldComposeAndEncodeEveryCorpusInputSoundly_data();
    void shouldComposeAndEncodeEveryCorpusInputSoundly();
    void shouldDeriveDestinationOfEveryCorpusInput_data();
    void shouldDeriveDestinationOfEveryCorpusInput();
    void shouldCaptionOnlyForExactLanguageNames_data();
    void shouldCaptionOnlyForExactLanguageNames();

private:
    std::unique_ptr<oracles::CaptionOracle> m_captions;
};

void TestFuzzCorpus::initTestCase()
{
    m_captions = std::make_unique<oracles::CaptionOracle>();
}

void TestFuzzCorpus::cleanupTestCase()
{
    m_captions.reset();
}

void TestFuzzCorpus::shouldComposeAndEncodeEveryCorpusInputSoundly_data()
{
    addCorpusRows(QStringLiteral("netcfg"));
}

void TestFuzzCorpus::shouldComposeAndEncodeEveryCorpusInputSoundly()
{
    QFETCH(QByteArray, input);
    const QString failure = oracles::checkComposeAndEncode(input);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestFuzzCorpus::shouldDeriveDestinationOfEveryCorpusInput_data()
{
    addCorpusRows(QStringLiteral("destination"));
}

void TestFuzzCorpus::shouldDeriveDestinationOfEveryCorpusInput()
{
    QFETCH(QByteArray, input);
    const QString failure = oracles::checkDestination(input);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestFuzzCorpus::shouldCaptionOnlyForExactLanguageNames_data()
{
    addCorpusRows(QStringLiteral("captions"));
}

void TestFuzzCorpus::shouldCaptionOnlyForExactLanguageNames()
{
    QFETCH(QByteArray, input);
    const QString failure = m_captions->check(input);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
