#pragma once
// "Add clip…": the adult picks a video and the part of it to keep, types its
// title, picks a category and may pick a label picture and a recording of the
// name; the first and last pictures and the label card are previewed before
// anything is saved.

#include "library/clip_library.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class PartChooser;
class WindowDialogs;

class AddClipDialog : public QDialog {
    Q_OBJECT
public:
    // A name recorded here is kept at recordingPath, which must outlive the add.
    AddClipDialog(WindowDialogs& dialogs, const QString& recordingPath, QWidget* parent);

    NewClip clip() const { return clip_; }

private:
    // Asks for a file; one that `usable` turns down is refused with a plain
    // message naming the `kind` of file wanted. "" when nothing was taken.
    QString ask_for(const QString& caption, const QString& filter, const QString& kind,
                    const std::function<bool(const QString&)>& usable);
    void choose_video();
    void choose_picture();
    void choose_voice();
    void record_voice();
    void update_preview();

    WindowDialogs& dialogs_;
    QString recordingPath_;
    NewClip clip_;
    QImage labelPicture_;
    QLabel* videoName_;
    QLabel* pictureName_;
    QLabel* voiceName_;
    QLineEdit* title_;
    QComboBox* category_;
    PartChooser* part_;
    QLabel* labelPreview_;
    QDialogButtonBox* buttons_;
};
