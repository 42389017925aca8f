#include "playback/exit_link.h"

#include <QMouseEvent>

ExitLink::ExitLink(QWidget* parent, std::function<void()> doubleClicked)
    : QLabel(parent)
    , doubleClicked_(std::move(doubleClicked))
{
    setObjectName(QStringLiteral("LabelExitLink"));
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    colours.setColor(QPalette::Window, QColor(0, 0, 192));
    setPalette(colours);
    setAutoFillBackground(true);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    setFont(font);
    // Left aligned, no border: the caption reads as two plain lines.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ExitLink::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void ExitLink::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void ExitLink::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    doubleClicked_();
}
