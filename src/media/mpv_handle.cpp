#include "media/mpv_handle.h"

#include <mpv/client.h>
#include <vector>

MpvHandle::MpvHandle(std::initializer_list<std::pair<const char*, const char*>> options)
{
    handle_ = mpv_create();
    if (!handle_)
        return;
    static const std::pair<const char*, const char*> common[] = {
        {"config", "no"},
        {"terminal", "no"},
        {"load-scripts", "no"},
        {"ytdl", "no"},
        {"input-default-bindings", "no"},
        {"input-vo-keyboard", "no"},
        {"osc", "no"},
        {"sub-auto", "no"},
        // libavformat only: a damaged or mislabelled file must fail, never be
        // read as a playlist that points somewhere else.
        {"demuxer", "lavf"},
        {"ao", "pulse,alsa,null"},
        {"audio-fallback-to-null", "yes"},
    };
    for (const auto& [name, value] : common)
        mpv_set_option_string(handle_, name, value);
    for (const auto& [name, value] : options)
        mpv_set_option_string(handle_, name, value);
    if (mpv_initialize(handle_) < 0) {
        mpv_terminate_destroy(handle_);
        handle_ = nullptr;
    }
}

MpvHandle::~MpvHandle()
{
    if (handle_)
        mpv_terminate_destroy(handle_);
}

bool MpvHandle::command(std::initializer_list<QString> args) const
{
    if (!handle_)
        return false;
    std::vector<QByteArray> utf8;
    utf8.reserve(args.size());
    for (const QString& arg : args)
        utf8.push_back(arg.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& arg : utf8)
        argv.push_back(arg.constData());
    argv.push_back(nullptr);
    return mpv_command(handle_, argv.data()) >= 0;
}

int64_t MpvHandle::load(const QString& path) const
{
    if (!handle_)
        return -1;
    const QByteArray utf8 = path.toUtf8();
    const char* argv[] = {"loadfile", utf8.constData(), "replace", nullptr};
    mpv_node result;
    if (mpv_command_ret(handle_, argv, &result) < 0)
        return -1;
    int64_t id = -1;
    if (result.format == MPV_FORMAT_NODE_MAP) {
        for (int i = 0; i < result.u.list->num; ++i) {
            if (qstrcmp(result.u.list->keys[i], "playlist_entry_id") == 0
                && result.u.list->values[i].format == MPV_FORMAT_INT64)
                id = result.u.list->values[i].u.int64;
        }
    }
    mpv_free_node_contents(&result);
    return id;
}

void MpvHandle::set_flag(const char* name, bool on) const
{
    if (!handle_)
        return;
    int value = on ? 1 : 0;
    mpv_set_property(handle_, name, MPV_FORMAT_FLAG, &value);
}

void MpvHandle::set_string(const char* name, const QString& value) const
{
    if (handle_)
        mpv_set_property_string(handle_, name, value.toUtf8().constData());
}

QString MpvHandle::property(const QString& name) const
{
    if (!handle_)
        return {};
    char* value = mpv_get_property_string(handle_, name.toUtf8().constData());
    const QString text = QString::fromUtf8(value);
    mpv_free(value);
    return text;
}
