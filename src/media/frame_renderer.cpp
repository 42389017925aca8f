#include "media/frame_renderer.h"

#include <QtEndian>
#include <mpv/render.h>

#include <cstdlib>

namespace {

// mpv's software renderer runs fastest on 64-byte aligned rows.
constexpr size_t RowAlignment = 64;

QImage aligned_image(QSize size)
{
    const size_t stride = (size_t(size.width()) * 4 + RowAlignment - 1) / RowAlignment * RowAlignment;
    void* pixels = std::aligned_alloc(RowAlignment, stride * size_t(size.height()));
    if (!pixels)
        return {};
    return QImage(
        static_cast<uchar*>(pixels), size.width(), size.height(), qsizetype(stride), QImage::Format_RGB32,
        [](void* p) { std::free(p); }, pixels);
}

}  // namespace

FrameRenderer::FrameRenderer(mpv_handle* core, Deliver deliver)
    : deliver_(std::move(deliver))
{
    if (!core)
        return;
    char apiType[] = MPV_RENDER_API_TYPE_SW;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, apiType},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&context_, core, params) < 0) {
        context_ = nullptr;
        return;
    }
    mpv_render_context_set_update_callback(context_, &FrameRenderer::on_update, this);
    thread_ = std::thread(&FrameRenderer::run, this);
}

FrameRenderer::~FrameRenderer()
{
    if (!context_)
        return;
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_one();
    thread_.join();
    mpv_render_context_set_update_callback(context_, nullptr, nullptr);
    mpv_render_context_free(context_);
}

void FrameRenderer::set_target_size(QSize size)
{
    {
        std::lock_guard lock(mutex_);
        if (size == size_)
            return;
        size_ = size;
        redrawPending_ = true;
    }
    wake_.notify_one();
}

void FrameRenderer::redraw()
{
    {
        std::lock_guard lock(mutex_);
        redrawPending_ = true;
    }
    wake_.notify_one();
}

// Called by mpv on one of its own threads: only flag the work and wake up.
void FrameRenderer::on_update(void* self)
{
    auto* renderer = static_cast<FrameRenderer*>(self);
    {
        std::lock_guard lock(renderer->mutex_);
        renderer->updatePending_ = true;
    }
    renderer->wake_.notify_one();
}

void FrameRenderer::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return quit_ || updatePending_ || redrawPending_; });
        if (quit_)
            return;
        const bool redraw = redrawPending_;
        updatePending_ = redrawPending_ = false;
        const QSize size = size_;
        const uint64_t epoch = epoch_;
        lock.unlock();

        // Asking for updates is required on every wake-up; a new frame, a
        // new size or a request is a reason to draw.
        const bool newFrame = mpv_render_context_update(context_) & MPV_RENDER_UPDATE_FRAME;
        if ((newFrame || redraw) && !size.isEmpty()) {
            QImage frame = render(size);
            if (!frame.isNull())
                deliver_(frame, epoch);
        }
        lock.lock();
    }
}

QImage FrameRenderer::render(QSize size)
{
    QImage frame = aligned_image(size);
    if (frame.isNull())
        return {};
    int sizeParam[2] = {size.width(), size.height()};
    // The byte order of QImage::Format_RGB32, which Qt paints without conversion.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    char format[] = "bgr0";
#else
    char format[] = "0rgb";
#endif
    size_t stride = size_t(frame.bytesPerLine());
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, sizeParam}, {MPV_RENDER_PARAM_SW_FORMAT, format},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride}, {MPV_RENDER_PARAM_SW_POINTER, frame.bits()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(context_, params) < 0)
        return {};
    // mpv leaves the padding byte undefined (in practice 0), Qt expects an
    // opaque 0xff there: otherwise the picture may blend as transparent.
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(frame.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] |= 0xff000000u;
    }
    return frame;
}
