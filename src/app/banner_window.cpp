#include "app/banner_window.h"

#include "state/clip_list.h"
#include "media/full_screen.h"
#include "state/clip_listing.h"
#include "state/globvars.h"
#include "app/learner_control.h"
#include "app/learner_display.h"
#include "app/list_panel.h"
#include "app/records_line.h"
#include "app/records_questions.h"
#include "app/records_window.h"
#include "playback/session_recorder.h"
#include "state/records_options.h"
#include "state/sessions_file.h"
#include "app/menu_tree.h"
#include "app/options_menus.h"
#include "state/settings.h"
#include "state/users_guide.h"
#include "app/window_keys.h"
#include "app/switch_test_line.h"
#include "media/dialogs.h"
#include "media/front_keeper.h"
#include "media/idle_inhibit.h"
#include "media/sound.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int PictureToButtonsGap = 50;
constexpr int ButtonGap = 30;
constexpr int ButtonsToLearnerGap = 24;
constexpr int LearnerButtonHeight = 40;
constexpr int LearnerToRecordsGap = 14;
constexpr int RecordsLineWidth = 720;
constexpr int RecordsLineHeight = 64;
constexpr int EdgeMargin = 8;
// A banner picture smaller than this says nothing; its room goes to the controls.
constexpr int SmallestPictureHeight = 40;

QPushButton* make_button(const QString& name, const QString& caption, QSize size, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    button->setFont(font);
    button->setFixedSize(size);
    // Shown by the first activation, after the gong.
    button->setVisible(false);
    button->setEnabled(false);
    return button;
}

}  // namespace

Banner::Banner(GlobVars& g, Services services, QWidget* parent)
    : QMainWindow(parent)
    , g_(g)
    , services_(std::move(services))
    , switches_(services_.ports)
{
    setObjectName(QStringLiteral("Banner"));
    setWindowTitle(QStringLiteral("Options"));
    auto* client = new QWidget(this);
    setCentralWidget(client);

    build_menu_tree(*menuBar());
    auto* menus = new OptionsMenus(*menuBar(), g_, services_.dialogs, &switches_);  // owned by the menu bar
    menus_ = menus;
    displayMenu_ = new LearnerDisplayMenu(*menuBar(), services_.dialogs);  // owned by the menu bar
    connect(qApp, &QGuiApplication::screenRemoved, this, &Banner::screen_removed);

    banimage_ = new QLabel(client);
    banimage_->setObjectName(QStringLiteral("banimage"));
    startButton_ =
        make_button(QStringLiteral("StartButton"), QStringLiteral("Play Movies"), {174, 48}, client);
    exitButton_ = make_button(QStringLiteral("ExitButton"), QStringLiteral("Exit"), {163, 48}, client);
    list1_ = new QListWidget(client);
    style_list_panel(*list1_);
    list1_->hide();
    switchLine_ = new SwitchTestLine(g_, &switches_, *menuBar(), *client);  // owned by client
    recordsLine_ = new RecordsLine(g_, services_.dialogs, client);
    connect(recordsLine_, &RecordsLine::records_requested, this, &Banner::show_records);

    client->installEventFilter(this);
    lay_out();
    menus->mark_loaded_settings();

    connect(startButton_, &QPushButton::clicked, this, &Banner::play_movies);
    connect(exitButton_, &QPushButton::clicked, this, &Banner::end_program);
    connect(menu_action(*menuBar(), QStringLiteral("list_clips")), &QAction::triggered, this,
            &Banner::list_clips);
    connect(menu_action(*menuBar(), QStringLiteral("show_users_guide")), &QAction::triggered, this,
            &Banner::show_users_guide);
    // Repeats of a held Esc do not count: the press that left playback must
    // not also end the program.
    connect(new WindowKeys(*this), &WindowKeys::escape_pressed, this, &Banner::end_program);
}

Banner::~Banner() = default;

QSize Banner::screen_size() const
{
    return screen()->geometry().size();
}

