// Reading the generated library the way the program will: sequence records
// with quoted fields, WAV headers, and the program folder itself.
#pragma once

#include <QDir>
#include <QImage>
#include <QStringList>

// The program folder named by FLICKERBOX_PROGRAM_DIR, else the one this
// test was built for.
QDir program_folder();

// The ten category keys in listing order.
const QStringList& category_keys();

struct SequenceFile {
    QList<QStringList> records;  // five fields each, quotes removed
    bool crlfOnly = true;  // every line ends in CR LF, and nothing else does
};

// Parses "a,b,\"c, d\",e,f\r\n" lines: a quoted field runs to its closing
// quote (commas included); unquoted fields are trimmed at the front.
SequenceFile read_sequence_file(const QString& path);

struct WavInfo {
    int format = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0;
    double peak = 0;  // 0..1 of full scale
};

// Throws std::runtime_error if the file is missing or not RIFF/WAVE.
WavInfo read_wav_info(const QString& path);
