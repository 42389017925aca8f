#include "library/decoded_length.h"

#include "library/helper_program.h"

#include <algorithm>

double decoded_seconds(const QString& path)
{
    double seconds = 0;
    run_helper(QStringLiteral("ffmpeg"),
               {"-v", "quiet", "-nostats", "-i", media_file_argument(path), "-map", "0:v:0", "-f", "null",
                "-progress", "pipe:1", "-"},
               [&](const QByteArray& line) {
                   if (line.startsWith("out_time_us="))
                       seconds = std::max(seconds, line.mid(12).toDouble() / 1e6);
               });
    return seconds;
}
