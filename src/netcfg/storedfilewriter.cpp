#include "netcfg/storedfilewriter.h"

#include "netcfg/platformfiles.h"

Result<void> StoredFileWriter::write(const QString &path, const QByteArray &bytes)
{
    const QString target = filemessages::shown(path);
    // Compares what the card gives back of the synced temporary file with what was meant.
    const auto verify = [&](const QString &temporary) -> Result<void> {
        const Result<QByteArray> onCard = readBack(temporary);
        if (!onCard)
            return Failure {QStringLiteral("Cannot read back %1: %2").arg(target, onCard.reason())};
        if (*onCard != bytes)
            return Failure {QStringLiteral("The card does not give back what was written for %1; "
                                           "the file was left as it was.")
                                .arg(target)};
        return {};
    };
    return platform::replaceFile(path, bytes, verify);
}

Result<QByteArray> StoredFileWriter::readBack(const QString &path)
{
    return platform::readFromCard(path);
}
