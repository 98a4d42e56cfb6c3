#include "ui/QtText.h"

#include <QFile>

namespace gr2::QtText {

QString fromField(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string toField(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar c : text)
        out += c.unicode() < 256 ? char(c.unicode()) : '?';
    return out;
}

QString fromSystem(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), qsizetype(text.size()));
}

std::string toSystem(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

QString fromUtf16(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

std::u16string toUtf16(const QString& text)
{
    return text.toStdU16String();
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path toPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace gr2::QtText
