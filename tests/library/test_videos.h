// Videos made for the tests with ffmpeg, and copies of clip folders.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QMap>
#include <QString>

// A portrait phone-style H.264 MP4 of `seconds` at `fps`, 180 x 320, with a
// test tone when `sound`; its picture changes over time. Returns its path.
QString make_phone_video(const QDir& into, const QString& name, double fps, bool sound, double seconds = 2);

// Every file of a folder with its bytes, to see that nothing changed.
QMap<QString, QByteArray> folder_contents(const QDir& folder);

// Copies the three sequence files of the built demo library into `into`.
void copy_demo_sequence_files(const QDir& into);

// Three sequence files in `into` listing clips "<name>" (category animals,
// title "<name> title") whose files are not there.
void write_clip_lists(const QDir& into, const QStringList& names);
