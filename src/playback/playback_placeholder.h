#pragma once
// Stand-in for the playback window until it is built: lists the clips of the
// run and returns to the menu on Esc.

#include <QWidget>
#include <functional>

struct GlobVars;
class QListWidget;

class PlaybackPlaceholder : public QWidget {
    Q_OBJECT
public:
    // onLeave runs once, from the event loop, when the user asks to go back.
    PlaybackPlaceholder(const GlobVars& g, std::function<void()> onLeave, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> onLeave_;
};