void Banner::lay_out()
{
    // Without a readable banner picture the window still works: the buttons
    // sit where they would for an empty picture.
    const QPixmap picture(g_.DataFolder + QStringLiteral("aobj_log.jpg"));
    const QWidget& client = *centralWidget();
    // In logical pixels: at 150 % or 200 % desktop scaling a laptop's screen
    // leaves room for little more than the controls.
    const QSize area(client.width(), client.height() - switchLine_->height());
    const int screenHeight = screen_size().height();
    const int recordsWidth = qMin(RecordsLineWidth, area.width() - 2 * EdgeMargin);
    const int recordsHeight = qMax(RecordsLineHeight, recordsLine_->heightForWidth(recordsWidth));
    const int controls = startButton_->height() + LearnerButtonHeight + recordsHeight;

    int top = qRound((screenHeight - picture.height()) / 6.0);
    int pictureToButtons = PictureToButtonsGap;
    int buttonsToLearner = ButtonsToLearnerGap;
    int learnerToRecords = LearnerToRecordsGap;
    QSize pictureSize = picture.size();
    if (top + pictureSize.height() + pictureToButtons + buttonsToLearner + learnerToRecords + controls
        > area.height()) {
        // What gives way, in turn: the space above the picture, half of each
        // gap, then the picture, which shrinks whole; the controls never do.
        top = EdgeMargin;
        pictureToButtons /= 2;
        buttonsToLearner /= 2;
        learnerToRecords /= 2;
        const int room =
            area.height() - top - pictureToButtons - buttonsToLearner - learnerToRecords - controls;
        pictureSize.scale(pictureSize.width(), qMax(0, room), Qt::KeepAspectRatio);
    }
    if (pictureSize.width() > area.width() - 2 * EdgeMargin)
        pictureSize.scale(qMax(0, area.width() - 2 * EdgeMargin), pictureSize.height(), Qt::KeepAspectRatio);
    if (pictureSize.height() < SmallestPictureHeight)
        pictureSize = QSize(0, 0);
    banimage_->setPixmap(pictureSize == picture.size() || picture.isNull()
                             ? picture
                             : picture.scaled(pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const int left = qRound((area.width() - pictureSize.width()) / 2.0);
    banimage_->setGeometry(left, top, pictureSize.width(), pictureSize.height());

    const int buttonsTop = top + pictureSize.height() + pictureToButtons;
    const int pairWidth = startButton_->width() + ButtonGap + exitButton_->width();
    const int startLeft = qRound((area.width() - pairWidth) / 2.0);
    startButton_->move(startLeft, buttonsTop);
    exitButton_->move(startLeft + startButton_->width() + ButtonGap, buttonsTop);
    // Under the pair of buttons and as wide, where the adult looks before
    // pressing "Play Movies".
    const int learnerTop = buttonsTop + startButton_->height() + buttonsToLearner;
    if (learnerControl_)
        learnerControl_->setGeometry(startLeft, learnerTop, pairWidth, LearnerButtonHeight);
    // Below the learner button, where the adult looks after a session.
    recordsLine_->setGeometry(qRound((area.width() - recordsWidth) / 2.0),
                              learnerTop + LearnerButtonHeight + learnerToRecords, recordsWidth,
                              recordsHeight);
}

bool Banner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        lay_out();
    return QMainWindow::eventFilter(watched, event);
}

void Banner::set_learners(Learners& learners, LearnerQuestions& questions)
{
    learners_ = &learners;
    learnerControl_ = new LearnerControl(learners, g_, services_.dialogs, questions, centralWidget());
    lay_out();
    displayMenu_->keep_in(learners.folders().writable);
    connect(learnerControl_, &LearnerControl::learner_changed, this, &Banner::show_learner);
    setWindowTitle(options_title(learners.current()));
}

void Banner::show_learner()
{
    setWindowTitle(options_title(learners_->current()));
    // The listing on view was the previous learner's.
    list1_->hide();
    banimage_->setVisible(true);
    menus_->mark_loaded_settings();
    menus_->report_adapter_problems();
    recordsLine_->show_learner();
}

bool Banner::event(QEvent* event)
{
    // The activation steps follow a showing of the window (start-up, return
    // from playback), not every focus change: closing a message box or coming
    // back from another program must leave the listing on view.
    if (event->type() == QEvent::Show && !event->spontaneous()) {
        activationDue_ = true;
        // Adapters plugged in or out while the window was away can be chosen
        // (or not) at once, without a restart.
        menus_->mark_available_adapters();
    } else if (event->type() == QEvent::WindowActivate && activationDue_) {
        activationDue_ = false;
        activate_menu();
        // Told here, never during the learner's turn: an adapter lost during
        // playback, a port that would not open.
        QTimer::singleShot(0, menus_, &OptionsMenus::report_adapter_problems);
    }
    return QMainWindow::event(event);
}

void Banner::activate_menu()
{
    if (FirstActivation == 1) {
        // Cleared before events run, so an activation delivered meanwhile
        // cannot play the gong a second time.
        FirstActivation = 0;
        QCoreApplication::processEvents();
        play_sound(services_.sound, g_.DataFolder + QStringLiteral("aobj_gong"), QStringLiteral("DONT_LOOP"));
        for (QPushButton* button : {startButton_, exitButton_}) {
            button->setVisible(true);
            button->setEnabled(true);
        }
    }
    banimage_->setVisible(true);
    list1_->hide();
}

void Banner::play_movies()
{
    list1_->hide();
    const ClipListBuild build = build_clip_list(g_);
    if (!build.message.isEmpty())
        services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::None, build.message);
    if (build.fileRead && g_.ClipCount == 0)
        services_.dialogs.message(
            QStringLiteral("Flickerbox II"), Dialogs::Icon::Information,
            QStringLiteral("There are no clips to play: no clip of the chosen sequence belongs to a "
                           "category that is switched on.\nChoose more categories in the Categories "
                           "menu, or another Movie Clip Sequence."));
    if (!build.fileRead || g_.ClipCount == 0) {
        banimage_->setVisible(true);  // back to the plain menu, not an empty window
        return;
    }
    if (playback_)
        return;
    Services run = services_;
    recorder_.reset();
    // Saved now too, so a crash during the session keeps the options it ran with.
    if (learners_) {
        if (const QString notice = learners_->save(g_).notice; !notice.isEmpty())
            services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, notice);
    } else {
        SaveSettings(g_);  // a failure is told on leaving, as before
    }
    const RecordsOptions records = load_records_options(records_folder());
    // Without a settings folder there is nowhere to keep records; a learner
    // taken over elsewhere is not written to.
    if (records.recording && !g_.ProgramFolder.isEmpty() && !(learners_ && learners_->taken_over())) {
        recorder_ =
            std::make_unique<SessionRecorder>(services_.clock, g_, records_folder(), records.goal_ms());
        run.observers.push_back(recorder_.get());
    }
    QScreen* learnerScreen = displayMenu_->screen_for_learner(screen());
    auto* playback =
        new PlaybackWindow(g_, run, [this](const QString& message) { return_from_playback(message); });
    playback_ = playback;
    displayLost_ = false;
    new FrontKeeper(*playback);  // owned by the window
    show_full_screen(*playback, learnerScreen);
    hide();
    if (idle_)
        idle_->hold();
}

