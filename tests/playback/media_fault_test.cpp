// Broken media during a run, on the real clip player: one file of the middle
// clip missing, empty, truncated or of the wrong kind; a clip the player
// cannot open or decode; clips with no picture, of one frame, two hours long
// or from other encoders. The run must go on to the next clip, the adult must
// be told of a clip left out, a good clip is never left out, and Esc must
// leave a long clip.

#include "media/media_fixtures.h"
#include "media/mpv_player.h"
#include "playback/playback_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <set>

namespace {

// Real clips, made once for the whole executable.
struct Clips {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    bool made = false;

    Clips()
    {
        made = make_numbered_clip(path("second.mpg"), 1.0, ClipEncoder::Ffmpeg)
            && make_numbered_clip(path("one_frame.mpg"), 0.04, ClipEncoder::Ffmpeg)
            && run_ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=1", "-c:a", "mp2", "-f", "mpeg",
                           path("no_picture.mpg")})
            &&
            // Two hours cheaply: ten seconds of one colour, copied 720 times over.
            run_ffmpeg({"-f", "lavfi", "-i", "color=c=navy:size=352x240:rate=25:duration=10", "-c:v",
                        "mpeg1video", "-q:v", "20", "-f", "mpeg", path("ten_seconds.mpg")})
            && run_ffmpeg({"-stream_loop", "719", "-i", path("ten_seconds.mpg"), "-c", "copy", "-f", "mpeg",
                           path("two_hours.mpg")})
            && encode("h264.mp4", {"-c:v", "libx264", "-pix_fmt", "yuv420p", "-c:a", "aac"})
            && encode("vp9.webm", {"-c:v", "libvpx-vp9", "-c:a", "libopus"})
            && encode("mjpeg.avi", {"-c:v", "mjpeg", "-c:a", "pcm_s16le"})
            && encode("silent.mpg", {"-an", "-c:v", "mpeg1video", "-f", "mpeg"});
    }

    // One second of a test picture with a tone, in the given form.
    bool encode(const char* name, const QStringList& form) const
    {
        return run_ffmpeg(QStringList{"-f", "lavfi", "-i", "testsrc=size=352x240:rate=25:duration=1", "-f",
                                      "lavfi", "-i", "sine=frequency=440:duration=1", "-shortest"}
                          << form << path(name));
    }
};

