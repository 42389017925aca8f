#include "playback/turn_lines.h"

#include <QDeadlineTimer>
#include <QFile>

void TurnLines::wait_began(WaitPhase phase)
{
    write_("wait " + QByteArray::number(int(phase)));
}

void TurnLines::prompt_played()
{
    write_("prompt");
}

void TurnLines::cross_shown()
{
    write_("cross");
}

void TurnLines::response_taken(WaitPhase, int, int64_t, int64_t)
{
    write_("press");
}

void TurnLines::count_wait_began(WaitPhase phase)
{
    wait_began(phase);
}

void TurnLines::count_press_taken(WaitPhase, int, int64_t, int64_t, int press, int needed)
{
    write_("press " + QByteArray::number(press) + " of " + QByteArray::number(needed));
}

void TurnLines::response_held_before_cue(WaitPhase, int, int64_t)
{
    write_("press held from before the cue");
}

void TurnLines::press_ignored(WaitPhase phase, int, int64_t)
{
    write_("ignored " + QByteArray::number(int(phase)));
}

void TurnLines::clip_started(const QString& clip)
{
    write_("started " + clip.toUtf8());
}

void TurnLines::clip_ended(const QString& clip, int64_t)
{
    write_("ended " + clip.toUtf8());
}

void TurnLines::clip_paused(const QString& clip, int64_t)
{
    write_("paused " + clip.toUtf8());
}

void TurnLines::skip(WaitPhase)
{
    write_("skip");
}

void TurnLines::replay()
{
    write_("replay");
}

void TurnLines::leave(WaitPhase)
{
    write_("leave");
}

void TurnLines::left()
{
    write_("left " + QByteArray::number(QDeadlineTimer::current().deadline()));
}

void TurnLines::clip_left_out(const QString& clip, const QString& file, const QString& why)
{
    const QString named = why.isEmpty() ? file : QStringLiteral("%1 (%2)").arg(file, why);
    write_("left out " + clip.toUtf8() + ": " + named.toUtf8());
}

void TurnLines::choice_made(const QString& left, const QString& right, ChoiceSide side, int switchNumber,
                            int64_t)
{
    const bool leftTaken = side == ChoiceSide::Left;
    write_(QStringLiteral("chose %1 %2 of %3|%4 by switch %5")
               .arg(leftTaken ? QStringLiteral("left") : QStringLiteral("right"), leftTaken ? left : right,
                    left, right)
               .arg(switchNumber)
               .toUtf8());
}

TurnLines::Write append_to_file(const QString& path)
{
    return [path](const QByteArray& line) {
        QFile file(path);
        if (file.open(QIODevice::Append))
            file.write(line + '\n');
    };
}
