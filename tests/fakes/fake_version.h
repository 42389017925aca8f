#pragma once
// A version query that reports the version a test sets, or none.

#include "media/version_name.h"

#include <optional>

struct FakeVersionQuery : VersionQuery {
    std::optional<OsVersionInfo> reported;
    bool query(OsVersionInfo& info) override
    {
        if (reported)
            info = *reported;
        return reported.has_value();
    }
};
