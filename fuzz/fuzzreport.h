#pragma once

#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken oracle is a finding: libFuzzer keeps the input that caused the abort.
inline void reportFinding(const QString &failure)
{
    if (failure.isEmpty())
        return;
    std::fprintf(stderr, "Oracle failed: %s\n", qUtf8Printable(failure));
    std::abort();
}
