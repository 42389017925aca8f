#include "app/developer_options.h"

#include <QCommandLineParser>

namespace {

std::optional<OsVersionInfo> windows_version(const QString& text)
{
    const QStringList parts = text.split(u'.');
    bool majorOk = false, minorOk = false;
    const uint major = parts.value(0).toUInt(&majorOk);
    const uint minor = parts.size() > 1 ? parts.value(1).toUInt(&minorOk) : 0;
    if (!majorOk || (parts.size() > 1 && !minorOk))
        return std::nullopt;
    return OsVersionInfo{major, minor, 0, PlatformWin32Nt};
}

}  // namespace

DeveloperOptions developer_options(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption responseLog(QStringLiteral("response-log"), QString(), QStringLiteral("file"));
    const QCommandLineOption version(QStringLiteral("windows-version"), QString(),
                                     QStringLiteral("major.minor"));
    parser.addOptions({responseLog, version});
    (void)parser.parse(arguments);  // unknown words are not the adult's concern
    return {parser.value(responseLog), windows_version(parser.value(version))};
}