const Clips& clips()
{
    static const Clips made;
    return made;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MediaFault : public PlaybackTest {
protected:
    void SetUp() override
    {
        PlaybackTest::SetUp();
        ASSERT_TRUE(clips().made) << "ffmpeg could not make the test clips";
        make_player = [](QWidget* box) { return std::make_unique<MpvPlayer>(box); };
        for (const char* clip : {"alpha", "beta", "gamma"})
            replace(QString(clip) + ".mpg", contents(clips().path("second.mpg")));
    }

    void replace(const QString& name, const QByteArray& bytes)
    {
        QFile::remove(g.MediaFolder + name);
        if (bytes.isNull())
            return;
        QFile file(g.MediaFolder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A fresh run whose beta.mpg holds clip, in the kind of turn that holds
    // the player's own first frame or in the one with stills.
    void set_up_run(bool playerTurn, const QByteArray& clip)
    {
        SetUp();
        if (playerTurn)
            version.reported = OsVersionInfo{5, 1, 0, PlatformWin32Nt};
        else
            version.reported.reset();
        replace("beta.mpg", clip);
    }

    // Presses through every turn from alpha on until gamma's first wait;
    // returns the clips whose first wait came (1 alpha, 2 beta, 3 gamma).
    std::set<int> run_to_gamma()
    {
        std::set<int> waited;
        const bool ended = run({{[&] {
                                     if (!in_wait(1) && !in_wait(2))
                                         return false;
                                     if (in_wait(1))
                                         waited.insert(g.CurrentClip);
                                     if (in_wait(1) && g.CurrentClip == 3)
                                         return true;
                                     click(&window->pictures().Background);
                                     return false;
                                 },
                                 [&] { key(Qt::Key_Escape); }}},
                               20000);
        EXPECT_TRUE(ended) << "the run did not reach gamma and leave";
        return waited;
    }
};

// Laid out by hand as a table.
// clang-format off
TEST_F(MediaFault, EachBrokenFileOfTheMiddleClipLeavesItOutOrPlaysItAndTheRunGoesOn)
{
    const QByteArray picture = contents(g.MediaFolder + "beta.jpg");
    const QByteArray clip = contents(g.MediaFolder + "beta.mpg");
    const QByteArray sound = [] {
        QTemporaryDir dir;
        make_tone_wav(dir.filePath("tone.wav"), 0.2);
        return contents(dir.filePath("tone.wav"));
    }();
    const std::map<QString, QByteArray> good{{".mpg", clip}, {"_first.jpg", picture}, {"_last.jpg", picture},
                                             {".jpg", picture}, {".wav", sound}};
    for (const auto& [suffix, whole] : good) {
        const QByteArray otherKind = suffix == ".wav" ? picture : sound;
        const std::map<QString, QByteArray> faults{{"missing", QByteArray()}, {"empty", QByteArray("")},
                                                   {"truncated", whole.left(whole.size() / 2)},
                                                   {"of the wrong kind", otherKind}};
        for (const auto& [fault, bytes] : faults) {
            SCOPED_TRACE(("beta" + suffix + " " + fault).toStdString());
            SetUp();
            replace("beta" + suffix, bytes);
            left = false;
            leaveMessage.clear();
            const std::set<int> waited = run_to_gamma();
            EXPECT_TRUE(waited.count(1) && waited.count(3));
            if (!waited.count(2)) {
                EXPECT_TRUE(leaveMessage.contains("beta" + suffix)) << "beta was left out untold: "
                                                                   << leaveMessage.toStdString();
            }
            if (fault == "missing" || fault == "empty") {
                EXPECT_FALSE(waited.count(2)) << "a clip with a missing file was shown";
            }
            // Half a clip is still a clip, and a sound file a clip without pictures.
            if (suffix == ".mpg" && (fault == "truncated" || fault == "of the wrong kind")) {
                EXPECT_TRUE(waited.count(2) && !leaveMessage.contains("beta")) << leaveMessage.toStdString();
            }
            TearDown();
        }
    }
}

// The player's turn knows before its first wait, the stills turn after the
// press; either way the clip is named with the reason and gamma follows.
TEST_F(MediaFault, AClipThePlayerCannotOpenOrDecodeIsNamedToTheAdultAndTheRunGoesOn)
{
    const QByteArray good = contents(clips().path("second.mpg"));
    const QByteArray webm = contents(clips().path("vp9.webm"));
    QByteArray garbage(200000, 0);
    for (qsizetype i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919 + (i >> 5) * 104729) & 0xff);
    QByteArray unknownCodec = contents(clips().path("mjpeg.avi"));
    unknownCodec.replace("MJPG", "QQQQ");
    const std::map<QString, QByteArray> broken{
        {"garbage bytes", garbage},
        {"cut before its first picture", good.left(24)},
        {"a VP9 clip cut before its first picture", webm.left(3000)},
        {"in a codec the player lacks", unknownCodec}};
    for (const auto& [fault, bytes] : broken)
        for (const bool playerTurn : {false, true}) {
            SCOPED_TRACE((fault + (playerTurn ? " in the player's turn" : " in the stills turn")).toStdString());
            set_up_run(playerTurn, bytes);
            const std::set<int> waited = run_to_gamma();
            EXPECT_TRUE(waited.count(1) && waited.count(3));
            EXPECT_TRUE(leaveMessage.contains("beta: beta.mpg (")) << leaveMessage.toStdString();
            TearDown();
        }
}

// A clip with no picture, of one frame or from another encoder ends like any
// other, and is never called broken: in both kinds of turn (stills, and the
// player's own first frame).
TEST_F(MediaFault, ClipsWithoutAPictureOfOneFrameOrFromOtherEncodersEndAndTheRunGoesOn)
{
    for (const char* odd : {"no_picture.mpg", "one_frame.mpg", "h264.mp4", "vp9.webm", "mjpeg.avi", "silent.mpg"})
        for (const bool playerTurn : {false, true}) {
            SCOPED_TRACE(std::string(odd) + (playerTurn ? " in the player's turn" : " in the stills turn"));
            set_up_run(playerTurn, contents(clips().path(odd)));
            const std::set<int> waited = run_to_gamma();
            EXPECT_EQ(waited, (std::set<int>{1, 2, 3}));
            EXPECT_FALSE(leaveMessage.contains("beta")) << leaveMessage.toStdString();
            TearDown();
        }
}

TEST_F(MediaFault, EscDuringATwoHourClipLeavesAtOnce)
{
    replace("beta.mpg", contents(clips().path("two_hours.mpg")));
    QElapsedTimer sincePress, sinceEscape;
    ASSERT_TRUE(run({
        {[&] { return in_wait(1) && g.CurrentClip == 1; }, [&] { click(&window->pictures().Background); }},
        {[&] { return in_wait(2); }, [&] { click(&window->pictures().Background); }},
        {[&] { return in_wait(1) && g.CurrentClip == 2; }, [&] {
             click(&window->pictures().Background);
             sincePress.start();
         }},
        {[&] { return sincePress.isValid() && sincePress.elapsed() > 3000; }, [&] {
             EXPECT_FALSE(turn.saw("ended beta")) << "the two-hour clip was over already";
             key(Qt::Key_Escape);
             sinceEscape.start();
         }},
    }, 20000));
    EXPECT_TRUE(left);
    EXPECT_LT(sinceEscape.elapsed(), 1000) << "Esc took long to leave the clip";
}

}  // namespace
// clang-format on
