#include "window_dialogs.h"

#include "library/voice_recorder.h"
#include "record_voice_dialog.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

QString QtWindowDialogs::chooseFile(QWidget* parent, const QString& caption, const QString& filter)
{
    // Phones and cameras copy into Videos or Pictures; start where people look.
    const QString start = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation);
    return QFileDialog::getOpenFileName(parent, caption, start, filter);
}

bool QtWindowDialogs::confirm(QWidget* parent, const QString& question)
{
    return QMessageBox::question(parent, QStringLiteral("Clip library"), question) == QMessageBox::Yes;
}

void QtWindowDialogs::tell(QWidget* parent, const QString& message)
{
    QMessageBox::information(parent, QStringLiteral("Clip library"), message);
}

bool QtWindowDialogs::recordVoice(QWidget* parent, const QString& title, const QString& wavPath)
{
    VoiceRecorder recorder;
    RecordVoiceDialog dialog(recorder, title, wavPath, parent);
    return dialog.exec() == QDialog::Accepted;
}
