// Opening the records window on 1,000 generated sessions (each with its event
// file, every other one with choices): from the start of the window's making
// to its first painting, and then showing the preferences, which reads the
// event files of the choices; the median of five openings. Prints figures;
// asserts nothing.
//   build/bench/records_window_bench            (any Qt platform; offscreen works)

#include "app/records_questions.h"
#include "app/preferences_view.h"
#include "app/records_window.h"
#include "media/dialogs.h"
#include "state/csv_text.h"
#include "state/sessions_file.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int SessionCount = 1000;
constexpr int Openings = 5;

struct NoDialogs : Dialogs {
    void message(const QString&, Icon, const QString& text) override
    {
        std::printf("message: %s\n", qPrintable(text));
    }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
};

struct NoQuestions : RecordsQuestions {
    QString export_folder() override { return {}; }
    QString pdf_file(const QString&) override { return {}; }
    bool print_setup(QPrinter&) override { return false; }
    bool confirm(const QString&) override { return false; }
};

// Sessions a day apart, each with twelve responses whose times shrink over the weeks.
void generate(const QString& folder)
{
    QRandomGenerator random(21);
    QList<Session> sessions;
    const QDateTime first(QDate(2023, 1, 2), QTime(9, 15, 0));
    for (int i = 0; i < SessionCount; ++i) {
        const QDateTime start = first.addDays(i).addSecs(random.bounded(3600));
        SessionTally tally(5000);
        QByteArray events = csv_file_start(session_event_columns());
        int64_t ms = 0;
        const auto add = [&](SessionEvent event) {
            event.ms = ms;
            tally.add(event);
            events += csv_line(session_event_fields(event)).toUtf8() + "\r\n";
        };
        add(session_event(SessionEventKind::SessionStart));
        for (int turn = 0; turn < 12; ++turn) {
            const int64_t fromCue = 800 + random.bounded(int(9000 - 7 * i));
            const QString clip = QStringLiteral("clip");
            add(session_event(SessionEventKind::Cue, clip, 1));
            ms += fromCue;
            SessionEvent response = session_event(SessionEventKind::Response, clip, 1);
            response.fromCueMs = fromCue;
            response.heldMs = 120;
            add(response);
            if (i % 2 == 1) {
                SessionEvent choice = session_event(SessionEventKind::Choice, clip);
                choice.leftClip = clip;
                choice.rightClip = QStringLiteral("clip %1").arg(turn);
                choice.side = QStringLiteral("left");
                choice.switchName = QStringLiteral("1");
                choice.fromCueMs = fromCue;
                add(choice);
            }
            add(session_event(SessionEventKind::ClipStart, clip));
            ms += 6000;
            add(session_event(SessionEventKind::ClipEnd, clip));
        }
        add(session_event(SessionEventKind::SessionEnd));
        Session session = tally.figures();
        session.start = start;
        session.options = {.device = QStringLiteral("space bar"),
                           .order = QStringLiteral("random"),
                           .screenSize = QStringLiteral("normal"),
                           .promptSeconds = i % 100 < 50 ? 5 : 0,
                           .switchTiming = QStringLiteral("none"),
                           .playMode = {}};
        sessions << session;
        QFile file(folder + session_event_file_name(start));
        if (file.open(QIODevice::WriteOnly))
            file.write(events);
    }
    save_sessions(folder, sessions);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/records/");
    QDir().mkpath(folder);
    generate(folder);
    NoDialogs dialogs;
    NoQuestions questions;
    std::vector<double> ms;
    std::vector<double> preferencesMs;
    for (int i = 0; i < Openings; ++i) {
        QElapsedTimer t;
        t.start();
        RecordsWindow window(folder, QStringLiteral("Anna"), dialogs, questions);
        window.resize(1200, 800);
        window.show();
        QCoreApplication::processEvents();
        window.grab();  // the first painting, chart included
        ms.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        window.views().setCurrentWidget(&window.preferences_view());
        window.preferences_view().grab();
        preferencesMs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(preferencesMs.begin(), preferencesMs.end());
    std::sort(ms.begin(), ms.end());
    std::printf(
        "records window with %d sessions on %s: median %.0f ms, slowest %.0f ms to the first painting\n",
        SessionCount, qPrintable(QGuiApplication::platformName()), ms[ms.size() / 2], ms.back());
    std::printf("preferences of %d sessions with choices: median %.0f ms, slowest %.0f ms to show them\n",
                SessionCount / 2, preferencesMs[preferencesMs.size() / 2], preferencesMs.back());
    return 0;
}
