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
    A(Shape drawn, double x, double y, double height) : A("", x, y, height) { shape = drawn; }
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
};

Emitter at_actor(Effect kind, int actor, double dx, double dy, double rate)
{
    return Emitter{kind, QPointF(dx, dy), actor, rate, QRectF()};
}

Emitter over(Effect kind, double rate, QRectF area = QRectF())
{
    return Emitter{kind, QPointF(), -1, rate, area};
}

SoundLayer sound(Voice v, double level = 1, double rate = 1, double pitch = 1, double at = 0)
{
    return SoundLayer{v, level, rate, pitch, at};
}

QList<ClipScene> build()
{
    QList<ClipScene> c;
    // ---- animals
    c.append({"dog_garden", "animals", "Dog in the garden", "dog", "A puppy hops across the lawn", 6,
              Setting::Garden,
              {A("🐕", 100, 182, 74).towards(250, 182).does(Move::Hop, 22, 0.55).flipped(),
               A("🦋", 290, 78, 26).does(Move::Flutter, 18, 3)},
              0, {},
              {sound(Voice::Birds, 0.45, 1.2), sound(Voice::Bark, 1, 0.4, 1, 0.7)}});
    c.append({"cat_sofa", "animals", "Cat on the sofa", "cat", "A cat strolls along the sofa", 6,
              Setting::LivingRoom,
              {A("🐈", 150, 128, 60).towards(225, 128).does(Move::Bob, 1.5, 0.8).flipped(),
               A("🧶", 70, 214, 30).towards(130, 214).does(Move::Spin, 90, 1)},
              0, {},
              {sound(Voice::Purr, 0.5), sound(Voice::Meow, 1, 0.33, 1, 1.0)}});
    c.append({"duck_pond", "animals", "Duck on the pond", "duck", "A duck paddles across the pond", 6,
              Setting::Pond,
              {A("🦆", 110, 180, 58).towards(235, 186).does(Move::Bob, 3, 1.6).flipped()},
              0, {},
              {sound(Voice::Water, 0.35), sound(Voice::Quack, 1, 0.5, 1, 0.6), sound(Voice::Birds, 0.3, 0.8)}});
    c.append({"fish_tank", "animals", "Fish in the tank", "fish", "Two fish swim among the bubbles", 6,
              Setting::Aquarium,
              {A("🐠", 90, 100, 62).towards(250, 92).does(Move::Bob, 6, 2).flipped(),
               A("🐟", 280, 168, 40).towards(160, 160).does(Move::Bob, 4, 1.7)},
              0, {Emitter{Effect::Bubbles, QPointF(300, 212), -1, 4, QRectF()}},
              {sound(Voice::Bubbles, 0.8, 4), sound(Voice::Tune, 0.35, 1.5, 0.5)}});
    // ---- appliances
    c.append({"washing_machine", "appliances", "Washing machine", "washing machine",
              "The drum turns round and round", 6, Setting::Laundry,
              {A(Shape::WashingMachine, 170, 138, 120).does(Move::Ring, 1.2, 1.0),
               A("🧺", 290, 190, 46)},
              0, {},
              {sound(Voice::Drum, 1, 1.2), sound(Voice::Water, 0.25)}});
    c.append({"alarm_clock", "appliances", "Alarm clock ringing", "alarm clock", "Time to get up!", 5,
              Setting::Bedroom,
              {A("⏰", 176, 166, 80).does(Move::Ring, 10, 1.6)},
              0, {},
              {sound(Voice::Ring, 0.8, 1 / 1.6, 1.4), sound(Voice::Ticks, 0.25, 2)}});
    c.append({"telephone_ring", "appliances", "Telephone ringing", "telephone", "Ring ring, who is it?", 6,
              Setting::Table,
              {A("☎️", 176, 122, 84).does(Move::Ring, 7, 2)},
              0, {},
              {sound(Voice::Ring, 0.8, 0.5)}});
    c.append({"radio_music", "appliances", "Radio playing music", "radio", "Music from the radio", 6,
              Setting::Table,
              {A("📻", 176, 118, 92).does(Move::Pulse, 0.04, 0.5)},
              0, {at_actor(Effect::Notes, 0, 30, -40, 2.5)},
              {sound(Voice::Tune, 1, 3)}});
    // ---- clothing
    c.append({"coat_hook", "clothing", "Coat on a hook", "coat", "A coat swings gently on its hook", 6,
              Setting::Hallway,
              {A("🧥", 130, 108, 100).does(Move::Sway, 4, 3).turning_at(-1),
               A(Shape::Hook, 130, 66, 100),
               A("👢", 200, 206, 40)},
              0, {},
              {sound(Voice::Wind, 0.3), sound(Voice::Ticks, 0.5, 2)}});
    c.append({"socks_line", "clothing", "Socks on the washing line", "socks", "Socks and a shirt dry in the wind", 6,
              Setting::WashingLine,
              {A("🧦", 130, 62, 46).does(Move::Sway, 10, 1.8).turning_at(-1),
               A("👕", 215, 67, 56).does(Move::Sway, 7, 2.2).turning_at(-1)},
              0, {},
              {sound(Voice::Wind, 0.6), sound(Voice::Birds, 0.5, 1)}});
    c.append({"rain_boots", "clothing", "Boots in the rain", "boots", "Boots splash in the puddles", 6,
              Setting::Park,
              {A("👢", 150, 192, 66).does(Move::Hop, 10, 0.5),
               A("👢", 205, 192, 66).does(Move::Hop, 10, 0.5).flipped()},
              0, {over(Effect::Rain, 45)},
              {sound(Voice::Rain, 0.6), sound(Voice::Splash, 0.8, 2, 1, 0.5)}});
    c.append({"shoes_door", "clothing", "Shoes by the door", "shoes", "Shoes ready to go out", 6,
              Setting::Hallway,
              {A("👟", 100, 196, 52).does(Move::Hop, 8, 0.8),
               A("👞", 190, 198, 48).does(Move::Hop, 6, 1.1)},
              0, {},
              {sound(Voice::Tune, 0.7, 2.5, 0.75)}});
    // ---- food
    c.append({"apple_tree", "food", "Apple falling from the tree", "apple", "An apple drops onto the grass", 6,
              Setting::Garden,
              {A("🌳", 176, 112, 170), A("🍎", 200, 80, 30).drops(2.0, 205, 205)},
              1, {},
              {sound(Voice::Birds, 0.6, 1.2), sound(Voice::Thud, 1, 0, 1, 2.65)}});
    c.append({"hot_pizza", "food", "Hot pizza", "pizza", "A hot pizza fresh from the oven", 6,
              Setting::Table,
              {A("🍕", 176, 168, 92).does(Move::Pulse, 0.03, 1.5)},
              0, {at_actor(Effect::Steam, 0, -12, -36, 5), at_actor(Effect::Steam, 0, 16, -30, 4)},
              {sound(Voice::Sizzle, 0.35), sound(Voice::Tune, 0.4, 2)}});
    c.append({"ice_cream", "food", "Ice cream cone", "ice cream", "A sparkling ice cream cone", 6,
              Setting::Park,
              {A("🍦", 176, 140, 104).does(Move::Sway, 5, 2).turning_at(1)},
              0, {at_actor(Effect::Sparkles, 0, 0, -20, 4)},
              {sound(Voice::Tune, 0.8, 4, 1.5), sound(Voice::Birds, 0.3, 0.8)}});
    c.append({"birthday_cake", "food", "Birthday cake", "cake", "Candles glow on a birthday cake", 6,
              Setting::Table,
              {A("🎂", 176, 150, 104).does(Move::Pulse, 0.03, 1.2)},
              0, {at_actor(Effect::Sparkles, 0, 0, -50, 5)},
              {sound(Voice::Tune, 1, 3), sound(Voice::Bell, 0.3, 0, 1.2, 0.2)}});
    // ---- health
    c.append({"brushing_teeth", "health", "Brushing teeth", "toothbrush", "A toothbrush scrubs a tooth clean", 6,
              Setting::Bathroom,
              {A("🦷", 140, 140, 86), A("🪥", 205, 140, 78).does(Move::Scrub, 18, 0.4)},
              1, {at_actor(Effect::Bubbles, 0, 20, -10, 3)},
              {sound(Voice::Brush, 1, 5), sound(Voice::Water, 0.15)}});
    c.append({"washing_hands", "health", "Washing hands", "wash hands", "Soap and water for clean hands", 6,
              Setting::Bathroom,
              {A("🚰", 176, 70, 62), A("🧼", 176, 176, 66).does(Move::Scrub, 10, 0.7)},
              1, {over(Effect::Rain, 500, QRectF(166, 100, 20, 62)), at_actor(Effect::Bubbles, 1, 0, -20, 6)},
              {sound(Voice::Water, 1), sound(Voice::Bubbles, 0.3, 3)}});
    c.append({"bath_time", "health", "Bath time", "bath", "Bubbles and a little duck in the bath", 6,
              Setting::Bathroom,
              {A("🛁", 176, 168, 120), A("🐤", 150, 128, 34).towards(200, 128).does(Move::Bob, 3, 1.5).flipped()},
              0, {at_actor(Effect::Bubbles, 0, 0, -40, 6)},
              {sound(Voice::Water, 0.5), sound(Voice::Bubbles, 0.5, 4), sound(Voice::Splash, 0.4, 0.3, 1, 1.0)}});
    c.append({"time_to_sleep", "health", "Time to sleep", "sleep", "Sleeping snugly in bed", 6,
              Setting::Bedroom,
              {A("🛌", 176, 172, 112).does(Move::Pulse, 0.02, 3)},
              0, {at_actor(Effect::Sleep, 0, 20, -40, 0.8)},
              {sound(Voice::Snore, 0.4, 0.33), sound(Voice::Tune, 0.5, 1.5, 0.75)}});
    // ---- house
    c.append({"knock_door", "house", "Knock at the door", "door", "Knock knock, someone is here", 6,
              Setting::Hallway,
              {A("🚪", 303, 116, 152).does(Move::Ring, 1.2, 2)},
              0, {},
              {sound(Voice::Knock, 1, 0.5, 1, 0.1)}});
    c.append({"rain_window", "house", "Rain on the window", "rain", "Rain runs down the window pane", 6,
              Setting::RainyWindow,
              {A("🌧️", 110, 56, 50).towards(150, 56)},
              0, {over(Effect::Rain, 60, QRectF(58, 22, 236, 170))},
              {sound(Voice::Rain, 1)}});
    c.append({"mantel_clock", "house", "Clock ticking", "clock", "A clock ticks on the shelf", 6,
              Setting::Fireside,
              {A("🕰️", 176, 62, 52).does(Move::Sway, 2, 1).turning_at(1), A("🪴", 110, 70, 34)},
              0, {},
              {sound(Voice::Ticks, 1, 2), sound(Voice::Bell, 0.3, 0, 0.5, 0.3)}});
    c.append({"cosy_fire", "house", "Fire in the fireplace", "fire", "A warm fire crackles", 6,
              Setting::Fireside,
              {A("🔥", 176, 178, 56).does(Move::Pulse, 0.08, 0.7)},
              0, {at_actor(Effect::Sparkles, 0, 0, -10, 3)},
              {sound(Voice::Crackle, 1)}});
    // ---- jobs
    c.append({"firefighter", "jobs", "Firefighter", "firefighter", "A firefighter sprays water from the hose", 6,
              Setting::Town,
              {A("🚒", 270, 190, 76), A("🧑‍🚒", 110, 168, 92).does(Move::Bob, 2, 1)},
              1, {at_actor(Effect::Spray, 1, 30, -4, 40)},
              {sound(Voice::Water, 0.7, 1, 1.4), sound(Voice::Siren, 0.2)}});
    c.append({"chef_cooking", "jobs", "Chef cooking", "chef", "A chef cooks eggs in a pan", 6,
              Setting::Kitchen,
              {A("🧑‍🍳", 120, 112, 96).does(Move::Bob, 2, 1), A("🍳", 235, 144, 62).does(Move::Scrub, 4, 0.5)},
              0, {at_actor(Effect::Steam, 1, 0, -20, 5)},
              {sound(Voice::Sizzle, 1)}});
    c.append({"farmer_cow", "jobs", "Farmer and cow", "farmer", "A farmer with a cow on the farm", 6,
              Setting::Farm,
              {A("🧑‍🌾", 180, 170, 92).does(Move::Hop, 4, 0.9), A("🐄", 290, 188, 62)},
              0, {},
              {sound(Voice::Moo, 1, 0.33, 1, 1.0), sound(Voice::Birds, 0.4, 1)}});
    c.append({"doctor", "jobs", "Doctor", "doctor", "A doctor listens to a heartbeat", 6,
              Setting::Bathroom,
              {A("🧑‍⚕️", 150, 138, 104).does(Move::Bob, 2, 1.2), A("❤️", 250, 96, 40).does(Move::Pulse, 0.15, 0.8)},
              0, {},
              {sound(Voice::Heartbeat, 1, 1.25)}});
    // ---- kitchen
    c.append({"kettle_boiling", "kitchen", "Kettle boiling", "kettle", "Steam puffs from the kettle", 6,
              Setting::Kitchen,
              {A(Shape::Kettle, 176, 118, 90).does(Move::Ring, 1, 0.5)},
              0, {at_actor(Effect::Steam, 0, 50, -18, 7)},
              {sound(Voice::Bubbles, 0.5, 6), sound(Voice::Hiss, 0.2), sound(Voice::Whistle, 0.35, 1, 1, 2.5)}});
    c.append({"cup_saucer", "kitchen", "Cup, saucer and spoon", "cup", "A spoon stirs a cup of tea", 6,
              Setting::Table,
              {A("☕", 170, 148, 84), A("🥄", 200, 116, 44).does(Move::Stir, 6, 1)},
              0, {at_actor(Effect::Steam, 0, -4, -38, 3)},
              {sound(Voice::Clink, 0.9, 1, 1, 0.3), sound(Voice::Tune, 0.2, 1.5)}});
    c.append({"soup_pot", "kitchen", "Soup bubbling", "soup", "A pot of soup bubbles away", 6,
              Setting::Kitchen,
              {A("🍲", 176, 132, 84).does(Move::Pulse, 0.02, 0.6)},
              0, {at_actor(Effect::Steam, 0, 0, -30, 5)},
              {sound(Voice::Bubbles, 0.9, 8)}});
    c.append({"washing_up", "kitchen", "Washing up", "washing up", "Plates scrubbed with a sponge", 6,
              Setting::Kitchen,
              {A("🍽️", 176, 124, 84).does(Move::Scrub, 4, 1.6), A("🧽", 196, 118, 40).does(Move::Stir, 12, 0.8)},
              0, {at_actor(Effect::Bubbles, 0, 0, -10, 6)},
              {sound(Voice::Water, 0.6), sound(Voice::Brush, 0.3, 2.5)}});
    // ---- outside
    c.append({"sunflowers", "outside", "Flowers in the sun", "flowers", "Sunflowers and a butterfly", 6,
              Setting::Park,
              {A("🌻", 120, 168, 92).does(Move::Sway, 6, 2.6).turning_at(1),
               A("🌻", 250, 174, 78).does(Move::Sway, 5, 2.2).turning_at(1),
               A("🦋", 90, 80, 30).towards(260, 88).does(Move::Flutter, 16, 2.5)},
              0, {},
              {sound(Voice::Birds, 1, 1.5)}});
    c.append({"umbrella_rain", "outside", "Umbrella in the rain", "umbrella", "Rain falls on an umbrella", 6,
              Setting::Town,
              {A("☔", 176, 140, 104).does(Move::Sway, 5, 2).turning_at(1)},
              0, {over(Effect::Rain, 55)},
              {sound(Voice::Rain, 0.9)}});
    c.append({"snowman", "outside", "Snowman", "snowman", "Snow falls around a snowman", 6,
              Setting::Snow,
              {A("⛄", 176, 162, 116).does(Move::Sway, 2, 3).turning_at(1)},
              0, {over(Effect::Snow, 10)},
              {sound(Voice::Wind, 0.5), sound(Voice::Tune, 0.4, 2, 2)}});
    c.append({"kite_flying", "outside", "Kite in the sky", "kite", "A kite flies in the wind", 6,
              Setting::Park,
              {A("🪁", 140, 80, 80).towards(220, 70).does(Move::Sway, 12, 2)},
              0, {over(Effect::Leaves, 1.2)},
              {sound(Voice::Wind, 1), sound(Voice::Birds, 0.3, 0.8)}});
    // ---- vehicles
    c.append({"bus_road", "vehicles", "Bus on the road", "bus", "A bus drives along the road", 6,
              Setting::Road,
              {A("🚌", 90, 180, 70).towards(262, 180).does(Move::Bob, 1, 0.3).flipped()},
              0, {},
              {sound(Voice::Engine, 1)}});
    c.append({"steam_train", "vehicles", "Steam train", "train", "A steam train puffs along the track", 6,
              Setting::Rails,
              {A("🚂", 100, 168, 74).towards(250, 168).does(Move::Bob, 0.8, 0.25).flipped()},
              0, {at_actor(Effect::Smoke, 0, 14, -34, 3)},
              {sound(Voice::Chuff, 1, 3), sound(Voice::Whistle, 0.4, 1, 0.55, 0.4)}});
    c.append({"sailing_boat", "vehicles", "Boat on the sea", "boat", "A sailing boat rocks on the waves", 6,
              Setting::Sea,
              {A("⛵", 120, 148, 92).towards(230, 150).does(Move::Bob, 4, 2.2)},
              0, {},
              {sound(Voice::Waves, 1), sound(Voice::Gulls, 0.4, 0.3, 1, 0.8)}});
    c.append({"bicycle_park", "vehicles", "Bicycle in the park", "bicycle", "A bicycle rides through the park", 6,
              Setting::Park,
              {A("🚲", 90, 208, 60).towards(262, 208).does(Move::Bob, 1, 0.4).flipped()},
              0, {},
              {sound(Voice::Bell, 0.8, 0.33, 1, 1.0), sound(Voice::Birds, 0.4, 1)}});
    return c;
}

}  // namespace

const QList<ClipScene>& clip_catalogue()
{
    static const QList<ClipScene> clips = build();
    return clips;
}
