#include "oracles/captionoracles.h"
#include "oracles/netcfgoracles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

namespace {

// One row per input of a fuzzer's committed corpus; a corpus of fewer than five inputs gets a
// row that fails, so that a lost corpus cannot pass unnoticed.
void addCorpusRows(const QString &target)
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(FUZZ_CORPUS_DIR "/") + target);
    const QStringList names = dir.entryList(QDir::Files, QDir::Name);
    if (names.size() < 5)
        QTest::newRow("corpus too small")
            << dir.filePath(QStringLiteral("(fewer than five inputs)"));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << dir.filePath(name);
}

// The row's input; an empty one, and a failed test, when it cannot be read.
QByteArray input()
{
    QFETCH(QString, path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QTest::qFail(qPrintable("cannot read " + path), __FILE__, __LINE__);
    return file.readAll();
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
    const QString failure = oracles::checkComposeAndEncode(input());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestFuzzCorpus::shouldDeriveDestinationOfEveryCorpusInput_data()
{
    addCorpusRows(QStringLiteral("destination"));
}

void TestFuzzCorpus::shouldDeriveDestinationOfEveryCorpusInput()
{
    const QString failure = oracles::checkDestination(input());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void TestFuzzCorpus::shouldCaptionOnlyForExactLanguageNames_data()
{
    addCorpusRows(QStringLiteral("captions"));
}

void TestFuzzCorpus::shouldCaptionOnlyForExactLanguageNames()
{
    const QString failure = m_captions->check(input());
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestFuzzCorpus)
#include "tst_fuzzcorpus.moc"
