#include "library_builder.h"

#include "backdrop_pictures.h"
#include "clip_encoder.h"
#include "clip_sound.h"
#include "hand_picture.h"
#include "jpeg_writer.h"
#include "library/label_card.h"
#include "library/spoken_name.h"
#include "program_pictures.h"
#include "program_sounds.h"
#include "scene_renderer.h"

#include <QCryptographicHash>
#include <stdexcept>

namespace {

constexpr int PictureQuality = 92;
// The hand and its mask are combined bit by bit; only near-lossless
// pictures keep the black around the hand black and the mask's white white.
constexpr int HandQuality = 100;
// The subject's picture on its label card.
constexpr int LabelPictureSize = 62;

uint64_t seed_for(const QString& name)
{
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1);
    uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = (seed << 8) | uint8_t(digest[i]);
    return seed;
}

int frame_count(double seconds)
{
    return int(std::lround(seconds * FramesPerSecond));
}

double frame_time(int i)
{
    return double(i) / FramesPerSecond;
}

// Stills are taken from the encoded clip, so they show exactly what a player shows.
void write_end_stills(const QDir& folder, const QString& name)
{
    const EndFrames ends = decode_end_frames(folder.filePath(name + ".mpg"));
    write_jpeg(ends.first, folder.filePath(name + "_first.jpg"), PictureQuality);
    write_jpeg(ends.last, folder.filePath(name + "_last.jpg"), PictureQuality);
}

// Spoken by the synthesiser the way the clip tools speak a title.
void speak_to_file(const QString& text, const QString& wavPath)
{
    const QString problem = make_spoken_name(text, QString(), wavPath);
    if (!problem.isEmpty())
        throw std::runtime_error((wavPath + ": " + problem).toStdString());
}

void save_image(const QImage& image, const QString& path, const char* format)
{
    if (!image.save(path, format))
        throw std::runtime_error((path + ": cannot be written").toStdString());
}

}  // namespace

void build_clip(const ClipScene& scene, const QDir& folder)
{
    const int frames = frame_count(scene.seconds);
    const Sound track = synthesise(scene.sound, frames / double(FramesPerSecond), seed_for(scene.name));
    encode_clip(
        folder.filePath(scene.name + ".mpg"), frames,
        [&](int i) { return render_frame(scene, frame_time(i)); }, track);
    write_end_stills(folder, scene.name);
    write_jpeg(make_label_card(scene.word, render_subject(scene.actors.at(scene.subject), LabelPictureSize)),
               folder.filePath(scene.name + ".jpg"), PictureQuality);
    speak_to_file(scene.title, folder.filePath(scene.name + ".wav"));
}

void build_program_media(const QDir& folder)
{
    write_jpeg(make_tv_backdrop(), folder.filePath("aobj_tv.jpg"), PictureQuality);
    write_jpeg(make_theater_backdrop(), folder.filePath("aobj_thr.jpg"), PictureQuality);
    write_jpeg(make_hand_picture(), folder.filePath("aobj_hnd.jpg"), HandQuality);
    write_jpeg(make_title_banner(), folder.filePath("aobj_log.jpg"), PictureQuality);
    write_jpeg(make_calibration_card(), folder.filePath("aobj_cal.jpg"), PictureQuality);
    save_image(make_blank_pointer(), folder.filePath("aobj_nul.ico"), "ICO");

    write_wav(folder.filePath("aobj_gong.wav"), make_gong());
    write_wav(folder.filePath("aobj_clk.wav"), make_click());
    speak_to_file("Press the switch!", folder.filePath("aobj_prs.wav"));

    constexpr double timerSeconds = 5;
    const int frames = frame_count(timerSeconds);
    encode_clip(
        folder.filePath("timer.mpg"), frames, [](int i) { return make_timer_frame(frame_time(i)); },
        make_timer_track(timerSeconds));
}
