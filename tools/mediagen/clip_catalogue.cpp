#include "clip_catalogue.h"

namespace {

// Terse builders so that each scene below reads as one short description.
struct A : Actor {
    A(const char* emoji, double x, double y, double height)
    {
        glyph = QString::fromUtf8(emoji);
        from = to = QPointF(x, y);
        size = height;
    }
    A(Shape drawn, double x, double y, double height)
        : A("", x, y, height)
    {
        shape = drawn;
    }
    A& does(Move m, double amt, double per)
    {
        move = m;
        amount = amt;
        period = per;
        return *this;
    }
    A& towards(double x, double y)
    {
        to = QPointF(x, y);
        return *this;
    }
    A& drops(double at, double x, double y)
    {
        path = Path::Drop;
        dropAt = at;
        return towards(x, y);
    }
    A& flipped()
    {
        mirrored = true;
        return *this;
    }
    A& turning_at(double where)
    {
        pivot = where;
        return *this;
    }
    // Glides only between these times instead of over the whole clip.
    A& during(double start, double end)
    {
        setOff = start;
        arrive = end;
        return *this;
    }
    A& grows(double scale)
    {
        endScale = scale;
        return *this;
    }
    A& shown(double from, double until = Forever)
    {
        shownFrom = from;
        shownUntil = until;
        return *this;
    }
};

Emitter at_actor(Effect kind, int actor, double dx, double dy, double rate)
{
    return Emitter{kind, QPointF(dx, dy), actor, rate, QRectF()};
}

Emitter over(Effect kind, double rate, QRectF area = QRectF())
{
    return Emitter{kind, QPointF(), -1, rate, area};
}

Emitter between(Emitter e, double from, double until = Forever)
{
    e.from = from;
    e.until = until;
    return e;
}

SoundLayer sound(Voice v, double level = 1, double rate = 1, double pitch = 1, double at = 0,
                 double until = Forever)
{
    return SoundLayer{v, level, rate, pitch, at, until};
}

// One sound at `at` only.
SoundLayer once(Voice v, double at, double level = 1, double pitch = 1)
{
    return SoundLayer{v, level, 0, pitch, at, Forever};
}

// Laid out by hand as a table.
// clang-format off
QList<ClipScene> build()
{
    // Every clip answers the press at once: within its first second something
    // large arrives, moves, appears or changes, and the clip ends on a picture
    // that shows what happened.
    QList<ClipScene> c;
    // ---- animals
    c.append({"dog_garden", "animals", "Dog in the garden", "dog", "A puppy runs after its ball", 6,
              Setting::Garden,
              {A("🐕", 60, 182, 74).towards(250, 182).during(0, 2.5).does(Move::Hop, 22, 0.55).flipped(),
               A("⚽", 200, 204, 32).towards(320, 206).during(0.1, 1.4).does(Move::Spin, 500, 1),
               A("🦋", 290, 78, 26).does(Move::Flutter, 18, 3)},
              0, {},
              {sound(Voice::Birds, 0.45, 1.2), once(Voice::Thud, 0.1, 0.5, 1.8), sound(Voice::Bark, 1, 0.4, 1, 0.6)}});
    c.append({"cat_sofa", "animals", "Cat on the sofa", "cat", "A cat jumps up onto the sofa", 6,
              Setting::LivingRoom,
              {A("🐈", 60, 200, 74).towards(205, 126).during(0.1, 0.8).does(Move::Bob, 1.5, 0.8).flipped(),
               A("🧶", 110, 216, 32).towards(300, 216).during(0.2, 2.5).does(Move::Spin, 160, 1)},
              0, {},
              {sound(Voice::Purr, 0.5, 1, 1, 1.0), once(Voice::Thud, 0.8, 0.4, 1.5), sound(Voice::Meow, 1, 0.33, 1, 1.1)}});
    c.append({"duck_pond", "animals", "Duck on the pond", "duck", "A duck and her ducklings swim across the pond", 6,
              Setting::Pond,
              {A("🦆", 60, 180, 68).towards(235, 184).during(0, 2.2).does(Move::Bob, 3, 1.6).flipped(),
               A("🐥", -10, 192, 30).towards(180, 194).during(0.2, 2.9).does(Move::Bob, 2, 1.2).flipped(),
               A("🐥", -50, 194, 28).towards(140, 196).during(0.4, 3.2).does(Move::Bob, 2, 1.1).flipped()},
              0, {},
              {sound(Voice::Water, 0.35), sound(Voice::Quack, 1, 0.5, 1, 0.4), sound(Voice::Birds, 0.3, 0.8, 1.3)}});
    c.append({"fish_tank", "animals", "Fish in the tank", "fish", "Two fish swim among the bubbles", 6,
              Setting::Aquarium,
              {A("🐠", 50, 100, 64).towards(250, 92).during(0, 3).does(Move::Bob, 6, 2).flipped(),
               A("🐟", 320, 168, 44).towards(150, 160).during(0, 3.5).does(Move::Bob, 4, 1.7)},
              0, {Emitter{Effect::Bubbles, QPointF(300, 212), -1, 4, QRectF()}},
              {sound(Voice::Bubbles, 0.8, 4), sound(Voice::Tune, 0.35, 1.5, 0.5)}});
    c.append({"hen_egg", "animals", "Hen and egg", "hen", "The hen gets up and her egg hatches", 6,
              Setting::Farm,
              {A("🥚", 196, 200, 38).shown(0, 2.4),
               A("🐣", 196, 196, 46).shown(2.4, 3.6),
               A("🐤", 196, 196, 44).shown(3.6).does(Move::Hop, 8, 0.4),
               A("🐔", 184, 176, 90).towards(90, 178).during(0.2, 0.8).does(Move::Bob, 2, 0.5)},
              3, {},
              {sound(Voice::Cluck, 1, 0.5, 1, 0.2), once(Voice::Thud, 2.4, 0.35, 3), sound(Voice::Birds, 0.6, 2, 1.4, 2.4)}});
    c.append({"bird_tree", "animals", "Bird in the tree", "bird", "Two birds fly into the tree", 6,
              Setting::Garden,
              {A("🌳", 200, 112, 170),
               A("🐦", -30, 20, 70).towards(222, 58).during(0, 1.0).flipped(),
               A("🐦", 390, 10, 60).towards(170, 76).during(0.4, 1.5)},
              1, {},
              {sound(Voice::Whoosh, 0.4, 1, 1.4, 0, 1.0), sound(Voice::Birds, 1, 2, 1, 0.9)}});
    // ---- appliances
    c.append({"washing_machine", "appliances", "Washing machine", "washing machine",
              "The clothes go in and the drum turns round", 6, Setting::Laundry,
              {A(Shape::WashingMachine, 170, 138, 120).does(Move::Ring, 1.2, 1.0),
               A("🧺", 290, 190, 50),
               A("👕", 290, 156, 60).towards(170, 148).during(0.05, 0.6).grows(0.3).shown(0, 0.65),
               A("🧦", 310, 166, 48).towards(170, 148).during(0.3, 0.85).grows(0.3).shown(0, 0.9)},
              0, {between(at_actor(Effect::Bubbles, 0, 0, 0, 6), 1.0)},
              {sound(Voice::Drum, 1, 1.2, 1, 0.9), sound(Voice::Water, 0.25, 1, 1, 0.9), once(Voice::Thud, 0.6, 0.5, 1.4)}});
    c.append({"alarm_clock", "appliances", "Alarm clock ringing", "alarm clock", "Ring ring, time to get up!", 5,
              Setting::Bedroom,
              {A("⏰", 176, 166, 90).does(Move::Ring, 10, 1.6)},
              0, {},
              {sound(Voice::Ring, 0.8, 1 / 1.6, 1.4), sound(Voice::Ticks, 0.25, 2)}, 0.5});
    c.append({"telephone_ring", "appliances", "Telephone ringing", "telephone", "Ring ring, a girl runs to answer", 6,
              Setting::Table,
              {A("☎️", 210, 124, 84).does(Move::Ring, 7, 2.5),
               A("👧", -50, 146, 92).towards(100, 140).during(0, 0.9),
               A("💬", 150, 66, 46).shown(1.6)},
              0, {},
              {sound(Voice::Ring, 0.8, 1 / 2.5, 1, 0, 1.5), sound(Voice::Tune, 0.4, 3, 1.2, 1.6, 2.6)}});
    c.append({"radio_music", "appliances", "Radio playing music", "radio", "Music on the radio, time to dance", 6,
              Setting::Table,
              {A("📻", 110, 118, 92).does(Move::Pulse, 0.04, 0.5),
               A("💃", 410, 146, 100).towards(250, 140).during(0.2, 1.0).does(Move::Sway, 8, 0.8).turning_at(1)},
              0, {between(at_actor(Effect::Notes, 0, 30, -40, 3), 0.2)},
              {sound(Voice::Tune, 1, 3, 1, 0.2)}});
    c.append({"lamp_light", "appliances", "Light on", "light", "Click! The light comes on", 5,
              Setting::LivingRoom,
              {A("💡", 176, 60, 70).does(Move::Pulse, 0.05, 1)},
              0, {between(at_actor(Effect::Sparkles, 0, 0, 0, 6), 0.5)},
              {once(Voice::Thud, 0.4, 0.7, 4), sound(Voice::Tune, 0.5, 2.5, 1.2, 0.7)}, 0.4});
    c.append({"toaster", "appliances", "Toast popping up", "toaster", "Pop! The toast is ready", 6,
              Setting::Kitchen,
              {A("🍞", 176, 150, 72).towards(176, 78).during(0.5, 0.7),
               A(Shape::Toaster, 176, 172, 110),
               A("🧈", 290, 196, 40).shown(2.5)},
              1, {between(at_actor(Effect::Steam, 0, 0, -30, 4), 0.8)},
              {sound(Voice::Ticks, 0.5, 8, 1, 0, 0.5), once(Voice::Thud, 0.5, 0.5, 2), once(Voice::Bell, 0.55, 0.35, 1.2),
               sound(Voice::Tune, 0.45, 2, 1, 1.2)}});
    // ---- clothing
    c.append({"coat_hook", "clothing", "Coat on a hook", "coat", "A coat is hung on its hook", 6,
              Setting::Hallway,
              {A("🧥", 40, 300, 100).towards(130, 108).during(0.05, 0.7).does(Move::Sway, 4, 3).turning_at(-1),
               A(Shape::Hook, 130, 66, 100),
               A("👢", 200, 206, 40)},
              0, {},
              {sound(Voice::Whoosh, 0.5, 1, 1.2, 0, 0.7), once(Voice::Thud, 0.7, 0.6, 1.6), sound(Voice::Tune, 0.3, 1.5, 1, 1.2)}});
    c.append({"socks_line", "clothing", "Socks on the washing line", "socks", "Socks, a shirt and a dress are pegged out", 6,
              Setting::WashingLine,
              {A("🧦", 100, 68, 60).shown(0.1).does(Move::Sway, 10, 1.8).turning_at(-1),
               A("👕", 186, 74, 72).shown(0.35).does(Move::Sway, 7, 2.2).turning_at(-1),
               A("👗", 272, 76, 72).shown(0.6).does(Move::Sway, 6, 2).turning_at(-1)},
              0, {},
              {sound(Voice::Wind, 0.6), sound(Voice::Thud, 0.6, 4, 3, 0.1, 0.7), sound(Voice::Birds, 0.4, 1)}});
    c.append({"rain_boots", "clothing", "Boots in the rain", "boots", "Boots stomp and splash in the rain", 6,
              Setting::Park,
              {A("👢", 20, 192, 68).towards(150, 192).during(0, 1.2).does(Move::Hop, 12, 0.5),
               A("👢", -30, 192, 68).towards(205, 192).during(0.1, 1.4).does(Move::Hop, 12, 0.5).flipped()},
              0, {over(Effect::Rain, 45), between(at_actor(Effect::Spray, 0, 0, 30, 30), 1.2, 3.0)},
              {sound(Voice::Rain, 0.6), sound(Voice::Splash, 0.8, 2, 1, 0.5)}});
    c.append({"shoes_door", "clothing", "Shoes by the door", "shoes", "Shoes walk to the door, ready to go out", 6,
              Setting::Hallway,
              {A("👟", 40, 196, 56).towards(250, 196).during(0, 2.2).does(Move::Hop, 10, 0.4),
               A("👞", -10, 198, 52).towards(305, 198).during(0.2, 2.4).does(Move::Hop, 8, 0.45)},
              0, {},
              {sound(Voice::Thud, 0.6, 2.5, 2, 0, 2.4), sound(Voice::Tune, 0.6, 2.5, 0.75, 0.2)}});
    c.append({"sun_hat", "clothing", "Sun hat", "hat", "A sun hat lands on my head", 6,
              Setting::Sea,
              {A("🧒", 176, 160, 100), A("👒", 176, -40, 76).drops(0.1, 176, 104)},
              1, {between(at_actor(Effect::Sparkles, 1, 0, 0, 5), 0.9, 2.5)},
              {sound(Voice::Waves, 0.5), once(Voice::Thud, 0.8, 0.6, 1.5), sound(Voice::Gulls, 0.4, 0.3, 1, 1.2)}});
    c.append({"sunglasses", "clothing", "Sunglasses", "sunglasses", "Sunglasses for a sunny day", 6,
              Setting::Park,
              {A("🙂", 176, 140, 110), A("🕶️", 176, -30, 50).towards(176, 128).during(0.05, 0.6)},
              1, {between(at_actor(Effect::Sparkles, 1, 0, 0, 6), 0.6, 2)},
              {sound(Voice::Whoosh, 0.5, 1, 1.3, 0, 0.6), sound(Voice::Tune, 0.8, 3, 1.2, 0.6), sound(Voice::Birds, 0.3, 0.8)}});
    // ---- food
    c.append({"apple_tree", "food", "Apples falling from the tree", "apple", "Three apples drop onto the grass", 6,
              Setting::Garden,
              {A("🌳", 176, 112, 170), A("🍎", 140, 70, 36).drops(0.1, 130, 205),
               A("🍎", 200, 84, 36).drops(0.4, 210, 208), A("🍎", 236, 62, 36).drops(0.7, 262, 204)},
              1, {},
              {sound(Voice::Birds, 0.8, 1.5), once(Voice::Thud, 0.77, 0.7), once(Voice::Thud, 1.04, 0.7), once(Voice::Thud, 1.39, 0.7)}});
    c.append({"hot_pizza", "food", "Hot pizza", "pizza", "A hot pizza fresh from the oven", 6,
              Setting::Table,
              {A("🍕", 440, 166, 112).towards(176, 166).during(0, 0.7)},
              0, {between(at_actor(Effect::Steam, 0, -12, -36, 6), 0.5), between(at_actor(Effect::Steam, 0, 16, -30, 5), 0.6)},
              {sound(Voice::Whoosh, 0.5, 1, 1, 0, 0.7), sound(Voice::Sizzle, 0.35, 1, 1, 0.6), sound(Voice::Tune, 0.4, 2, 1, 0.8)}});
    c.append({"ice_cream", "food", "Ice cream cone", "ice cream", "An ice cream with a cherry on top", 6,
              Setting::Park,
              {A("🍦", 176, 330, 120).towards(176, 136).during(0, 0.6).does(Move::Sway, 4, 2).turning_at(1),
               A("🍒", 180, -30, 40).drops(1.6, 180, 76)},
              0, {between(at_actor(Effect::Sparkles, 0, 0, -20, 5), 0.7)},
              {sound(Voice::Tune, 0.8, 4, 1.5, 0.2), once(Voice::Thud, 2.2, 0.4, 2.5), sound(Voice::Birds, 0.3, 0.8)}});
    c.append({"birthday_cake", "food", "Birthday cake", "cake", "The candles are lit, then blown out", 6,
              Setting::Table,
              {A("🎈", 60, 300, 76).towards(60, 74).during(0, 1.2).does(Move::Sway, 6, 2).turning_at(1),
               A("🎈", 296, 310, 68).towards(296, 84).during(0.1, 1.4).does(Move::Sway, 6, 2.4).turning_at(1),
               A("🎂", 176, 168, 112),
               A(Shape::Candle, 150, 96, 36), A(Shape::Candle, 176, 92, 36), A(Shape::Candle, 202, 96, 36),
               A("🔥", 150, 70, 20).shown(0.3, 3.2).does(Move::Pulse, 0.12, 0.4),
               A("🔥", 176, 66, 20).shown(0.4, 3.2).does(Move::Pulse, 0.12, 0.45),
               A("🔥", 202, 70, 20).shown(0.5, 3.2).does(Move::Pulse, 0.12, 0.5)},
              2, {between(at_actor(Effect::Smoke, 4, 0, -2, 5), 3.2, 4.2), between(at_actor(Effect::Smoke, 5, 0, -2, 5), 3.2, 4.2),
                  between(at_actor(Effect::Smoke, 6, 0, -2, 5), 3.2, 4.2)},
              {sound(Voice::Tune, 1, 3, 1, 0.3, 3.0), sound(Voice::Whoosh, 0.8, 1, 1, 3.0, 3.5), sound(Voice::Bell, 0.5, 0, 1.2, 3.7)}});
    c.append({"popcorn", "food", "Popcorn", "popcorn", "Pop pop pop, the popcorn fills up", 6,
              Setting::Table,
              {A("🍿", 176, 170, 90).during(0.1, 2.5).grows(1.5).turning_at(1)},
              0, {between(at_actor(Effect::Popcorn, 0, 0, -36, 26), 0.1, 4.5)},
              {sound(Voice::Pop, 0.8, 12, 1, 0.2, 4.5), sound(Voice::Tune, 0.5, 2, 1, 0.3)}});
    c.append({"sandwich", "food", "Making a sandwich", "bread", "Bread, cheese, tomato and bread", 6,
              Setting::Table,
              {A("🍽️", 176, 196, 90), A("🍞", 176, -40, 72).drops(0.05, 176, 172),
               A("🧀", 176, -40, 58).drops(0.55, 176, 148), A("🍅", 176, -40, 44).drops(1.05, 176, 130),
               A("🍞", 176, -40, 72).drops(1.55, 176, 116)},
              4, {},
              {once(Voice::Thud, 0.89, 0.8, 1.3), once(Voice::Thud, 1.36, 0.8, 1.5), once(Voice::Thud, 1.83, 0.8, 1.7),
               once(Voice::Thud, 2.3, 0.8, 1.3), sound(Voice::Tune, 0.5, 3, 1, 2.6)}});
    // ---- health
    c.append({"brushing_teeth", "health", "Brushing teeth", "toothbrush", "Brush, brush, a clean tooth and a big smile", 6,
              Setting::Bathroom,
              {A("🦷", 136, 140, 96).does(Move::Scrub, 5, 0.4), A("🪥", 420, 140, 100).towards(214, 140).during(0, 0.6).does(Move::Scrub, 18, 0.4),
               A("😁", 278, 62, 76).shown(0.7)},
              1, {between(at_actor(Effect::Bubbles, 0, 20, -10, 5), 0.6, 3.4), between(at_actor(Effect::Sparkles, 0, 0, 0, 6), 3.5)},
              {sound(Voice::Brush, 1, 5, 1, 0.6, 3.4), sound(Voice::Water, 0.15), once(Voice::Bell, 3.5, 0.5, 1.3)}});
    c.append({"washing_hands", "health", "Washing hands", "wash hands", "Wash, wash, clean hands", 6,
              Setting::Bathroom,
              {A("🚰", 176, 70, 62), A("🧼", 290, 204, 40),
               A("🙌", 176, 330, 104).towards(176, 170).during(0, 0.6).does(Move::Scrub, 8, 0.6)},
              2, {between(over(Effect::Rain, 500, QRectF(166, 100, 20, 62)), 0.3, 4.5),
                  between(at_actor(Effect::Bubbles, 2, 0, -20, 8), 1.0, 4.5), between(at_actor(Effect::Sparkles, 2, 0, 0, 6), 4.6)},
              {sound(Voice::Water, 1, 1, 1, 0.3, 4.6), sound(Voice::Bubbles, 0.3, 3, 1, 1.0, 4.5), once(Voice::Bell, 4.7, 0.4, 1.4)}});
    c.append({"bath_time", "health", "Bath time", "bath", "Up from the bubbles, and here comes the duck", 6,
              Setting::Bathroom,
              {A("🧒", 176, 160, 80).shown(0.1).towards(176, 116).during(0.1, 0.7), A("🛁", 176, 168, 130),
               A("🐤", 240, -20, 40).drops(0.8, 240, 124)},
              1, {at_actor(Effect::Bubbles, 1, 0, -40, 8)},
              {sound(Voice::Water, 0.5), sound(Voice::Splash, 0.7, 0, 1, 0.15), sound(Voice::Splash, 0.5, 0, 1.3, 1.45),
               sound(Voice::Bubbles, 0.4, 4)}});
    c.append({"time_to_sleep", "health", "Time to sleep", "sleep", "Click, lights out, time to sleep", 6,
              Setting::Bedroom,
              {A("🛌", 176, 172, 116).does(Move::Pulse, 0.02, 3)},
              0, {between(at_actor(Effect::Sleep, 0, 20, -40, 1), 0.9)},
              {once(Voice::Thud, 0.5, 0.7, 4), sound(Voice::Snore, 0.4, 0.33, 1, 1.0), sound(Voice::Tune, 0.5, 1.5, 0.75, 0.8)}, -1, 0.5});
    c.append({"sneeze", "health", "Sneezing", "sneeze", "Ah... choo! Bless you", 6,
              Setting::Park,
              {A("🙂", 176, 130, 110).shown(0, 0.85), A("🤧", 176, 130, 110).shown(0.85), A("🧻", 290, 190, 54).shown(2.0)},
              1, {between(at_actor(Effect::Spray, 1, 30, 10, 40), 0.9, 1.4)},
              {once(Voice::Sneeze, 0.35), sound(Voice::Birds, 0.3, 0.8)}});
    c.append({"running", "health", "Running in the park", "running", "Run, run, as fast as you can", 6,
              Setting::Park,
              {A("🏃", 40, 170, 104).towards(280, 170).during(0, 2.6).does(Move::Hop, 8, 0.3).flipped()},
              0, {},
              {sound(Voice::Thud, 0.6, 3.3, 1.8, 0, 2.6), sound(Voice::Birds, 0.4, 1), sound(Voice::Tune, 0.4, 2, 1.2, 3.3)}});
    // ---- house
    c.append({"knock_door", "house", "Knock at the door", "door", "Knock knock! The door opens and Grandma waves", 6,
              Setting::Hallway,
              {A(Shape::Doorway, 303, 116, 152), A("👵", 303, 102, 64), A(Shape::Door, 303, 116, 152),
               A("👋", 246, 100, 44).shown(1.1).does(Move::Sway, 20, 0.7).turning_at(1)},
              2, {},
              {once(Voice::Knock, 0.02), once(Voice::Bell, 1.1, 0.5, 0.9), sound(Voice::Birds, 0.6, 1.5, 1, 0.9)}});
    c.append({"rain_window", "house", "Rain on the window", "rain", "A cloud comes and the rain runs down the window", 6,
              Setting::RainyWindow,
              {A("☀️", 240, 56, 44).shown(0, 0.9), A("🌧️", -50, 64, 96).towards(130, 64).during(0, 0.9)},
              1, {between(over(Effect::Rain, 60, QRectF(58, 22, 236, 170)), 0.5)},
              {sound(Voice::Whoosh, 0.4, 1, 0.8, 0, 0.9), sound(Voice::Rain, 1, 1, 1, 0.5)}});
    c.append({"mantel_clock", "house", "Clock chiming", "clock", "The clock strikes and a bird pops out", 6,
              Setting::Hallway,
              {A(Shape::Clock, 130, 104, 150),
               A("🐦", 130, 34, 80).shown(0.3).towards(222, 52).during(1.5, 2.6).does(Move::Bob, 3, 0.6).flipped()},
              0, {between(at_actor(Effect::Notes, 0, 40, -60, 3), 0.3)},
              {sound(Voice::Ticks, 0.6, 2), sound(Voice::Bell, 0.5, 0.8, 0.5, 0.3, 3), sound(Voice::Birds, 0.5, 1.5, 1, 0.4)}});
    c.append({"cosy_fire", "house", "Fire in the fireplace", "fire", "The fire is lit and warms the room", 6,
              Setting::Fireside,
              {A("🔥", 176, 176, 64).shown(0.3).does(Move::Pulse, 0.08, 0.7)},
              0, {between(at_actor(Effect::Sparkles, 0, 0, -10, 3), 0.5)},
              {sound(Voice::Hiss, 0.4, 1, 1, 0.25, 0.6), sound(Voice::Crackle, 1, 1, 1, 0.3)}, 0.3});
    c.append({"tidy_up", "house", "Tidy up time", "tidy up", "The toys jump into the box", 6,
              Setting::LivingRoom,
              {A("📦", 256, 196, 84),
               A("🧸", 60, 200, 56).towards(256, 170).during(0.05, 0.55).grows(0.4).shown(0, 0.6),
               A("⚽", 116, 214, 38).towards(256, 170).during(0.35, 0.85).grows(0.4).shown(0, 0.9),
               A("🚗", 164, 212, 46).towards(256, 170).during(0.65, 1.15).grows(0.4).shown(0, 1.2)},
              0, {between(at_actor(Effect::Sparkles, 0, 0, -30, 5), 1.3, 3)},
              {once(Voice::Thud, 0.58, 0.8, 1.3), once(Voice::Thud, 0.88, 0.8, 1.5), once(Voice::Thud, 1.18, 0.8, 1.7),
               sound(Voice::Tune, 0.6, 3, 1.2, 1.4)}});
    c.append({"watering_plant", "house", "Watering the plant", "plant", "Water makes the plant grow big", 6,
              Setting::LivingRoom,
              {A("🪴", 176, 196, 66).during(0.1, 1.1).grows(1.9).turning_at(1)},
              0, {between(over(Effect::Rain, 80, QRectF(150, 0, 52, 150)), 0, 1.3)},
              {sound(Voice::Water, 0.6, 1, 1.3, 0, 1.4), sound(Voice::Tune, 0.5, 2.5, 1.2, 1.5)}});
    // ---- jobs
    c.append({"firefighter", "jobs", "Firefighter", "firefighter", "The fire engine comes and the fire is put out", 6,
              Setting::Town,
              {A("🔥", 262, 166, 64).shown(0, 3.6).does(Move::Pulse, 0.08, 0.6),
               A("🚒", -90, 196, 76).towards(72, 196).during(0, 0.9).flipped(),
               A("🧑‍🚒", 150, 170, 92).shown(1.0).does(Move::Bob, 2, 1)},
              2, {between(at_actor(Effect::Spray, 2, 30, -4, 40), 1.3, 3.7), between(Emitter{Effect::Smoke, QPointF(262, 150), -1, 4, QRectF()}, 3.5, 4.8)},
              {sound(Voice::Siren, 0.5, 1, 1, 0, 1.1), sound(Voice::Water, 0.7, 1, 1.4, 1.3, 3.7), sound(Voice::Hiss, 0.3, 1, 1, 3.5, 4.3)}});
    c.append({"chef_cooking", "jobs", "Chef cooking", "chef", "A chef cooks an egg and serves it", 6,
              Setting::Kitchen,
              {A("🧑‍🍳", -60, 112, 100).towards(110, 112).during(0, 0.8).does(Move::Bob, 2, 1),
               A("🍽️", 290, 200, 60).shown(2.6),
               A("🍳", 236, 146, 64).towards(290, 196).during(3.0, 3.6).does(Move::Scrub, 4, 0.5)},
              0, {between(at_actor(Effect::Steam, 2, 0, -20, 6), 0, 3.0)},
              {sound(Voice::Sizzle, 1, 1, 1, 0, 3.2), sound(Voice::Tune, 0.6, 2, 1, 0.8), once(Voice::Bell, 3.6, 0.3)}});
    c.append({"farmer_cow", "jobs", "Farmer and cow", "farmer", "The cow walks up to the farmer and moos", 6,
              Setting::Farm,
              {A("🧑‍🌾", 150, 170, 92).does(Move::Hop, 4, 0.9), A("🐄", 430, 188, 72).towards(270, 188).during(0, 1.2).does(Move::Bob, 2, 0.5)},
              0, {},
              {sound(Voice::Moo, 1, 0.33, 1, 1.1), sound(Voice::Thud, 0.3, 3, 1.2, 0, 1.2), sound(Voice::Birds, 0.4, 1)}});
    c.append({"doctor", "jobs", "Doctor", "doctor", "The doctor listens to my heartbeat", 6,
              Setting::Bathroom,
              {A("🧑‍⚕️", 100, 140, 104).does(Move::Bob, 2, 1.2), A("🧒", 270, 160, 84),
               A("🩺", 120, 210, 50).towards(246, 182).during(0.05, 0.7),
               A("❤️", 296, 76, 56).shown(0.8).does(Move::Pulse, 0.15, 0.8)},
              0, {},
              {sound(Voice::Heartbeat, 1, 1.25, 1, 0.8)}});
    c.append({"builder", "jobs", "Builder", "builder", "A builder builds a wall, brick by brick", 6,
              Setting::Town,
              {A("👷", 80, 168, 96).does(Move::Bob, 2, 0.8),
               A("🧱", 212, -30, 36).drops(0.05, 212, 204), A("🧱", 250, -30, 36).drops(0.35, 250, 204),
               A("🧱", 288, -30, 36).drops(0.65, 288, 204), A("🧱", 231, -30, 36).drops(0.95, 231, 170),
               A("🧱", 269, -30, 36).drops(1.25, 269, 170), A("🧱", 250, -30, 36).drops(1.55, 250, 136)},
              0, {},
              {sound(Voice::Thud, 0.8, 1 / 0.3, 1.2, 0.89, 2.5), sound(Voice::Tune, 0.4, 2.5, 1, 2.6)}});
    c.append({"police", "jobs", "Police officer", "police", "The police car arrives and the officer waves", 6,
              Setting::Road,
              {A("🚓", 30, 190, 84).towards(176, 190).during(0, 1.1).flipped(),
               A("👮", 290, 150, 90).shown(1.3).does(Move::Sway, 5, 1.5).turning_at(1)},
              1, {},
              {sound(Voice::Siren, 0.6, 1, 1, 0, 1.3), sound(Voice::Engine, 0.3, 1, 1, 0, 1.2), sound(Voice::Tune, 0.4, 2, 1, 1.5)}});
    // ---- kitchen
    c.append({"kettle_boiling", "kitchen", "Kettle boiling", "kettle", "The kettle boils and the tea is made", 6,
              Setting::Kitchen,
              {A(Shape::Kettle, 156, 112, 120).does(Move::Hop, 6, 0.25), A("🍵", 290, 144, 84).shown(3.6)},
              0, {between(at_actor(Effect::Steam, 0, 56, -22, 18), 0.05, 3.4)},
              {sound(Voice::Bubbles, 0.5, 6, 1, 0, 3.4), sound(Voice::Hiss, 0.3, 1, 1, 0.1, 3.4),
               sound(Voice::Whistle, 0.5, 1, 1, 0.6), once(Voice::Clink, 3.6, 0.6)}});
    c.append({"cup_saucer", "kitchen", "Cup, spoon and biscuits", "cup", "Tea and biscuits: stir the tea, then lift the cup", 6,
              Setting::Table,
              {A("☕", 170, 150, 90).towards(150, -70).during(2.6, 3.4),
               A("🥄", 260, -30, 74).towards(210, 108).during(0, 0.5).does(Move::Stir, 8, 0.8).shown(0, 2.5),
               A("🍪", 270, 198, 66).shown(0.3), A("🍪", 316, 186, 58).shown(0.6)},
              0, {at_actor(Effect::Steam, 0, -4, -40, 5)},
              {sound(Voice::Clink, 0.9, 2, 1, 0.5, 2.4), sound(Voice::Whoosh, 0.4, 1, 1.3, 2.6, 3.4), sound(Voice::Tune, 0.2, 1.5)}});
    c.append({"soup_pot", "kitchen", "Soup bubbling", "soup", "Carrot and tomato go in the soup", 6,
              Setting::Kitchen,
              {A("🍲", 176, 150, 100).does(Move::Pulse, 0.04, 0.5),
               A("🥕", 150, -30, 72).drops(0.05, 162, 124).shown(0, 1.0),
               A("🍅", 214, -30, 62).drops(0.35, 194, 122).shown(0, 1.3),
               A("🥣", 290, 198, 76).shown(3.0)},
              0, {at_actor(Effect::Steam, 0, 0, -30, 6), between(at_actor(Effect::Bubbles, 0, 0, -30, 10), 0.8)},
              {sound(Voice::Bubbles, 0.6, 8), once(Voice::Splash, 0.8, 0.7), once(Voice::Splash, 1.1, 0.7, 1.2), once(Voice::Clink, 3.0, 0.5)}});
    c.append({"washing_up", "kitchen", "Washing up", "washing up", "A sponge scrubs the plate clean", 6,
              Setting::Kitchen,
              {A("🍽️", 176, 128, 96).towards(300, 196).during(3.6, 4.3).grows(0.7).does(Move::Scrub, 5, 0.5),
               A("🧽", 420, 116, 84).towards(200, 116).during(0, 0.5).does(Move::Stir, 12, 0.8).shown(0, 3.5)},
              0, {between(at_actor(Effect::Bubbles, 0, 0, -10, 10), 0.4, 3.4), between(at_actor(Effect::Sparkles, 0, 0, 0, 6), 3.0, 4.0)},
              {sound(Voice::Water, 0.6, 1, 1, 0, 3.5), sound(Voice::Brush, 0.4, 2.5, 1, 0.5, 3.4), once(Voice::Bell, 3.1, 0.5, 1.3)}});
    c.append({"fruit_bowl", "kitchen", "Fruit bowl", "fruit", "Banana, apple, orange and grapes fill the bowl", 6,
              Setting::Table,
              {A("🥣", 176, 186, 110),
               A("🍌", 130, -30, 58).drops(0.05, 146, 146), A("🍎", 190, -30, 50).drops(0.3, 204, 146),
               A("🍊", 230, -30, 50).drops(0.55, 226, 132), A("🍇", 170, -30, 56).drops(0.8, 174, 124)},
              1, {},
              {once(Voice::Thud, 0.84, 0.8, 1.5), once(Voice::Thud, 1.08, 0.8, 1.7), once(Voice::Thud, 1.3, 0.8, 1.4),
               once(Voice::Thud, 1.54, 0.8, 1.6), sound(Voice::Tune, 0.5, 3, 1, 2.0)}});
    c.append({"breakfast", "kitchen", "Breakfast time", "breakfast", "Cereal, a spoon, juice and a banana", 6,
              Setting::Table,
              {A("🥣", 176, 330, 84).towards(176, 176).during(0, 0.6),
               A("🥄", 300, -30, 50).towards(232, 164).during(0.7, 1.2),
               A("🧃", 86, 164, 64).shown(1.5), A("🍌", 290, -30, 48).drops(2.0, 286, 196)},
              0, {},
              {once(Voice::Thud, 0.6, 0.5, 1.4), once(Voice::Clink, 1.2, 0.7), once(Voice::Thud, 2.87, 0.6, 1.6),
               sound(Voice::Tune, 0.5, 3, 1, 1.5)}});
    // ---- outside
    c.append({"sunflowers", "outside", "Flowers in the sun", "flowers", "Sunflowers grow tall and a butterfly comes", 6,
              Setting::Park,
              {A("🌻", 120, 168, 40).during(0, 1.2).grows(2.3).does(Move::Sway, 6, 2.6).turning_at(1),
               A("🌻", 250, 174, 34).during(0.3, 1.5).grows(2.3).does(Move::Sway, 5, 2.2).turning_at(1),
               A("🦋", -20, 80, 30).towards(260, 88).during(0.8, 4).does(Move::Flutter, 16, 2.5)},
              0, {},
              {sound(Voice::Tune, 0.6, 4, 1, 0, 1.5), sound(Voice::Birds, 1, 1.5)}});
    c.append({"umbrella_rain", "outside", "Umbrella in the rain", "umbrella", "It rains, so up goes the umbrella", 6,
              Setting::Town,
              {A("🌂", 176, 150, 100).shown(0, 0.6).turning_at(1),
               A("☔", 176, 140, 110).shown(0.6).does(Move::Sway, 5, 2).turning_at(1)},
              1, {between(over(Effect::Rain, 55), 0.2)},
              {sound(Voice::Rain, 0.9, 1, 1, 0.2), sound(Voice::Whoosh, 0.5, 1, 1.5, 0.5, 0.8)}});
    c.append({"snowman", "outside", "Snowman", "snowman", "Here is a snowman, and here is his hat", 6,
              Setting::Snow,
              {A("⛄", 176, 150, 136).shown(0.1).does(Move::Sway, 2, 3).turning_at(1),
               A("🎩", 176, -40, 50).drops(0.4, 176, 80)},
              0, {over(Effect::Snow, 10)},
              {sound(Voice::Wind, 0.5), once(Voice::Bell, 0.1, 0.4, 1.2), once(Voice::Thud, 1.05, 0.5, 2), sound(Voice::Tune, 0.4, 2, 2, 1.3)}});
    c.append({"kite_flying", "outside", "Kite in the sky", "kite", "The wind lifts the kite up high", 6,
              Setting::Park,
              {A("🪁", 80, 210, 84).towards(226, 66).during(0, 2.2).does(Move::Sway, 12, 2)},
              0, {over(Effect::Leaves, 1.2)},
              {sound(Voice::Wind, 1), sound(Voice::Birds, 0.3, 0.8)}});
    c.append({"rainbow", "outside", "Rainbow", "rainbow", "The rain stops and a rainbow comes out", 6,
              Setting::Park,
              {A("🌈", 176, 86, 120).shown(0.6)},
              0, {between(over(Effect::Rain, 55), -Forever, 0.5), between(at_actor(Effect::Sparkles, 0, 0, 0, 5), 0.7)},
              {sound(Voice::Rain, 0.9, 1, 1, 0, 0.7), sound(Voice::Tune, 0.7, 4, 1.5, 0.6)}});
    c.append({"kick_ball", "outside", "Kicking a ball", "ball", "Kick! The ball flies into the goal", 6,
              Setting::Park,
              {A("🥅", 290, 150, 96), A("🏃", 20, 176, 92).towards(96, 176).during(0, 0.45).does(Move::Hop, 6, 0.3).flipped(),
               A("⚽", 136, 210, 48).towards(290, 152).during(0.45, 1.0).grows(0.7).does(Move::Spin, 720, 1)},
              2, {between(at_actor(Effect::Sparkles, 0, 0, 0, 6), 1.0, 2.5)},
              {once(Voice::Thud, 0.45, 0.8, 1.6), once(Voice::Thud, 1.0, 0.5, 0.8), sound(Voice::Tune, 0.6, 4, 1.3, 1.1)}});
    // ---- vehicles
    c.append({"bus_road", "vehicles", "Bus on the road", "bus", "A bus drives along the road", 6,
              Setting::Road,
              {A("🚌", 60, 180, 74).towards(262, 180).during(0, 3.5).does(Move::Bob, 1, 0.3).flipped()},
              0, {},
              {sound(Voice::Engine, 1), once(Voice::Bell, 3.6, 0.4, 0.8)}});
    c.append({"steam_train", "vehicles", "Steam train", "train", "A steam train puffs along the track", 6,
              Setting::Rails,
              {A("🚂", 70, 168, 78).towards(250, 168).during(0, 3.5).does(Move::Bob, 0.8, 0.25).flipped()},
              0, {at_actor(Effect::Smoke, 0, 14, -34, 3)},
              {sound(Voice::Chuff, 1, 3), sound(Voice::Whistle, 0.4, 1, 0.55, 0.3)}});
    c.append({"sailing_boat", "vehicles", "Boat on the sea", "boat", "A sailing boat rocks on the waves", 6,
              Setting::Sea,
              {A("⛵", 90, 148, 96).towards(240, 150).during(0, 3.5).does(Move::Bob, 4, 2.2)},
              0, {},
              {sound(Voice::Waves, 1), sound(Voice::Gulls, 0.4, 0.3, 1, 0.8)}});
    c.append({"bicycle_park", "vehicles", "Bicycle in the park", "bicycle", "Ring ring, a bicycle rides through the park", 6,
              Setting::Park,
              {A("🚲", 60, 204, 74).towards(262, 204).during(0, 2.4).does(Move::Bob, 1, 0.4).flipped()},
              0, {},
              {sound(Voice::Bell, 0.8, 0.33, 1, 0.5), sound(Voice::Birds, 0.4, 1)}});
    c.append({"aeroplane", "vehicles", "Plane in the sky", "plane", "A plane takes off into the sky", 6,
              Setting::Sky,
              {A("✈️", 40, 196, 70).towards(260, 70).during(0, 3.5)},
              0, {},
              {sound(Voice::Engine, 0.6, 1, 2.5), sound(Voice::Whoosh, 0.8, 1, 1)}});
    c.append({"ambulance", "vehicles", "Ambulance", "ambulance", "The ambulance comes with its siren on", 6,
              Setting::Road,
              {A("🚑", 340, 182, 80).towards(130, 182).during(0, 2.2).does(Move::Bob, 1, 0.3)},
              0, {},
              {sound(Voice::Siren, 0.8, 1, 1, 0, 2.8), sound(Voice::Engine, 0.4, 1, 1, 0, 2.6)}});
    return c;
}
// clang-format on

}  // namespace

const QList<ClipScene>& clip_catalogue()
{
    static const QList<ClipScene> clips = build();
    return clips;
}
