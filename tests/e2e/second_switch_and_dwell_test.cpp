// The second switch and pointer dwell in the real program: Enter and the
// right button play a clip and are recorded as switch 2; a rest of the real
// pointer on the picture plays one, a rest beside it does not, jitter within
// the wobble does not restart the dwell, and a second dwell needs the pointer
// to leave first. With FLICKERBOX_SHOT_DIR set, the dwell mark is saved.

#include "program_test.h"
#include "media/picture_difference.h"
#include "state/session_event.h"
#include "state/sessions_file.h"
#include "support/wait_until.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

const QString& clip(int number)
{
    return ProgramDriver::clips()[number - 1];
}

class SecondSwitchAndDwell : public ProgramTest {
protected:
    static std::function<bool(const QImage&)> still(const ProgramDriver& d, int clipNumber, const char* which)
    {
        return [&d, clipNumber, which](const QImage& shot) {
            return d.shows_still(shot, clip(clipNumber), which) && d.shows_label(shot, clip(clipNumber));
        };
    }

    // The responses of the run's event file, once the run has left.
    static QList<SessionEvent> responses(const ProgramDriver& d)
    {
        const QString records = d.folder() + RecordsFolderName;
        QList<SessionEvent> found;
        wait_until([&] { return QFile::exists(records + SessionsFileName); }, 10000);
        const QStringList files = QDir(records).entryList({QStringLiteral("20*_*.csv")}, QDir::Files);
        QFile file(files.isEmpty() ? QString() : records + files.first());
        if (!file.open(QIODevice::ReadOnly))
            return found;
        for (const SessionEvent& event : read_session_events(file.readAll()).events)
            if (event.kind == SessionEventKind::Response)
                found << event;
        return found;
    }

    // True when the screen's movie area stays as it is for ms.
    static bool nothing_plays(const ProgramDriver& d, int clipNumber, const char* which, int ms)
    {
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < ms) {
            const QImage shot = d.grab();
            if (!d.shows_still(shot, clip(clipNumber), which) || !d.hand_at_rest(shot)) {
                d.grab(QStringLiteral("played_at_rest"));
                return false;
            }
            QThread::msleep(100);
        }
        return true;
    }
};

TEST_F(SecondSwitchAndDwell, EnterAndTheRightButtonAreSwitchTwo)
{
    struct Row {
        const char* name;
        int device;
        std::function<void(ProgramDriver&)> press;
    };
    const Row rows[] = {
        {"Enter", 7, [](ProgramDriver& d) { d.tap("Return"); }},
        {"right button", 6,
         [](ProgramDriver& d) { d.click(d.movie_area().center() + d.area_origin(), 1, 3); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ProgramDriver d({.device = row.device, .currentClip = 1});
        ASSERT_TRUE(d.start_playback());
        ASSERT_TRUE(d.wait_for_screen(still(d, 2, "_first"), 20000));
        ASSERT_TRUE(d.press_until([&] { row.press(d); }, still(d, 2, "_last"))) << "no clip played";
        d.tap("Escape");
        const QList<SessionEvent> taken = responses(d);
        ASSERT_FALSE(taken.isEmpty());
        for (const SessionEvent& event : taken)
            EXPECT_EQ(event.switchName, QStringLiteral("2"));
    }
}

// On each backdrop: resting beside the picture plays nothing; a 1 s rest on
// it with jitter inside the wobble plays the clip in about a second; on the
// last still the resting pointer needs to leave and come back to go on.
TEST_F(SecondSwitchAndDwell, RestingOnThePictureIsAPress)
{
    for (const auto& [backdrop, shotName] :
         {std::pair{1, "dwell_mark_tv"}, std::pair{2, "dwell_mark_theater"}}) {
        SCOPED_TRACE(shotName);
        ProgramDriver d({.device = 6, .currentClip = 1, .backdrop = backdrop, .kind = 5, .dwellMs = 1000});
        ASSERT_TRUE(d.start_playback());
        const QRect picture = d.movie_area().translated(d.area_origin());
        // At the drawing area's lower left, clear of the picture's margin and the exit link.
        const QPoint beside = d.area_origin() + QPoint(20, 470);
        d.move_to(beside);
        // The backdrop comes last, as the wait begins.
        ASSERT_TRUE(d.wait_for_screen(
            [&](const QImage& shot) { return still(d, 2, "_first")(shot) && d.shows_backdrop(shot); },
            20000));
        EXPECT_TRUE(nothing_plays(d, 2, "_first", 5000)) << "a rest beside the picture played the clip";

        QElapsedTimer dwell;
        d.move_to(picture.center());
        dwell.start();
        // Jitter of 15 pixels, well inside the wobble, every 250 ms: a
        // restarted dwell would take until 1.75 s at least.
        for (int i = 1; i <= 3; ++i) {
            while (dwell.elapsed() < 250 * i)
                QThread::msleep(5);
            d.move_to(picture.center() + QPoint(i % 2 ? 15 : 0, 0));
            if (i == 2)
                d.grab(QString::fromLatin1(shotName));
        }
        ASSERT_TRUE(d.wait_for_screen([&](const QImage& shot) { return !d.hand_at_rest(shot); }, 5000))
            << "the dwell was not taken";
        const qint64 tookMs = dwell.elapsed();
        EXPECT_GE(tookMs, 950);
        EXPECT_LT(tookMs, 1700) << "the jitter restarted the dwell";

        ASSERT_TRUE(d.wait_for_screen(still(d, 2, "_last"), 15000));
        EXPECT_TRUE(nothing_plays(d, 2, "_last", 2500)) << "a pointer that never left dwelt again";
        d.move_to(beside);
        QThread::msleep(200);
        d.move_to(picture.center());
        EXPECT_TRUE(d.wait_for_screen(still(d, 3, "_first"), 8000)) << "coming back did not dwell again";

        d.tap("Escape");
        const QList<SessionEvent> taken = responses(d);
        ASSERT_EQ(taken.size(), 2);
        for (const SessionEvent& event : taken)
            EXPECT_EQ(event.switchName, QStringLiteral("dwell"));
    }
}

}  // namespace
