// The program's side of the test e-mail's module: finds it, loads it on first use and gives the
// program the module's runMailTest() and mailStepWords().
#include "mail/mailmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

using namespace Qt::StringLiterals;

namespace {

// Made by the build (src/mail/CMakeLists.txt); plain text, so that a start makes nothing of it.
constexpr char kModuleFile[] = CST_MAIL_MODULE_FILE;
constexpr char kFromProgram[] = CST_MAIL_MODULE_FROM_PROGRAM;
constexpr char kBuildFolder[] = CST_MAIL_MODULE_BUILD_FOLDER; // empty on Windows

bool isWithin(const QString &folder, const QString &outer)
{
    const QString inside = QFileInfo(folder).canonicalFilePath();
    const QString root = QFileInfo(outer).canonicalFilePath();
    return !root.isEmpty() && (inside == root || inside.startsWith(root + u'/'));
}

Failure cannotRun(const QString &file, const QString &why)
{
    return {u"The test e-mail cannot run: %1 %2. Reinstall Camera Setting Tool."_s.arg(
        QDir::toNativeSeparators(file), why)};
}

} // namespace

QString mailModuleFile()
{
    // The build tree is known by the program's own place, never by anything a caller can set:
    // an installed program lies outside the folder it was built in.
    const QString program = QCoreApplication::applicationDirPath();
    const QString buildFolder = QString::fromUtf8(kBuildFolder);
    if (!buildFolder.isEmpty() && isWithin(program, buildFolder))
        return QDir(buildFolder).filePath(QString::fromUtf8(kModuleFile));
    return QDir::cleanPath(program + u'/' + QString::fromUtf8(kFromProgram) + u'/'
                           + QString::fromUtf8(kModuleFile));
}

Result<const MailModule *> loadMailModule(const QString &file)
{
    // QLibrary tries other names for a file that is not there, and words the last one's fault.
    if (!QFileInfo::exists(file))
        return cannotRun(file, u"is missing"_s);
    QLibrary library(file);
    if (!library.load())
        return cannotRun(file, u"could not be loaded: "_s + library.errorString());
    using Entry = const MailModule *(*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(kMailModuleEntry));
    const MailModule *module = entry ? entry() : nullptr;
    if (!module || module->interfaceVersion != CST_MAIL_INTERFACE) {
        library.unload();
        return cannotRun(file, u"belongs to another version of Camera Setting Tool"_s);
    }
    return module; // QLibrary's destructor leaves it loaded
}

Result<const MailModule *> mailModule()
{
    static QMutex mutex;
    static const MailModule *loaded = nullptr;
    const QMutexLocker lock(&mutex);
    if (loaded)
        return loaded;
    Result<const MailModule *> module = loadMailModule(mailModuleFile());
    if (module)
        loaded = *module;
    return module;
}

MailTestResult runMailTest(const MailAccount &account, const MailTestOptions &options,
                           const MailTestHooks &hooks)
{
    const Result<const MailModule *> module = mailModule();
    if (!module)
        return {false, 0, MailStep::Checking, module.reason()};
    return (*module)->runMailTest(account, options, hooks);
}

QString mailStepWords(MailStep step)
{
    const Result<const MailModule *> module = mailModule();
    return module ? (*module)->mailStepWords(step) : QString();
}
