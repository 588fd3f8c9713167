// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <QStringDecoder>

namespace brv {

QString DecodeText(std::string_view bytes)
{
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder shiftJis("Shift_JIS");
    if (shiftJis.isValid()) {
        text = shiftJis.decode(view);
        if (!shiftJis.hasError())
            return text;
    }
    return QString::fromLatin1(view.data(), view.size());
}

std::string EncodeText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace brv
