// The clip library window, driven offscreen with a fake file chooser.
#include "clip_library_window.h"
#include "library/helper_program.h"
#include "library/test_videos.h"
#include "library/voice_recorder.h"
#include "library/wav_check.h"
#include "record_voice_dialog.h"
#include "support/wait_until.h"
#include "window_dialogs.h"

#include <QComboBox>
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

struct FakeWindowDialogs : WindowDialogs {
    QStringList files;  // answers to the file choosers, in order
    QStringList told;
    QString chooseFile(QWidget*, const QString&, const QString&) override
    {
        return files.isEmpty() ? QString() : files.takeFirst();
    }
    bool confirm(QWidget*, const QString&) override { return true; }
    void tell(QWidget*, const QString& message) override { told << message; }
    // The adult "says" the name: two seconds of tone.
    bool recordVoice(QWidget*, const QString&, const QString& wavPath) override
    {
        return run_helper("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=300:duration=2", wavPath}).ok;
    }
};

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

    window.addClip();
    auto* dialog = window.findChild<QDialog*>();
    ASSERT_NE(dialog, nullptr);
    auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
    EXPECT_FALSE(save->isEnabled());
    dialog->findChild<QPushButton*>("chooseVideo")->click();
    dialog->findChild<QLineEdit*>("title")->setText("Our dog");
    dialog->findChild<QComboBox*>("category")->setCurrentText("animals");
    // The first still and the label card are shown before saving.
    int previews = 0;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        previews += !label->pixmap().isNull();
    EXPECT_EQ(previews, 2);
    dialog->findChild<QPushButton*>("recordVoice")->click();
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
    EXPECT_TRUE(wait_until([&] { return status->text() == "Recording… 1 s"; }, 5000)) << status->text().toStdString();
    record->click();
    EXPECT_FALSE(recorder.recording());
    EXPECT_TRUE(keep->isEnabled()) << status->text().toStdString();
    EXPECT_EQ(QFileInfo(wav).size(), 4);
    keep->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(wav_problem(wav), QString());
}

}  // namespace
