#pragma once
// The name of the Windows version the program runs on. The playback loop
// presents clips on the player's own frames for a named version and with
// still frames for "Other".

#include <QString>
#include <cstdint>

struct OsVersionInfo {
    uint32_t majorVersion = 0, minorVersion = 0, buildNumber = 0, platformId = 0;
};

// Fills in the platform's version; a platform without one leaves it as it is.
class VersionQuery {
public:
    virtual ~VersionQuery() = default;
    virtual bool query(OsVersionInfo& info) = 0;  // false when nothing was reported
};

// Every system this program is built for either is not Windows or is newer
// than the versions with a name of their own, so it reports no version.
class PlatformVersionQuery : public VersionQuery {
public:
    bool query(OsVersionInfo& info) override;
};

// Reports a version given by the caller: how a developer reaches the turn
// that holds the player's own first frame on a system without such a version.
class ReportedVersionQuery : public VersionQuery {
public:
    explicit ReportedVersionQuery(OsVersionInfo info)
        : info_(info)
    {
    }
    bool query(OsVersionInfo& info) override
    {
        info = info_;
        return true;
    }

private:
    OsVersionInfo info_;
};

inline constexpr uint32_t PlatformWin32Nt = 2;

// The name from the version table; the record is zeroed before the query, so
// a query that reports nothing gives "Other".
QString os_version_name(VersionQuery& query);
QString os_version_name();  // with PlatformVersionQuery
