#include "program_driver.h"

#include "media/picture_difference.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

// Stills and labels are JPEG files and the screen shows them decoded by
// another decoder: a small mean difference is the same picture.
constexpr double SamePicture = 6.0;

Display* display()
{
    static Display* const connection = XOpenDisplay(nullptr);
    return connection;
}

QString built_program_folder()
{
    return qEnvironmentVariable("FLICKERBOX_PROGRAM_DIR") + QLatin1Char('/');
}

QString clip_folder(double seconds)
{
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/%1s/").arg(seconds);
}

bool ffmpeg(const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("ffmpeg"),
                  QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")}
                      + arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

// Gives the keyboard focus to the top-level window under the pointer when no
// window of the program has it: there is no window manager to do it.
void focus_window_under_pointer()
{
    Display* d = display();
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    Window root = 0, child = 0;
    int rx, ry, wx, wy;
    unsigned mask;
    XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rx, &ry, &wx, &wy, &mask);
    if (child == 0 || focus == child)
        return;
    XWindowAttributes attributes;
    const bool focusUsable = focus != None && focus != PointerRoot && focus != DefaultRootWindow(d)
        && XGetWindowAttributes(d, focus, &attributes) && attributes.map_state == IsViewable;
    if (!focusUsable)
        XSetInputFocus(d, child, RevertToParent, CurrentTime);
}

}  // namespace

const QStringList& ProgramDriver::clips()
{
    static const QStringList names{QStringLiteral("e2e_one"), QStringLiteral("e2e_two"),
                                   QStringLiteral("e2e_three")};
    return names;
}

bool ProgramDriver::make_clips(double seconds)
{
    static QMap<double, bool> madeBySeconds;
    if (madeBySeconds.contains(seconds))
        return madeBySeconds[seconds];
    const bool made = [seconds] {
        const QString dir = clip_folder(seconds);
        QDir().mkpath(dir);
        // Each clip moves in every frame, with a different pattern, so that
        // its first still, its frames and its last still all differ.
        const char* patterns[] = {"testsrc2", "testsrc", "smptebars"};
        QByteArray sequence;
        for (int i = 0; i < clips().size(); ++i) {
            const QString base = dir + clips()[i];
            const QString source =
                QStringLiteral("%1=size=352x240:rate=25:duration=%2").arg(patterns[i]).arg(seconds);
            const QString moving = i == 2 ? QStringLiteral(",hue=H=t*6") : QString();
            if (!ffmpeg({"-f", "lavfi", "-i", source, "-vf", "format=yuv420p" + moving, "-c:v", "mpeg1video",
                         "-q:v", "3", "-f", "mpeg", base + ".mpg"})
                || !ffmpeg({"-i", base + ".mpg", "-frames:v", "1", "-q:v", "2", base + "_first.jpg"})
                || !ffmpeg(
                    {"-sseof", "-0.2", "-i", base + ".mpg", "-update", "1", "-q:v", "2", base + "_last.jpg"})
                || !ffmpeg(
                    {"-f", "lavfi", "-i",
                     QStringLiteral("%1=size=%2x60:rate=1").arg(patterns[(i + 1) % 3]).arg(140 + 20 * i),
                     "-frames:v", "1", "-q:v", "2", base + ".jpg"})
                || !ffmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=0.6", base + ".wav"}))
                return false;
            sequence +=
                clips()[i].toUtf8() + ",food,\"Clip " + QByteArray::number(i + 1) + "\",3,\"test\"\r\n";
        }
        QFile file(dir + QStringLiteral("aobj_sqa.seq"));
        return file.open(QIODevice::WriteOnly) && file.write(sequence) == sequence.size();
    }();
    madeBySeconds[seconds] = made;
    return made;
}

ProgramDriver::ProgramDriver(const PlaybackSettings& settings)
    : folder_(work_.path() + QStringLiteral("/program/"))
    , settings_(settings)
{
    QDir().mkpath(folder_);
    const QDir built(built_program_folder());
    for (const QString& name : built.entryList({"aobj_*", "timer.mpg", "flickerbox"}, QDir::Files))
        QFile::copy(built.filePath(name), folder_ + name);
    QFile::remove(folder_ + QStringLiteral("aobj_sqa.seq"));
    make_clips(settings.clipSeconds);
    const QDir clipsDir(clip_folder(settings.clipSeconds));
    for (const QString& name : clipsDir.entryList(QDir::Files))
        QFile::copy(clipsDir.filePath(name), folder_ + name);

    auto line = [](double value) { return " " + QByteArray::number(value, 'g', 15) + " \r\n"; };
    QByteArray text = line(settings.device) + line(settings.size) + line(settings.prompt) + line(0)
        + line(settings.currentClip) + line(settings.press) + line(settings.wipe) + line(settings.backdrop);
    for (int i = 0; i < 10; ++i)
        text += line(1);
    if (settings.playMode != 1 || settings.kind != 0)
        text += line(0) + line(0) + line(settings.playMode) + line(settings.playModeNumber);
    if (settings.kind != 0)
        text += line(settings.kind) + line(settings.dwellMs);
    QFile file(folder_ + QStringLiteral("aobj_se1.cfg"));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);

    // Sound goes to a device that plays nothing, each sound ending by itself.
    QDir().mkpath(work_.path() + QStringLiteral("/home"));
    QFile asound(work_.path() + QStringLiteral("/home/.asoundrc"));
    if (asound.open(QIODevice::WriteOnly))
        asound.write("pcm.!default { type null }\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), work_.path() + QStringLiteral("/home"));
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
}

ProgramDriver::~ProgramDriver()
{
    if (running()) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool ProgramDriver::start(const QStringList& arguments)
{
    process_.start(folder_ + QStringLiteral("flickerbox"), arguments_ + arguments);
    return process_.waitForStarted(10000)
        && wait_for_screen([this](const QImage& shot) { return shows_menu(shot); }, 20000);
}

bool ProgramDriver::start_playback()
{
    return start() && play_movies();
}

bool ProgramDriver::play_movies()
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    // "Play Movies" stands left of the centre, below the banner picture; its
    // buttons appear only after the gong, so it is pressed until the menu goes.
    const QPoint button(screen.width() / 2 - 100, (screen.height() - 250) / 6 + 250 + 50 + 48);
    if (!wait_for_screen([this](const QImage& shot) { return shows_menu(shot); }, 20000))
        return false;
    for (int attempt = 0; attempt < 30 && running(); ++attempt) {
        click(button);
        if (wait_for_screen([this](const QImage& shot) { return !shows_menu(shot); }, 1000))
            return true;
    }
    return false;
}

bool ProgramDriver::press_until(const std::function<void()>& press,
                                const std::function<bool(const QImage&)>& done)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        press();
        if (wait_for_screen(done, 1000))
            return true;
    }
    return false;
}

