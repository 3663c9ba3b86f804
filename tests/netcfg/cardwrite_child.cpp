#include "netcfg/storedfilewriter.h"

#include <cstdio>

// Writes 4096 bytes to the path given with the card writer; prints the error and exits with
// 1 when that fails. tst_cardwrite runs it under limits and with waits that the test process
// itself must not take on.
int main(int argc, char *argv[])
{
    QString error;
    const bool written = argc == 2
        && StoredFileWriter().write(QString::fromLocal8Bit(argv[1]), QByteArray(4096, 'n'), &error);
    std::fputs(error.toUtf8().constData(), stdout);
    return written ? 0 : 1;
}
