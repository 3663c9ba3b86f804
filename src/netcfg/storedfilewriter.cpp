// The card writer's steps in their order, with every message; the system's half of each step is
// platform::CardWrite (unix/, win/).
#include "netcfg/storedfilewriter.h"

#include "netcfg/platformfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

using platform::CardWrite;

namespace {

// A name taken by another writer's temporary file is tried again with another name this often.
constexpr int kCreateAttempts = 16;
// A write that was killed outright (SIGKILL, a power cut) leaves its temporary file, which
// nobody holds any more: the next write removes it. On a card that cannot tell whether its
// writer lives, it is removed once it is this old (a younger one may belong to a write going on
// now; kCardDoesNotAnswerKeepingNoLocks says so).
constexpr qint64 kStaleAfterMs = 10 * 60 * 1000;

// The temporary file's name in the destination's folder: hidden, and random enough that no
// other writer picks it (creating it fails rather than opening someone else's file anyway).
QString temporaryName(const QString &fileName)
{
    return QStringLiteral(".%1.%2.tmp")
        .arg(fileName)
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

// Whether name is one that temporaryName(fileName) gives: ".NET.CFG.<16 hex digits>.tmp".
bool isTemporaryName(const QString &name, const QString &fileName)
{
    const QString prefix = u'.' + fileName + u'.';
    const QString suffix = QStringLiteral(".tmp");
    if (name.size() != prefix.size() + 16 + suffix.size() || !name.startsWith(prefix)
        || !name.endsWith(suffix))
        return false;
    const QStringView digits = QStringView(name).mid(prefix.size(), 16);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
    });
}

// The write going on in this process, for stop(), with the interruptions held meanwhile: from
// the temporary file's creation to the end of write(). It is going on before they are held and
// over before they are let go, so that an interruption always finds it.
class GoingOn
{
public:
    GoingOn()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            writing = true;
            stopAsked = false;
        }
        m_held.emplace();
    }
    GoingOn(const GoingOn &) = delete;
    GoingOn &operator=(const GoingOn &) = delete;
    ~GoingOn()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex);
            writing = false;
            ended.notify_all();
        }
        m_held.reset();
    }

    static inline std::mutex mutex;
    static inline std::condition_variable ended;
    static inline bool writing = false;
    static inline std::atomic<bool> stopAsked {false};

    // Why the write is to stop now, if it is: the interruption's name, or empty for stop().
    static std::optional<QString> interruption()
    {
        if (std::optional<QString> interruption = platform::HeldInterruptions::arrived())
            return interruption;
        if (stopAsked)
            return QString();
        return std::nullopt;
    }

private:
    std::optional<platform::HeldInterruptions> m_held;
};

// The messages of one write, each naming the destination as the user reads it.
struct Messages
{
    QString target;
    QString folder;

    Failure cannotWrite(CardWrite::Code code) const
    {
        return {QStringLiteral("Cannot write %1: %2").arg(target, CardWrite::systemText(code))};
    }
    Failure cannotReplace(const QString &why) const
    {
        return {QStringLiteral("Cannot replace %1: %2").arg(target, why)};
    }
    // Where the folder refuses this user: the folder is named as the cause.
    Failure deniedByFolder(const QString &what, CardWrite::Code code) const
    {
        return {QStringLiteral("Cannot write %1: %2 (%3).")
                    .arg(target, what.arg(folder), CardWrite::systemText(code))};
    }
};

Result<void> openAndInspect(CardWrite &card, const Messages &say)
{
    if (const CardWrite::Code code = card.openFolder()) {
        if (CardWrite::deniesAccess(code))
            return say.deniedByFolder(QStringLiteral("the folder %1 cannot be opened"), code);
        return say.cannotWrite(code);
    }
    const CardWrite::Standing standing = card.inspect();
    switch (standing.kind) {
    case CardWrite::Standing::Nothing:
    case CardWrite::Standing::ReplaceableFile:
        return {};
    case CardWrite::Standing::NotAFile:
        return say.cannotReplace(
            standing.what.isEmpty()
                ? QStringLiteral("it is not a regular file.")
                : QStringLiteral("it is %1, not a regular file.").arg(standing.what));
    case CardWrite::Standing::WriteProtected:
        // rename(2) would replace a write-protected file without asking; it is left alone, as
        // Windows leaves it.
        return say.cannotReplace(QStringLiteral("the file is write-protected (%1).")
                                     .arg(CardWrite::systemText(standing.code)));
    case CardWrite::Standing::Unknown:
        break;
    }
    return say.cannotWrite(standing.code);
}

