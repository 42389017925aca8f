// The clip library window, driven offscreen with a fake file chooser.
#include "clip_library_window.h"
#include "library/test_videos.h"
#include "support/wait_until.h"
#include "window_dialogs.h"

#include <QComboBox>
#include <QDialog>
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
}

}  // namespace
