// The clip library window, driven offscreen with a fake file chooser.
#include "add_clip_dialog.h"
#include "clip_library_window.h"
#include "fake_window_dialogs.h"
#include "library/end_stills.h"
#include "library/folder_lock.h"
#include "library/test_videos.h"
#include "library/video_probe.h"
#include "media/picture_difference.h"
#include "library/voice_recorder.h"
#include "library/wav_check.h"
#include "record_voice_dialog.h"
#include "support/wait_until.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QScrollBar>
#include <QDialog>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ClipLibraryWindow, AddClipPreviewsThenAddsTheVideoToTheTable)
{
    QTemporaryDir dir;
    const QDir folder(dir.path() + "/clips");
    ASSERT_TRUE(folder.mkpath("."));
    copy_demo_sequence_files(folder);
    FakeWindowDialogs dialogs;
    dialogs.files << make_phone_video(QDir(dir.path()), "dog.mp4", 30, true);
    ClipLibraryWindow window(ClipFolder(folder.path()), dialogs);
    window.show();
    auto* table = window.findChild<QTableWidget*>();
    const int demoClips = table->rowCount();

    window.add_chosen_clip();
    auto* dialog = window.findChild<QDialog*>();
    ASSERT_NE(dialog, nullptr);
    auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
    EXPECT_FALSE(save->isEnabled());
    dialog->findChild<QPushButton*>("choose_video")->click();
    dialog->findChild<QLineEdit*>("title")->setText("Our dog");
    dialog->findChild<QComboBox*>("category")->setCurrentText("animals");
    // The first and last pictures and the label card are shown before saving.
    ASSERT_TRUE(
        wait_until([&] { return !dialog->findChild<QLabel*>("toPicture")->pixmap().isNull(); }, 10000));
    int previews = 0;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        previews += !label->pixmap().isNull();
    EXPECT_EQ(previews, 3);
    dialog->findChild<QPushButton*>("record_voice")->click();
    ASSERT_TRUE(save->isEnabled());
    save->click();

    ASSERT_TRUE(wait_until([&] { return !window.busy() && table->rowCount() == demoClips + 1; }, 120000))
        << dialogs.told.join("\n").toStdString();
    EXPECT_TRUE(dialogs.told.isEmpty()) << dialogs.told.join("\n").toStdString();
    const QList<QTableWidgetItem*> found = table->findItems("Our dog", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(table->item(found[0]->row(), 2)->text(), "animals");
    EXPECT_FALSE(table->item(found[0]->row(), 0)->icon().isNull());
    EXPECT_TRUE(QFile::exists(folder.filePath("our_dog.mpg")));
    const double spokenSeconds = (QFileInfo(folder.filePath("our_dog.wav")).size() - 44) / (44100.0 * 2);
    EXPECT_NEAR(spokenSeconds, 2.15, 0.05) << "the recording, padded, is the spoken name";
}

AddClipDialog* open_add_dialog(ClipLibraryWindow& window)
{
    window.add_chosen_clip();
    auto* dialog = window.findChild<AddClipDialog*>();
    if (dialog)
        dialog->findChild<QPushButton*>("choose_video")->click();
    return dialog;
}

void type_time(QDialog* dialog, const char* field, const QString& time)
{
    auto* edit = dialog->findChild<QLineEdit*>(field);
    edit->setText(time);
    emit edit->editingFinished();
}

TEST(AddClipDialog, ThePartChosenIsTheClipWithItsFirstAndLastPictures)
{
    QTemporaryDir dir;
    FakeWindowDialogs dialogs;
    const QString video = make_phone_video(QDir(dir.path()), "swing.mp4", 30, true, 6);
    dialogs.files << video;
    ClipLibraryWindow window(ClipFolder(dir.path()), dialogs);
    AddClipDialog* dialog = open_add_dialog(window);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("title")->setText("Swing");
    type_time(dialog, "from", "1.5");
    type_time(dialog, "to", "0:04");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("from")->text(), "0:01.5");
    EXPECT_EQ(dialog->clip().trim.start, 1.5);
    EXPECT_EQ(dialog->clip().trim.end, 4);
    auto* first = dialog->findChild<QLabel*>("fromPicture");
    auto* last = dialog->findChild<QLabel*>("toPicture");
    // Pictures two frames inside the part, for telling one frame from its neighbours.
    const QImage laterFirst = preview_still(video, 1.5 + 2 / 30.0),
                 earlierLast = preview_still(video, 4 - 3.5 / 30);
    // Shown once the times have rested, which the typing above began.
    ASSERT_TRUE(wait_until([&] { return !first->pixmap().isNull() && !last->pixmap().isNull(); }, 10000));
    const QImage shownFirst = first->pixmap().toImage(), shownLast = last->pixmap().toImage();
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
    ASSERT_TRUE(
        wait_until([&] { return !window.busy() && QFile::exists(dir.filePath("swing.mpg")); }, 120000))
        << dialogs.told.join("\n").toStdString();

    // The clip starts and ends on the pictures shown, and its stills are its ends.
    EXPECT_NEAR(probe_video(dir.filePath("swing.mpg")).seconds, 2.5, 0.1);
    const EndStills ends = decode_end_stills(dir.filePath("swing.mpg"));
    EXPECT_LT(mean_abs_difference(ends.first, shownFirst), mean_abs_difference(ends.first, laterFirst) / 3);
    EXPECT_LT(mean_abs_difference(ends.last, shownLast), mean_abs_difference(ends.last, earlierLast) / 3);
    EXPECT_LT(mean_abs_difference(QImage(dir.filePath("swing_first.jpg")), ends.first), 3);
    EXPECT_LT(mean_abs_difference(QImage(dir.filePath("swing_last.jpg")), ends.last), 3);
}

