#include "netcfg/storedfilewriter.h"

#include <cstdio>

// Writes 4096 bytes to the path given with the card writer; prints the error and exits with
// 1 when that fails. tst_cardwrite runs it under limits and with waits that the test process
// itself must not take on.
int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const Result<void> written
        = StoredFileWriter().write(QString::fromLocal8Bit(argv[1]), QByteArray(4096, 'n'));
    std::fputs(written.reason().toUtf8().constData(), stdout);
    return written ? 0 : 1;
}
