// The data that describes one demo clip: where it happens, what moves, what
// it sounds like, and how the clip is listed.
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// Painted surroundings of a scene; the painter also receives the time, so a
// setting may move (waves, a spinning drum).
// Laid out by hand as a table.
// clang-format off
enum class Setting {
    Garden, WashingLine, Road, Rails, Kitchen, LivingRoom, Fireside, Bathroom, Bedroom, Hallway,
    Laundry, Sea, Pond, Snow, Sky, Farm, RainyWindow, Town, Aquarium, Table, Park
};
// clang-format on

// How an actor moves on top of its path.
enum class Move {
    Still,
    Hop,  // bounces: amount = height in pixels
    Bob,  // floats up and down: amount = pixels
    Sway,  // tilts to and fro: amount = degrees
    Spin,  // turns round: amount = degrees per second
    Ring,  // shakes in bursts like a ringing bell: amount = degrees
    Pulse,  // grows and shrinks: amount = fraction of its size
    Flutter,  // wanders in loops like a butterfly: amount = pixels
    Stir,  // circles round its place: amount = radius in pixels
    Scrub  // rubs left and right: amount = pixels
};

// How the actor goes from `from` to `to` over the clip.
enum class Path {
    Glide,  // eases along the whole clip
    Drop  // waits, then falls under gravity and settles with a small bounce
};

// Something drawn by code because no emoji picture fits.
enum class Shape { None, WashingMachine, Hook, Kettle, Doorway, Door, Clock, Toaster, Candle };

inline constexpr double Forever = 1e9;

struct Actor {
    QString glyph;  // an emoji, or empty when `shape` is drawn
    Shape shape = Shape::None;
    QPointF from;  // centre, in pixels of the 352 x 240 frame
    QPointF to;  // end of the path; equal to `from` to stay put
    double setOff = 0;  // seconds into the clip when a Glide starts
    double arrive = Forever;  // when a Glide ends; past the clip's end means at its end
    double endScale = 1;  // size at the end of a Glide, relative to `size`
    double shownFrom = 0;  // pops into view at this time
    double shownUntil = Forever;  // pops out of view at this time
    double size = 60;  // height in pixels
    Move move = Move::Still;
    double amount = 0;
    double period = 1;  // seconds per cycle of `move`
    bool mirrored = false;  // faces the other way
    Path path = Path::Glide;
    double dropAt = 0;  // seconds into the clip when a Drop starts
    double pivot = 0;  // turning point up the middle: -1 top, 0 centre, 1 bottom
};

enum class Effect { Rain, Snow, Steam, Smoke, Bubbles, Sparkles, Spray, Sleep, Notes, Leaves, Popcorn };

struct Emitter {
    Effect kind;
    QPointF origin;  // pixels; relative to the actor's centre when actor >= 0
    int actor = -1;  // index of the actor it follows, or -1
    double rate = 4;  // particles per second
    QRectF area;  // particles show only here; empty for the whole frame
    double from = -Forever;  // particles are born only from this time (by default
    double until = Forever;  // also before the clip, so it opens busy) to this time
};

enum class Voice {
    Birds,
    Bark,
    Meow,
    Purr,
    Quack,
    Water,
    Rain,
    Wind,
    Bubbles,
    Engine,
    Chuff,
    Ticks,
    Ring,
    Bell,
    Tune,
    Sizzle,
    Crackle,
    Knock,
    Brush,
    Splash,
    Drum,
    Siren,
    Whistle,
    Clink,
    Waves,
    Gulls,
    Whoosh,
    Moo,
    Thud,
    Snore,
    Hiss,
    Heartbeat,
    Cluck,
    Sneeze,
    Pop
};

struct SoundLayer {
    Voice voice;
    double level = 1;  // relative loudness in the mix
    double rate = 1;  // events or cycles per second, where it applies
    double pitch = 1;  // multiplies the voice's natural pitch
    double at = 0;  // start time in seconds: nothing sounds before it
    double until = Forever;  // and nothing after this
};

struct ClipScene {
    QString name;  // base name of the clip's files
    QString category;  // the category key it is listed under
    QString title;  // shown in the clip listing and spoken
    QString word;  // printed on the label card
    QString description;  // free text kept in the sequence files
    double seconds = 6;
    Setting setting = Setting::Garden;
    QList<Actor> actors;  // drawn back to front
    int subject = 0;  // the actor shown on the label card
    QList<Emitter> effects;
    QList<SoundLayer> sound;
    double lightsOn = -1;  // the room goes from dark to light at this time; < 0: never
    double lightsOff = -1;  // and from light to dark
};

inline constexpr int FrameWidth = 352;
inline constexpr int FrameHeight = 240;
inline constexpr int FramesPerSecond = 25;
