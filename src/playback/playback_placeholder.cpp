#include "playback/playback_placeholder.h"

#include "state/globvars.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

PlaybackPlaceholder::PlaybackPlaceholder(const GlobVars& g, std::function<void()> onLeave, QWidget* parent)
    : QWidget(parent), onLeave_(std::move(onLeave))
{
    setWindowTitle(QStringLiteral("Flickerbox II"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Clips of this run (press Esc for the menu):"), this));
    auto* list = new QListWidget(this);
    list->setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i <= g.ClipCount; ++i)
        list->addItem(g.ClipList[i]);
    layout->addWidget(list);
}

void PlaybackPlaceholder::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape || !onLeave_) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Leave from the event loop, never from inside this handler: the callback
    // may delete this window.
    auto leave = std::exchange(onLeave_, nullptr);
    QTimer::singleShot(0, leave);
}
