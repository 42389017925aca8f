#include "record_voice_dialog.h"

#include "library/voice_recorder.h"
#include "media/mpv_sound_output.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString StartCaption = QStringLiteral("Start recording");
}

RecordVoiceDialog::RecordVoiceDialog(VoiceRecorder& recorder, const QString& title, const QString& wavPath,
                                     QWidget* parent)
    : QDialog(parent)
    , recorder_(recorder)
    , wavPath_(wavPath)
{
    setWindowTitle(QStringLiteral("Record the name"));
    auto* prompt = new QLabel(
        title.trimmed().isEmpty()
            ? QStringLiteral("Press \"Start recording\", say the clip's name clearly, then press \"Stop\".")
            : QStringLiteral("Press \"Start recording\", say \"%1\" clearly, then press \"Stop\".")
                  .arg(title.trimmed()));
    prompt->setTextFormat(Qt::PlainText);
    prompt->setWordWrap(true);
    status_ = new QLabel(QStringLiteral("Up to %1 seconds.").arg(VoiceRecorder::LongestSeconds));
    status_->setObjectName(QStringLiteral("status"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    // Room for the longest message, so none is cut off when it appears.
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 4);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMinimumWidth(480);
    record_ = new QPushButton(StartCaption);
    record_->setObjectName(QStringLiteral("record"));
    listen_ = new QPushButton(QStringLiteral("Listen"));
    listen_->setEnabled(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    keep_ = buttons->addButton(QStringLiteral("Use this recording"), QDialogButtonBox::AcceptRole);
    keep_->setObjectName(QStringLiteral("keep"));
    keep_->setEnabled(false);

    auto* row = new QHBoxLayout;
    row->addWidget(record_);
    row->addWidget(listen_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(row);
    layout->addWidget(status_);
    layout->addWidget(buttons);

    tick_.setInterval(200);
    connect(&tick_, &QTimer::timeout, this,
            [this] { status_->setText(QStringLiteral("Recording… %1 s").arg(elapsed_.elapsed() / 1000)); });
    connect(record_, &QPushButton::clicked, this, &RecordVoiceDialog::start_or_stop);
    connect(listen_, &QPushButton::clicked, this, &RecordVoiceDialog::listen);
    connect(&recorder_, &VoiceRecorder::hearing_began, this, [this] {
        elapsed_.start();
        tick_.start();
        status_->setText(QStringLiteral("Recording… 0 s. Say the name now."));
    });
    connect(&recorder_, &VoiceRecorder::ended_by_itself, this, &RecordVoiceDialog::finish);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // Only a kept recording replaces the one chosen before.
        QFile::remove(wavPath_);
        if (QFile::rename(take_path(), wavPath_))
            accept();
        else
            status_->setText(QStringLiteral("The recording could not be kept. Record it again."));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

RecordVoiceDialog::~RecordVoiceDialog()
{
    disconnect(&recorder_, nullptr, this, nullptr);
    recorder_.stop();
    QFile::remove(take_path());
}

void RecordVoiceDialog::start_or_stop()
{
    if (recorder_.recording()) {
        finish();
        return;
    }
    keep_->setEnabled(false);
    listen_->setEnabled(false);
    const QString problem = recorder_.start(take_path());
    if (!problem.isEmpty()) {
        status_->setText(problem);
        return;
    }
    record_->setText(QStringLiteral("Stop"));
    status_->setText(QStringLiteral("Getting the microphone ready…"));
}

void RecordVoiceDialog::finish()
{
    tick_.stop();
    record_->setText(StartCaption);
    const QString problem = recorder_.stop();
    const bool recorded = problem.isEmpty();
    status_->setText(recorded ? QStringLiteral("Recorded. Listen to it, or record again.") : problem);
    listen_->setEnabled(recorded);
    keep_->setEnabled(recorded);
    if (recorded)
        keep_->setFocus();
}

void RecordVoiceDialog::listen()
{
    if (!sound_)
        sound_ = std::make_unique<MpvSoundOutput>();
    sound_->play(take_path(), false);
}

QString RecordVoiceDialog::take_path() const
{
    return wavPath_ + QStringLiteral(".take.wav");
}
