#pragma once
// A file system in memory for deciding the folders: files with their bytes,
// folders, and which of them may be written.

#include "state/folders.h"

#include <map>
#include <set>

struct FakeFiles final : FolderFileSystem {
    std::map<QString, QByteArray> files;
    std::set<QString> folders, writable;
    bool canMakeFolders = true;

    bool is_file(const QString& path) const override { return files.count(path) != 0; }
    bool is_folder(const QString& path) const override { return folders.count(path) != 0; }
    bool is_writable(const QString& path) const override { return writable.count(path) != 0; }
    QByteArray read_text(const QString& path) const override { return is_file(path) ? files.at(path) : ""; }
    bool make_folder(const QString& path) override
    {
        if (canMakeFolders)
            folders.insert(path);
        return canMakeFolders;
    }
    bool copy_file(const QString& from, const QString& to) override
    {
        if (!is_file(from))
            return false;
        files[to] = files.at(from);
        return true;
    }
    void add(const QString& folder, const QStringList& names, const QByteArray& bytes = "x")
    {
        folders.insert(folder);
        for (const QString& name : names)
            files[folder + name] = bytes;
    }
};
