#pragma once
// A small file written (or added to) by a test; one that cannot be written
// fails the test there. Read back, a file that cannot be opened gives
// `missing`, so a comparison with it fails and says so.

#include <QFile>
#include <gtest/gtest.h>

inline void write_test_file(const QString& path, const QByteArray& bytes,
                            QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    ASSERT_TRUE(file.open(mode)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}

inline QByteArray read_test_file(const QString& path, const QByteArray& missing = {})
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : missing;
}