bool ProgramDriver::exit_from_menu()
{
    if (!wait_for_screen([this](const QImage& shot) { return shows_menu(shot); }, 20000))
        return false;
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QPoint exit(screen.width() / 2 + 100, (screen.height() - 250) / 6 + 250 + 50 + 48);
    click(exit);
    // The credits follow "Exit"; Esc there ends the program.
    for (int attempt = 0; attempt < 20 && !process_.waitForFinished(1000); ++attempt)
        tap("Escape");
    return process_.state() == QProcess::NotRunning && process_.exitStatus() == QProcess::NormalExit
        && process_.exitCode() == 0;
}

QList<double> ProgramDriver::written_settings() const
{
    QFile file(folder_ + QStringLiteral("aobj_se1.cfg"));
    QList<double> values;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.trimmed().isEmpty())
                values << line.trimmed().toDouble();
    return values;
}

void ProgramDriver::key(const char* keysym, bool down)
{
    focus_window_under_pointer();
    XTestFakeKeyEvent(display(), XKeysymToKeycode(display(), XStringToKeysym(keysym)), down, CurrentTime);
    XSync(display(), False);
}

void ProgramDriver::tap(const char* keysym)
{
    key(keysym, true);
    key(keysym, false);
}

void ProgramDriver::move_to(QPoint screenPoint)
{
    XTestFakeMotionEvent(display(), -1, screenPoint.x(), screenPoint.y(), CurrentTime);
    XSync(display(), False);
}

void ProgramDriver::click(QPoint screenPoint, int count, unsigned button)
{
    move_to(screenPoint);
    for (int i = 0; i < count; ++i) {
        XTestFakeButtonEvent(display(), button, True, CurrentTime);
        XTestFakeButtonEvent(display(), button, False, CurrentTime);
        XSync(display(), False);
        if (i + 1 < count)
            QThread::msleep(60);  // well inside the double-click time
    }
}

QImage ProgramDriver::grab(const QString& shotName) const
{
    QImage shot =
        QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    const QString dir = qEnvironmentVariable("FLICKERBOX_SHOT_DIR");
    if (!dir.isEmpty() && !shotName.isEmpty())
        shot.save(QDir(dir).filePath(shotName + QStringLiteral(".png")));
    return shot;
}

