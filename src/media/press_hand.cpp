#include "media/press_hand.h"

#include "media/blit.h"
#include "media/sound.h"

#include <algorithm>

namespace {
struct HandFrames {
    const BlitRect& sprite;
    const BlitRect& mask;
    const Picture& source;
    Picture& target;
    const Picture& save;
    Picture& composition;
    int rows;  // sprite height + distance

    // The hand k pixels below its rest, over what the save buffer holds.
    void draw(int k) const
    {
        const int w = sprite.width;
        blit(composition, 0, 0, w, rows, save, 0, 0, RasterOp::SrcCopy);
        blit(composition, 0, k, mask.width, mask.height, source, mask.source_x, mask.source_y,
             RasterOp::SrcAnd);
        blit(composition, 0, k, sprite.width, sprite.height, source, sprite.source_x, sprite.source_y,
             RasterOp::SrcPaint);
        blit(target, sprite.x, sprite.y, w, rows, composition, 0, 0, RasterOp::SrcCopy);
    }
};
}  // namespace

void press_hand(const BlitRect& sprite, const BlitRect& mask, int16_t /*unused*/, int16_t distance,
                const Picture& source, Picture& target, Picture& save, Picture& composition,
                const double& delay, const int16_t& increment, const QString& sound, SoundOutput& output)
{
    press_hand_paced(sprite, mask, distance, source, target, save, composition, delay, increment, sound,
                     output, kill_time);
}

void press_hand_paced(const BlitRect& sprite, const BlitRect& mask, int16_t distance, const Picture& source,
                      Picture& target, Picture& save, Picture& composition, double delay, int16_t increment,
                      const QString& sound, SoundOutput& output, const Pacer& pace)
{
    const int x0 = sprite.x, y0 = sprite.y, w0 = sprite.width, h0 = sprite.height;
    const HandFrames frames{sprite, mask, source, target, save, composition, h0 + distance};
    // A step below 1 would never reach the end of the press; the hand then
    // moves one pixel per frame, as the callers ask for anyway.
    const int step = std::max<int>(increment, 1);

    // Black where the hand rests (the box includes both corners), and below it
    // the strip of target the hand will move over.
    fill_box(save, QRect(QPoint(0, 0), QPoint(w0, h0)).normalized(), qRgb(0, 0, 0));
    blit(save, 0, h0 + 1, w0, distance, target, x0, y0 + h0 + 1, RasterOp::SrcCopy);

    for (int i = 1; i <= distance; i += step) {
        frames.draw(i);
        pace(delay);
    }
    play_sound(output, sound, QStringLiteral("DONT_LOOP"));
    int last = -1;
    for (int j = distance - 1; j >= 0; j -= step) {
        frames.draw(j);
        pace(delay);
        last = j;
    }
    // A step that does not divide the way back would leave the hand short of
    // its rest; put it there.
    if (last > 0)
        frames.draw(0);
}
