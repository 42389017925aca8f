#pragma once
// Tells when another program destroys a window's X window (xdotool
// windowclose, a window manager's "destroy"). The toolkit itself does not
// notice: its window object lives on with nothing on screen and no input.

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

class NativeWindowWatch : public QAbstractNativeEventFilter {
public:
    // `destroyed` runs inside the event processing that received the news.
    NativeWindowWatch(const QWidget& window, std::function<void()> destroyed);
    ~NativeWindowWatch() override;
    NativeWindowWatch(const NativeWindowWatch&) = delete;
    NativeWindowWatch& operator=(const NativeWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& window_;
    std::function<void()> destroyed_;
};
