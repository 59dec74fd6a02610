// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace calmdesk {

// How a text file's characters are stored on disk.
enum class TextEncoding {
    Utf8,
    Utf8Bom, // UTF-8 that starts with the byte order mark EF BB BF
    Windows1252,
};

// The line-break convention a file is written with. In memory every break is CR LF.
enum class LineBreak {
    CrLf,
    Lf,
    Cr, // old Mac files
};

// The on-disk form of a document, remembered from loading so a save writes it back.
// Default-constructed, it is the form of a new document: UTF-8 without BOM, LF.
struct TextFileFormat
{
    TextEncoding encoding = TextEncoding::Utf8;
    LineBreak lineBreak = LineBreak::Lf;

    friend bool operator==(const TextFileFormat &, const TextFileFormat &) = default;
};

// Why a file could not be loaded; every refusal leaves the file as it was.
enum class LoadStatus {
    Ok,
    NotFound,
    Unreadable,  // no permission, a folder, or a read error
    HasNulBytes, // binary data or UTF-16: editing it as text would corrupt it
    TooLarge,    // beyond kMaxTextFileBytes
};

struct TextLoadResult
{
    LoadStatus status = LoadStatus::Ok;
    QString text; // line breaks are CR LF; empty unless status is Ok
    TextFileFormat format;
    QString errorString; // the system's reason, for Unreadable
};

struct TextSaveResult
{
    bool ok = false;
    // The format actually on disk; it differs from the requested one when the text
    // needed UTF-8 (the document should carry on with this format).
    TextFileFormat written;
    QString errorString;
};

} // namespace calmdesk
