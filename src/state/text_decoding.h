#pragma once
// The text files the program reads (sequence files, user's guide) come from
// old 8-bit editors and from today's editors, which also save UTF-16.

#include <QByteArray>
#include <QString>
#include <optional>

// The text of a file saved as UTF-8, as UTF-16 or UTF-32 with a byte-order
// mark, or as 8-bit text. Unmarked bytes are UTF-8 when they are valid UTF-8
// and hold a non-ASCII character, else Latin-1: real 8-bit text is practically
// never valid UTF-8. Nothing when the bytes are no text in these encodings:
// a NUL byte outside a marked file means UTF-16 without a mark or a binary
// file, and a marked file must decode cleanly.
std::optional<QString> decode_text(QByteArrayView bytes);

// A plain message for a file decode_text could not read: `what` names the
// kind of file ("clip sequence file"), `path` the file.
QString unreadable_text_message(const QString& what, const QString& path);
