#include "oracles/captionoracles.h"

#include "app/captions.h"
#include "setup/mmswindow.h"
#include "setup/smtpwindow.h"

#include <QAbstractButton>
#include <QHash>
#include <QLabel>

#include <algorithm>

namespace oracles {

namespace {

// The launcher's languages, exactly as its selector lists them.
// clang-format off
const char16_t *const kLanguages[] = {
    u"中文", u"Cesky", u"Deutsch", u"English", u"Espanol", u"Italiano",
    u"Francais", u"Lingua", u"Magyar", u"Portugues", u"Slovensko", u"Suomi",
};
// clang-format on

using Captions = QHash<QString, QString>; // control name -> caption

Captions captionsOf(const QWidget *window)
{
    Captions captions;
    for (const QLabel *label : window->findChildren<QLabel *>())
        captions.insert(label->objectName(), label->text());
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
        captions.insert(button->objectName(), button->text());
    return captions;
}

QString toText(QByteArrayView bytes, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8));
    return text;
}

QString describe(const QString &text)
{
    QString codes;
    for (const QChar c : text)
        codes += QStringLiteral(" %1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    return QStringLiteral("\"%1\" (%2 )").arg(text, codes);
}

} // namespace

CaptionOracle::CaptionOracle()
    : m_mms(std::make_unique<MmsWindow>(m_mmsKept))
    , m_smtp(std::make_unique<SmtpWindow>(m_smtpKept))
{ }

CaptionOracle::~CaptionOracle() = default;

QString CaptionOracle::check(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const bool smtp = input[0] & 1;
    QWidget *window = smtp ? static_cast<QWidget *>(m_smtp.get()) : m_mms.get();
    const CaptionTable &table = smtp ? smtpCaptionTable() : mmsCaptionTable();
    const QString language = toText(input.sliced(1), input[0] & 2);

    const Captions before = captionsOf(window);
    applyCaptions(window, table, language);
    const Captions after = captionsOf(window);

    const bool known = std::any_of(std::begin(kLanguages), std::end(kLanguages),
                                   [&](const char16_t *name) { return language == name; });
    Captions expected = before;
    if (known) {
        const auto row = std::find_if(table.rows.cbegin(), table.rows.cend(),
                                      [&](const CaptionRow &r) { return r.language == language; });
        if (row == table.rows.cend())
            return QStringLiteral("no caption row for %1").arg(describe(language));
        if (row->captions.size() != table.targets.size())
            return QStringLiteral("the row for %1 has %2 captions for %3 targets")
                .arg(describe(language))
                .arg(row->captions.size())
                .arg(table.targets.size());
        for (qsizetype i = 0; i < table.targets.size(); ++i) {
            if (!before.contains(table.targets.at(i)))
                return QStringLiteral("no label or button %1").arg(table.targets.at(i));
            expected.insert(table.targets.at(i), row->captions.at(i));
        }
    }
    if (after == expected)
        return {};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        if (after.value(it.key()) != it.value())
            return QStringLiteral("language %1 gave %2 the caption \"%3\" instead of \"%4\"")
                .arg(describe(language), it.key(), after.value(it.key()), it.value());
    }
    return QStringLiteral("language %1 changed the set of captioned controls")
        .arg(describe(language));
}

} // namespace oracles
