#pragma once
// The text files the program reads (sequence files, user's guide) come from
// old 8-bit editors and from today's UTF-8 ones.

#include <QByteArray>
#include <QString>

// UTF-8 when the bytes are valid UTF-8 and hold a non-ASCII character, else
// Latin-1: real 8-bit text is practically never valid UTF-8. A leading UTF-8
// byte-order mark is skipped.
QString decode_text(QByteArrayView bytes);
