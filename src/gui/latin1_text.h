#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>

// The controls hold byte strings. The window shows every byte as the Latin-1 character of the same
// code, so any byte survives a round trip through a widget; characters typed beyond Latin-1 come
// back as '?'.

inline QString fromControlBytes(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toControlBytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

/** @brief A message for the user: UTF-8 when it is valid UTF-8 (paths of this machine), else Latin-1. */
QString messageText(std::string_view bytes);
