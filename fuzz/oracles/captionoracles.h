#pragma once

#include "netcfg/settings.h"

#include <QByteArrayView>
#include <QString>

#include <memory>

class MmsWindow;
class SmtpWindow;

namespace oracles {

// What must hold when a setup window gets the captions of whatever language text the
// launcher's selector holds: only the 12 exact language names change anything, and each sets
// every target of its row. Keeps one MMS and one SMTP window (never shown) for all checks, so
// it needs a QApplication and must go before it.
class CaptionOracle
{
public:
    CaptionOracle();
    ~CaptionOracle();

    // Byte 0: bit 0 picks the window (0 MMS, 1 SMTP), bit 1 how the rest becomes the language
    // text (0 UTF-8, 1 UTF-16 little-endian). Empty when everything holds, else what went wrong.
    QString check(QByteArrayView input);

private:
    MmsSettings m_mmsKept;
    SmtpSettings m_smtpKept;
    std::unique_ptr<MmsWindow> m_mms;
    std::unique_ptr<SmtpWindow> m_smtp;
};

} // namespace oracles
