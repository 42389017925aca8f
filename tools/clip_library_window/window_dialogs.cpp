#include "window_dialogs.h"

#include "library/voice_recorder.h"
#include "record_voice_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

QString chooser_start_folder()
{
    // Phones and cameras copy into Videos; start where people look. A folder
    // that is not there would be typed into the name box instead.
    const QString videos = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    return QFileInfo(videos).isDir() ? videos : QDir::homePath();
}

QString QtWindowDialogs::choose_file(QWidget* parent, const QString& caption, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, chooser_start_folder(), filter);
}

bool QtWindowDialogs::confirm(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, QStringLiteral("Clip library"), question) == QMessageBox::Yes;
}

void QtWindowDialogs::tell(QWidget* parent, const QString& message)
{
    QMessageBox::information(parent, QStringLiteral("Clip library"), message);
}

bool QtWindowDialogs::record_voice(QWidget* parent, const QString& title, const QString& wavPath)
{
    VoiceRecorder recorder;
    RecordVoiceDialog dialog(recorder, title, wavPath, parent);
    return dialog.exec() == QDialog::Accepted;
}
