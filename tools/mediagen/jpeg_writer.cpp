#include "jpeg_writer.h"

#include <cstdio>
#include <jpeglib.h>
#include <stdexcept>

void write_jpeg(const QImage& image, const QString& path, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (!file)
        throw std::runtime_error((path + ": cannot be written").toStdString());
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    for (int c = 0; c < 3; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < rgb.height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(y));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    if (std::fclose(file) != 0)
        throw std::runtime_error((path + ": cannot be written").toStdString());
}