Result<void> create(CardWrite &card, const QString &fileName, const Messages &say)
{
    CardWrite::Code code = 0;
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        code = card.create(temporaryName(fileName));
        if (!CardWrite::exists(code))
            break;
    }
    if (!code)
        return {};
    if (CardWrite::deniesAccess(code))
        return say.deniedByFolder(QStringLiteral("no file can be created in the folder %1"), code);
    return say.cannotWrite(code);
}

// A write that is to stop fails at its next step.
Result<void> goOn(const Messages &say)
{
    const std::optional<QString> interruption = GoingOn::interruption();
    if (!interruption)
        return {};
    return Failure {
        QStringLiteral("Cannot write %1: interrupted%2; the file was left as it was.")
            .arg(say.target,
                 interruption->isEmpty() ? QString() : QStringLiteral(" (%1)").arg(*interruption))};
}

// Writes, syncs and checks the temporary file, gives it its permissions, then puts it in the
// destination's place.
Result<void> fillAndReplace(CardWrite &card, const QByteArray &bytes, const Messages &say,
                            const std::function<Result<QByteArray>()> &readBack)
{
    if (const CardWrite::Code code = card.write(bytes))
        return say.cannotWrite(code);
    if (const CardWrite::Code code = card.sync())
        return say.cannotWrite(code);
    if (Result<void> going = goOn(say); !going)
        return going;

    const Result<QByteArray> onCard = readBack();
    if (!onCard)
        return Failure {QStringLiteral("Cannot read back %1: %2").arg(say.target, onCard.reason())};
    if (*onCard != bytes)
        return Failure {QStringLiteral("The card does not give back what was written for %1; "
                                       "the file was left as it was.")
                            .arg(say.target)};

    card.takeOverPermissions();
    if (const CardWrite::Code code = card.close())
        return say.cannotWrite(code);
    if (Result<void> going = goOn(say); !going)
        return going;

    if (const CardWrite::Code code = card.replace())
        return say.cannotReplace(CardWrite::systemText(code));
    return {};
}

} // namespace

Result<void> StoredFileWriter::write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    const Messages say {filemessages::shown(path), QDir::toNativeSeparators(info.absolutePath())};
    CardWrite card(path);
    if (Result<void> inspected = openAndInspect(card, say); !inspected)
        return inspected;
    card.removeStale([&](const QString &name) { return isTemporaryName(name, info.fileName()); },
                     [](CardWrite::Writer writer, qint64 ageMs) {
                         return writer == CardWrite::Writer::Gone
                             || (writer == CardWrite::Writer::Unknown && ageMs > kStaleAfterMs);
                     });

    // Interruptions are held process-wide, so writes take turns.
    static std::mutex writing;
    const std::lock_guard<std::mutex> oneAtATime(writing);
    const GoingOn going;
    if (Result<void> created = create(card, info.fileName(), say); !created)
        return created;
    const Result<void> replaced = fillAndReplace(card, bytes, say, [&] { return readBack(card); });
    if (!replaced) {
        if (const CardWrite::Code code = card.removeTemporary())
            return Failure {replaced.reason()
                            + QStringLiteral("\nCannot remove the temporary file %1: %2")
                                  .arg(card.temporaryShown(), CardWrite::systemText(code))};
        return replaced;
    }

    // The replacement is on the card once the folder is synced.
    if (const CardWrite::Code code = card.syncFolder())
        return Failure {QStringLiteral("Cannot sync the folder %1: %2\n%3 has been replaced, but "
                                       "the card may not keep it; write it again.")
                            .arg(say.folder, CardWrite::systemText(code), say.target)};
    return {};
}

bool StoredFileWriter::stop(std::chrono::milliseconds grace)
{
    std::unique_lock<std::mutex> lock(GoingOn::mutex);
    if (!GoingOn::writing)
        return true;
    GoingOn::stopAsked = true;
    return GoingOn::ended.wait_for(lock, grace, [] { return !GoingOn::writing; });
}

Result<QByteArray> StoredFileWriter::readBack(const platform::CardWrite &card)
{
    return card.readTemporary();
}
