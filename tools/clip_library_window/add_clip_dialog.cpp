#include "add_clip_dialog.h"

#include "library/end_stills.h"
#include "library/label_card.h"
#include "library/video_probe.h"
#include "part_chooser.h"
#include "state/globvars.h"
#include "window_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton* chooser_row(QFormLayout* form, const QString& label, const QString& button, QLabel*& chosen,
                         QPushButton* alternative = nullptr)
{
    auto* row = new QHBoxLayout;
    auto* choose = new QPushButton(button);
    chosen = new QLabel(QStringLiteral("(none)"));
    row->addWidget(choose);
    if (alternative)
        row->addWidget(alternative);
    row->addWidget(chosen, 1);
    form->addRow(label, row);
    return choose;
}

}  // namespace

AddClipDialog::AddClipDialog(WindowDialogs& dialogs, const QString& recordingPath, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs)
    , recordingPath_(recordingPath)
{
    setWindowTitle(QStringLiteral("Add clip"));
    auto* form = new QFormLayout;
    QPushButton* video =
        chooser_row(form, QStringLiteral("Video:"), QStringLiteral("Choose video…"), videoName_);
    video->setObjectName(QStringLiteral("choose_video"));
    title_ = new QLineEdit;
    title_->setObjectName(QStringLiteral("title"));
    title_->setPlaceholderText(QStringLiteral("For example: Grandma waving"));
    form->addRow(QStringLiteral("Title:"), title_);
    category_ = new QComboBox;
    category_->setObjectName(QStringLiteral("category"));
    for (const char* key : CategoryKeys)
        category_->addItem(QString::fromLatin1(key));
    form->addRow(QStringLiteral("Category:"), category_);
    QPushButton* picture = chooser_row(form, QStringLiteral("Label picture (optional):"),
                                       QStringLiteral("Choose picture…"), pictureName_);
    auto* record = new QPushButton(QStringLiteral("Record…"));
    record->setObjectName(QStringLiteral("record_voice"));
    QPushButton* voice = chooser_row(form, QStringLiteral("Spoken name (optional):"),
                                     QStringLiteral("Choose recording…"), voiceName_, record);

    part_ = new PartChooser;
    form->addRow(QStringLiteral("Part to keep:"), part_);
    labelPreview_ = new QLabel;
    labelPreview_->setFixedSize(LabelWidth, LabelHeight);
    form->addRow(QStringLiteral("Label card:"), labelPreview_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    buttons_->button(QDialogButtonBox::Save)->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons_);

    connect(video, &QPushButton::clicked, this, &AddClipDialog::choose_video);
    connect(picture, &QPushButton::clicked, this, &AddClipDialog::choose_picture);
    connect(voice, &QPushButton::clicked, this, &AddClipDialog::choose_voice);
    connect(record, &QPushButton::clicked, this, &AddClipDialog::record_voice);
    connect(part_, &PartChooser::changed, this, &AddClipDialog::update_preview);
    connect(title_, &QLineEdit::textChanged, this, &AddClipDialog::update_preview);
    connect(category_, &QComboBox::currentTextChanged, this, &AddClipDialog::update_preview);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    update_preview();
}

QString AddClipDialog::ask_for(const QString& caption, const QString& filter, const QString& kind,
                               const std::function<bool(const QString&)>& usable)
{
    const QString path = dialogs_.choose_file(this, caption, filter);
    if (path.isEmpty() || usable(path))
        return path;
    dialogs_.tell(
        this,
        QStringLiteral("\"%1\" is not a %2 this computer can read.").arg(QFileInfo(path).fileName(), kind));
    return {};
}

void AddClipDialog::choose_video()
{
    VideoFacts facts;
    const QString path = ask_for(
        QStringLiteral("Choose a video"),
        QStringLiteral("Videos (*.mp4 *.m4v *.mov *.webm *.mkv *.avi *.mpg *.mpeg *.3gp);;All files (*)"),
        QStringLiteral("video"), [&](const QString& p) {
            facts = probe_video(p);
            return facts.hasPictures && !preview_still(p, 0).isNull();
        });
    if (path.isEmpty())
        return;
    clip_.video = path;
    videoName_->setText(QFileInfo(path).fileName());
    part_->set_video(path, facts);
    if (title_->text().isEmpty())
        title_->setFocus();
    update_preview();
}

void AddClipDialog::choose_picture()
{
    QImage picture;
    const QString path =
        ask_for(QStringLiteral("Choose a label picture"),
                QStringLiteral("Pictures (*.jpg *.jpeg *.png *.bmp *.gif *.webp);;All files (*)"),
                QStringLiteral("picture"), [&](const QString& p) {
                    picture = QImageReader(p).read();
                    return !picture.isNull();
                });
    if (path.isEmpty())
        return;
    clip_.labelPicture = path;
    labelPicture_ = picture;
    pictureName_->setText(QFileInfo(path).fileName());
    update_preview();
}

void AddClipDialog::choose_voice()
{
    const QString path = dialogs_.choose_file(this, QStringLiteral("Choose a recording of the name"),
                                              QStringLiteral("Sounds (*.wav);;All files (*)"));
    if (path.isEmpty())
        return;
    clip_.voiceRecording = path;
    voiceName_->setText(QFileInfo(path).fileName());
}

void AddClipDialog::record_voice()
{
    if (!dialogs_.record_voice(this, title_->text(), recordingPath_))
        return;
    clip_.voiceRecording = recordingPath_;
    voiceName_->setText(QStringLiteral("(your recording)"));
}

void AddClipDialog::update_preview()
{
    clip_.title = title_->text();
    clip_.category = category_->currentText();
    clip_.trim = part_->trim();
    labelPreview_->setPixmap(QPixmap::fromImage(make_label_card(clip_.title.simplified(), labelPicture_)));
    buttons_->button(QDialogButtonBox::Save)
        ->setEnabled(!clip_.video.isEmpty() && !clip_.title.trimmed().isEmpty()
                     && part_->problem().isEmpty());
}
