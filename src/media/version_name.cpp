#include "media/version_name.h"

bool PlatformVersionQuery::query(OsVersionInfo&)
{
    return false;
}

QString os_version_name(VersionQuery& query)
{
    OsVersionInfo info;
    query.query(info);  // a failed query leaves the zeroed record: "Other"
    const bool nt = info.platformId == PlatformWin32Nt;
    switch (info.majorVersion) {
    case 3: return nt ? QStringLiteral("Windows NT 3.x") : QStringLiteral("Windows 3.x");
    case 4:
        if (nt)
            return QStringLiteral("Windows NT 4.0");
        return info.minorVersion == 0 ? QStringLiteral("Windows 95") : QStringLiteral("Windows 98");
    case 5:
        if (info.minorVersion == 0)
            return QStringLiteral("Windows 2000");
        if (info.minorVersion == 1)
            return QStringLiteral("Windows XP");
        return QString();  // 5.2 and later have no name of their own
    default: return QStringLiteral("Other");
    }
}

QString os_version_name()
{
    PlatformVersionQuery platform;
    return os_version_name(platform);
}
