#pragma once
// Owner of one libmpv core, set up the same way for every use in the program:
// no user configuration, no scripts, no terminal output, no playlist expansion,
// and an audio output list that ends with a silent device so that machines
// without sound still play in real time.

#include <QString>
#include <cstdint>
#include <initializer_list>

struct mpv_handle;

class MpvHandle {
public:
    // options: extra name/value pairs applied before the core starts.
    explicit MpvHandle(std::initializer_list<std::pair<const char*, const char*>> options = {});
    ~MpvHandle();
    MpvHandle(const MpvHandle&) = delete;
    MpvHandle& operator=(const MpvHandle&) = delete;

    // nullptr when libmpv could not start; every call below is then a no-op.
    mpv_handle* get() const { return handle_; }

    // Runs a command synchronously; true when mpv accepted it.
    bool command(std::initializer_list<QString> args) const;
    // Replaces whatever is playing with the file at path; returns the playlist
    // entry id that mpv's start and end events will carry, or -1.
    int64_t load(const QString& path) const;
    void set_flag(const char* name, bool on) const;
    void set_string(const char* name, const QString& value) const;
    // A property's value as text; "" when it is unavailable.
    QString property(const QString& name) const;

private:
    mpv_handle* handle_ = nullptr;
};
