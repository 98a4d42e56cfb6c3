#pragma once
// The one rule by which the program's text crosses into Qt and back. Text of 8-bit record fields
// (type and player names) is Latin-1 both ways; the program's own text (titles, file paths and
// the messages that carry them) is in the system's encoding both ways, as the file system names
// files. Every conversion between a core string and a QString goes through these.

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace gr2::QtText {

/// An 8-bit record field as the user reads it.
QString fromField(std::string_view text);
/// Text for an 8-bit record field; characters beyond Latin-1 become '?'.
std::string toField(const QString& text);

/// The program's own text: titles, paths, messages.
QString fromSystem(std::string_view text);
std::string toSystem(const QString& text);

/// Text the core holds in UTF-16 (the script tree's items and the searches in them).
QString fromUtf16(std::u16string_view text);
std::u16string toUtf16(const QString& text);

QString fromPath(const std::filesystem::path& path);
std::filesystem::path toPath(const QString& path);

} // namespace gr2::QtText