QImage ProgramDriver::grab_region(const QRect& screen_rect) const
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, screen_rect.x(), screen_rect.y(), screen_rect.width(), screen_rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QPoint ProgramDriver::area_origin() const
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    return {(screen.width() - 640) / 2, (screen.height() - 480) / 2};
}

QImage ProgramDriver::on_area(const QImage& shot, const QRect& rectOnArea) const
{
    return shot.copy(rectOnArea.translated(area_origin()));
}

QRect ProgramDriver::movie_area() const
{
    return settings_.backdrop == 1 ? QRect(144, 220, 352, 240) : QRect(145, 160, 352, 240);
}

QRect ProgramDriver::label_area(const QString& clip) const
{
    const QSize size = file(clip + QStringLiteral(".jpg")).size();
    return {settings_.backdrop == 1 ? 600 - size.width() : 10, 20, size.width(), size.height()};
}

QRect ProgramDriver::hand_area() const
{
    return settings_.backdrop == 1 ? QRect(70, 17, 184, 89 + 35) : QRect(415, 18, 184, 89 + 35);
}

QImage ProgramDriver::file(const QString& name) const
{
    return QImage(folder_ + name).convertToFormat(QImage::Format_RGB32);
}

bool ProgramDriver::shows_backdrop(const QImage& shot) const
{
    // A strip of the backdrop picture that neither hand, label nor still
    // covers; the picture's top left corner stands at corner on the area.
    const bool tv = settings_.backdrop == 1;
    const QPoint corner = tv ? QPoint(120, 117) : QPoint(5, 125);
    const QRect strip = tv ? QRect(120, 200, 20, 200) : QRect(5, 130, 120, 100);
    const QImage picture = file(tv ? QStringLiteral("aobj_tv.jpg") : QStringLiteral("aobj_thr.jpg"));
    return mean_abs_difference(on_area(shot, strip), picture.copy(strip.translated(-corner))) < SamePicture;
}

bool ProgramDriver::shows_menu(const QImage& shot) const
{
    // The banner picture, somewhere below the menu bar.
    const QImage banner = file(QStringLiteral("aobj_log.jpg"));
    const int left = (shot.width() - banner.width()) / 2, top = (shot.height() - banner.height()) / 6;
    for (int menuBar = 0; menuBar <= 50; ++menuBar)
        if (mean_abs_difference(shot.copy(left, top + menuBar, banner.width(), 40),
                                banner.copy(0, 0, banner.width(), 40))
            < SamePicture)
            return true;
    return false;
}

bool ProgramDriver::shows_still(const QImage& shot, const QString& clip, const char* which) const
{
    return mean_abs_difference(on_area(shot, movie_area()),
                               file(clip + QLatin1String(which) + QStringLiteral(".jpg")))
        < SamePicture;
}

bool ProgramDriver::shows_label(const QImage& shot, const QString& clip) const
{
    return mean_abs_difference(on_area(shot, label_area(clip)), file(clip + QStringLiteral(".jpg")))
        < SamePicture;
}

bool ProgramDriver::hand_at_rest(const QImage& shot) const
{
    const QRect hand = hand_area();
    const QImage picture = file(QStringLiteral("aobj_hnd.jpg")).copy(0, 0, 184, 89);
    return mean_abs_difference(on_area(shot, QRect(hand.topLeft(), QSize(184, 89))), picture) < 1.5;
}

bool ProgramDriver::wait_for_screen(const std::function<bool(const QImage&)>& done, int timeoutMs) const
{
    QElapsedTimer elapsed;
    elapsed.start();
    do {
        if (done(grab()))
            return true;
        QThread::msleep(5);
    } while (elapsed.elapsed() < timeoutMs);
    return done(grab());
}

QStringList ProgramDriver::window_titles()
{
    Display* d = display();
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    QStringList titles;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count))
        return titles;
    const Atom utf8Name = XInternAtom(d, "_NET_WM_NAME", False);
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        XTextProperty name;
        if (XGetWindowAttributes(d, children[i], &attributes) && attributes.map_state == IsViewable
            && XGetTextProperty(d, children[i], &name, utf8Name) && name.value) {
            titles << QString::fromUtf8(reinterpret_cast<const char*>(name.value), int(name.nitems));
            XFree(name.value);
        }
    }
    XFree(children);
    return titles;
}

bool ProgramDriver::wait_for_window(const QString& title, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!window_titles().contains(title)) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QThread::msleep(2);
    }
    return true;
}