TEST(AddClipDialog, AVideoLongerThanTwoMinutesAsksForAPart)
{
    QTemporaryDir dir;
    FakeWindowDialogs dialogs;
    dialogs.files << make_phone_video(QDir(dir.path()), "lesson.mp4", 5, false, 130);
    ClipLibraryWindow window(ClipFolder(dir.path()), dialogs);
    AddClipDialog* dialog = open_add_dialog(window);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QLineEdit*>("title")->setText("Lesson");
    auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
    auto* note = dialog->findChild<QLabel*>("partNote");
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(note->text().contains("lasts 2:10, and a clip may last at most 2 minutes"))
        << note->text().toStdString();
    type_time(dialog, "from", "1:00");
    type_time(dialog, "to", "1:20");
    EXPECT_TRUE(save->isEnabled()) << note->text().toStdString();
    EXPECT_EQ(note->text(), "The clip will last 0:20 (the video lasts 2:10).");
}

// A remove that must wait for another tool's change in the folder says so,
// and goes ahead once that change is over.
TEST(ClipLibraryWindow, RemoveWaitingForAnotherChangeSaysSo)
{
    QTemporaryDir dir;
    const QDir folder(dir.path() + "/clips");
    ASSERT_TRUE(folder.mkpath("."));
    copy_demo_sequence_files(folder);
    FakeWindowDialogs dialogs;
    ClipLibraryWindow window(ClipFolder(folder.path()), dialogs);
    window.show();
    auto* table = window.findChild<QTableWidget*>();
    const int clips = table->rowCount();
    table->setCurrentCell(0, 1);
    auto other = std::make_unique<FolderLock>(folder.path());
    ASSERT_TRUE(other->held());

    window.remove_chosen_clip();
    auto* status = window.findChild<QLabel*>("status");
    EXPECT_TRUE(wait_until([&] { return status->text().contains("waiting"); }, 5000))
        << status->text().toStdString();
    other.reset();
    ASSERT_TRUE(wait_until([&] { return !window.busy() && table->rowCount() == clips - 1; }, 20000))
        << dialogs.told.join("\n").toStdString();
    EXPECT_TRUE(status->text().endsWith("was removed.")) << status->text().toStdString();
}

TEST(ClipLibraryWindow, CheckResultWrapsInsteadOfScrollingSideways)
{
    QTemporaryDir dir;
    write_clip_lists(QDir(dir.path()), {"a_bus_going_up_the_hill_road_at_the_end_of_the_school_day"});
    FakeWindowDialogs dialogs;
    ClipLibraryWindow window(ClipFolder(dir.path()), dialogs);
    window.resize(420, 560);
    window.show();
    window.check_whole_library();
    ASSERT_TRUE(wait_until([&] { return !window.busy(); }, 60000));
    wait_until([] { return false; }, 100);  // laid out
    QAbstractScrollArea* problems = nullptr;
    for (auto* area : window.findChildren<QAbstractScrollArea*>())
        if (area != window.findChild<QTableWidget*>())
            problems = area;
    ASSERT_NE(problems, nullptr);
    EXPECT_TRUE(problems->isVisible());
    EXPECT_EQ(problems->horizontalScrollBar()->maximum(), 0);
}

TEST(WindowDialogs, ChooserOpensInVideosOnlyWhenThereIsSuchAFolder)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const bool hadConfig = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    const QString withoutVideos = chooser_start_folder();
    QDir(home.path()).mkdir("Videos");
    const QString withVideos = chooser_start_folder();
    qputenv("HOME", oldHome);
    if (hadConfig)
        qputenv("XDG_CONFIG_HOME", oldConfig);
    else
        qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(withoutVideos.toStdString(), home.path().toStdString());
    EXPECT_EQ(withVideos.toStdString(), (home.path() + "/Videos").toStdString());
}

TEST(RecordVoiceDialog, RecordsUntilStoppedThenOffersTheRecording)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("name.wav");
    QFile earlier(wav);  // a recording kept before stays until this one is kept
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("RIFF");
    earlier.close();
    VoiceRecorder recorder({"-re", "-f", "lavfi", "-i", "sine=frequency=300:sample_rate=48000"});
    RecordVoiceDialog dialog(recorder, "Our dog", wav, nullptr);
    dialog.show();
    auto* record = dialog.findChild<QPushButton*>("record");
    auto* keep = dialog.findChild<QPushButton*>("keep");
    auto* status = dialog.findChild<QLabel*>("status");
    EXPECT_FALSE(keep->isEnabled()) << "nothing to keep before a recording";
    record->click();
    EXPECT_TRUE(recorder.recording());
    EXPECT_TRUE(wait_until([&] { return status->text() == "Recording… 1 s"; }, 5000))
        << status->text().toStdString();
    record->click();
    EXPECT_FALSE(recorder.recording());
    EXPECT_TRUE(keep->isEnabled()) << status->text().toStdString();
    EXPECT_EQ(QFileInfo(wav).size(), 4);
    keep->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(wav_problem(wav), QString());
}

}  // namespace
