#include "app/credits_window.h"

#include "app/window_keys.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLine>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

const QColor LightCyan(128, 255, 255);
const QColor LightRed(255, 128, 128);

// The outer panel, which also draws the rules between its blocks.
class CreditsPanel : public QFrame {
public:
    explicit CreditsPanel(QWidget* parent)
        : QFrame(parent)
    {
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter painter(this);
        const QColor windowText = palette().color(QPalette::WindowText);
        const std::pair<QLine, QColor> rules[] = {
            {QLine(24, 88, 608, 88), LightRed},
            {QLine(24, 80, 616, 80), windowText},
            {QLine(32, 168, 616, 168), windowText},
            {QLine(16, 368, 600, 368), LightRed},
        };
        for (const auto& [line, colour] : rules) {
            painter.setPen(colour);
            painter.drawLine(line);
        }
    }
};

QFrame* black_panel(QFrame* panel, const QString& name, QRect geometry)
{
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    panel->setPalette(palette);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* text_line(QWidget* parent, int index, QRect geometry, const QString& text, QColor colour,
                  double pointSize, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setObjectName(QStringLiteral("Text1_%1").arg(index));
    label->setGeometry(geometry);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pointSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

CreditsWindow::CreditsWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("credits"));
    setWindowTitle(QStringLiteral("Credits"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 64, 0));
    setPalette(palette);

    frame1_ = black_panel(new CreditsPanel(this), QStringLiteral("Frame1"), QRect(0, 0, 640, 480));
    QFrame* frame2 = black_panel(new QFrame(frame1_), QStringLiteral("Frame2"), QRect(33, 96, 585, 265));

    auto* title = new QLabel(QStringLiteral("Credits"), frame2);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(244, 11, 55, 25);
    QFont title_font(QStringLiteral("Arial"));
    title_font.setPointSizeF(12);
    title->setFont(title_font);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0, 255, 255));
    title->setPalette(titlePalette);

    constexpr double ContributorSize = 9.75;
    text_line(frame2, 7, {80, 58, 410, 28},
              QStringLiteral("Teaching design ........ The Flickerbox Project Team"), LightCyan,
              ContributorSize);
    text_line(frame2, 12, {80, 106, 399, 28}, QStringLiteral("Programming ........... Flickerbox Developers"),
              LightCyan, ContributorSize);
    text_line(frame2, 9, {80, 154, 435, 28},
              QStringLiteral("Video clips and pictures ...... Flickerbox Media Group"), LightCyan,
              ContributorSize);
    text_line(frame2, 8, {80, 202, 435, 28},
              QStringLiteral("Sounds and voice prompts ..... Flickerbox Media Group"), LightCyan,
              ContributorSize);

    constexpr double NoticeSize = 8;
    text_line(frame1_, 0, {24, 32, 185, 13}, QStringLiteral("Flickerbox Project Team"), Qt::white,
              NoticeSize);
    text_line(frame1_, 1, {24, 48, 457, 13}, QStringLiteral("123 Example Street, Sampletown, EX 00000"),
              Qt::white, NoticeSize);
    text_line(frame1_, 3, {24, 64, 553, 13},
              QStringLiteral("Tel. 555-0100     Fax 555-0101     support@example.org     www.example.org"),
              Qt::white, NoticeSize);
    // The notice lines share one centre line on the panel. They state the
    // licence the program is published under (the LICENSE file).
    text_line(frame1_, 4, {107, 384, 425, 13},
              QStringLiteral("Copyright (C) 2026 The Flickerbox Project Team."), LightRed, NoticeSize,
              Qt::AlignHCenter);
    text_line(frame1_, 2, {69, 400, 501, 13},
              QStringLiteral(
                  "Flickerbox II is free software under the GNU General Public License, version 3 or later:"),
              LightRed, NoticeSize, Qt::AlignHCenter);
    text_line(frame1_, 5, {121, 416, 396, 13},
              QStringLiteral("you may copy, share and change it under its terms."), LightRed, NoticeSize,
              Qt::AlignHCenter);
    text_line(frame1_, 6, {168, 432, 302, 13}, QStringLiteral("It comes with no warranty."), LightRed,
              NoticeSize, Qt::AlignHCenter);

    auto* quit = new QPushButton(QStringLiteral("Quit"), frame1_);
    quit->setObjectName(QStringLiteral("Command1"));
    quit->setGeometry(520, 16, 97, 25);
    connect(quit, &QPushButton::clicked, this, &CreditsWindow::quit_requested);
    // Repeats of the Esc held down in the menu window do not count.
    connect(new WindowKeys(*this), &WindowKeys::escape_pressed, this, &CreditsWindow::quit_requested);
}

void CreditsWindow::centre_panel(QSize screen)
{
    frame1_->move((screen.width() - 640) / 2, (screen.height() - 480) / 2);
}

bool CreditsWindow::event(QEvent* event)
{
    // Also on showing, for window systems that never activate the window.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        centre_panel(screen()->geometry().size());
    return QWidget::event(event);
}

void CreditsWindow::closeEvent(QCloseEvent* event)
{
    // The last window of the run: closing it ends the program like "Quit".
    event->accept();
    emit quit_requested();
}
