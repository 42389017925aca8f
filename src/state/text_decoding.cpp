#include "state/text_decoding.h"

#include <QStringDecoder>
#include <algorithm>

std::optional<QString> decode_text(QByteArrayView bytes)
{
    if (const std::optional<QStringConverter::Encoding> marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked, QStringDecoder::Flag::Stateless);
        const bool utf8 = *marked == QStringConverter::Utf8;
        // A UTF-8 mark over 8-bit text is an editor's slip the text survives.
        if (!utf8) {
            // The decoder drops the mark, and passes over a half character at the end.
            const bool utf32 = *marked == QStringConverter::Utf32LE || *marked == QStringConverter::Utf32BE;
            const qsizetype unit = utf32 ? 4 : 2;
            QString text = decoder(bytes);
            if (decoder.hasError() || bytes.size() % unit != 0)
                return std::nullopt;
            return text;
        }
        bytes = bytes.sliced(3);
    }
    if (bytes.contains('\0'))
        return std::nullopt;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; });
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

QString unreadable_text_message(const QString& what, const QString& path)
{
    return QStringLiteral("The %1 \"%2\" is not plain text in an encoding the program can read. "
                          "Open it in a text editor and save it again with the encoding \"UTF-8\".")
        .arg(what, path);
}
