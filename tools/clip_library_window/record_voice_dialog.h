#pragma once
// "Record…": the adult records the clip's name from the microphone, listens
// to it, and keeps it or records again.

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <memory>

class QLabel;
class QPushButton;
class SoundOutput;
class VoiceRecorder;

class RecordVoiceDialog : public QDialog {
    Q_OBJECT
public:
    // The recording goes to wavPath; it is there, with sound in it, when
    // the dialog is accepted.
    RecordVoiceDialog(VoiceRecorder& recorder, const QString& title, const QString& wavPath, QWidget* parent);
    ~RecordVoiceDialog() override;

private:
    void start_or_stop();
    void finish();
    void listen();
    QString take_path() const;  // the recording being made or heard

    VoiceRecorder& recorder_;
    QString wavPath_;
    std::unique_ptr<SoundOutput> sound_;  // made on the first listen
    QElapsedTimer elapsed_;
    QTimer tick_;
    QLabel* status_;
    QPushButton* record_;
    QPushButton* listen_;
    QPushButton* keep_;
};