void Banner::screen_removed(QScreen* screen)
{
    // Nobody can see the learner's window any more: the session ends as if
    // the adult had left it, with everything recorded so far kept, and no
    // press is taken meanwhile.
    if (!playback_ || playback_->screen() != screen)
        return;
    displayLost_ = true;
    playback_->close();
}

void Banner::return_from_playback(const QString& runMessage)
{
    playback_.clear();
    if (idle_)
        idle_->release();
    QString messageForAdult = runMessage;
    if (displayLost_)
        messageForAdult = QStringLiteral("The display showing the learner's window was disconnected, so the "
                                         "session ended there. Everything up to then is kept.")
            + (messageForAdult.isEmpty() ? QString() : QStringLiteral("\n\n") + messageForAdult);
    if (recorder_) {
        recordsLine_->show_session(recorder_->session(), recorder_->problem().isEmpty());
        lay_out();  // the figures may take more lines than the line had
        if (!recorder_->problem().isEmpty())
            messageForAdult +=
                (messageForAdult.isEmpty() ? QString() : QStringLiteral("\n\n")) + recorder_->problem();
    }
    show_full_screen(*this);
    activateWindow();
    // From the event loop: the playback run is still on the stack here.
    if (!messageForAdult.isEmpty())
        QTimer::singleShot(0, this, [this, messageForAdult] {
            services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Information,
                                      messageForAdult);
        });
}

QString Banner::records_folder() const
{
    return g_.ProgramFolder + QLatin1String(RecordsFolderName);
}

void Banner::show_records()
{
    const std::optional<Learner> learner = learners_ ? learners_->current() : std::nullopt;
    QtRecordsQuestions questions(this);
    RecordsWindow window(records_folder(), learner ? learner->name : QString(), services_.dialogs, questions,
                         this);
    window.resize(screen_size() * 0.85);
    window.exec();
    recordsLine_->show_recording();
}

void Banner::list_clips()
{
    const QString path = g_.MediaFolder + sequence_file_name(2);
    const SequenceFile file = read_sequence_file(path);
    fill_list_panel(*list1_, ClipListingWidth, screen_size(), clip_listing_lines(file));
    banimage_->hide();
    list1_->show();
    // The list is too narrow to say how to save the file again.
    if (file.noText)
        services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning, file.error);
}

void Banner::show_users_guide()
{
    fill_list_panel(*list1_, UsersGuideWidth, screen_size(), users_guide_lines(g_.DataFolder));
    banimage_->hide();
    list1_->show();
}

void Banner::end_program()
{
    if (ending_)
        return;
    ending_ = true;
    const Learners::Saved saved = learners_ ? learners_->save(g_) : Learners::Saved{SaveSettings(g_), {}};
    if (!saved.notice.isEmpty())
        services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Information, saved.notice);
    if (!saved.failure.isEmpty())
        services_.dialogs.message(QStringLiteral("Flickerbox II"), Dialogs::Icon::Warning,
                                  QStringLiteral("Your settings could not be saved.\n") + saved.failure);
    hide();
    emit program_ending();
}

void Banner::closeEvent(QCloseEvent* event)
{
    // Closing the window through the window system would otherwise end the
    // program and silently lose the options chosen in this run: it ends the
    // program the way "Exit" does, settings saved. Run from the event loop,
    // not inside the close request.
    event->ignore();
    QTimer::singleShot(0, this, &Banner::end_program);
}
