#include "gui/latin1_text.h"

#include <QStringDecoder>

QString messageText(std::string_view bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = utf8(view);
    if (utf8.hasError())
        return fromControlBytes(bytes);
    return text;
}
