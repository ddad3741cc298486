// SPDX-License-Identifier: MIT
#include "showntext.h"

#include <QStringDecoder>

#include "itemreader.h"

namespace peg {

QString DecodeFileText(const std::string &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1250("windows-1250");
    if (cp1250.isValid())
        return cp1250.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

QString ShownText(const QString &text)
{
    QString out;
    std::size_t shown = 0;
    bool inJunk = false;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype len = pair ? 2 : 1;
        const QChar c = text[i];
        const bool junk = !pair && (c.category() == QChar::Other_Control || c.isSurrogate() ||
                                    c == QChar::ReplacementCharacter || c == QChar::LineSeparator ||
                                    c == QChar::ParagraphSeparator);
        if (!(junk && inJunk)) {
            if (shown == MAX_QUOTED_CHARS) {
                out += QChar(0x2026);
                break;
            }
            if (junk)
                out += QChar::ReplacementCharacter;
            else
                out += text.mid(i, len);
            ++shown;
        }
        inJunk = junk;
        i += len;
    }
    return out;
}

QString ShownName(const std::string &bytes)
{
    // Only the start is ever shown: a megabyte-long name costs no more.
    std::size_t cut = 8 * MAX_QUOTED_CHARS;
    if (bytes.size() <= cut)
        return ShownText(DecodeFileText(bytes));
    while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a UTF-8 letter, or it would read as Windows-1250
    return ShownText(DecodeFileText(bytes.substr(0, cut)));
}

QString QuotedName(const std::string &bytes)
{
    return QStringLiteral("„%1”").arg(ShownName(bytes));
}

} // namespace peg
