#pragma once
// A small file written (or added to) by a test; one that cannot be written
// fails the test there.

#include <QFile>
#include <gtest/gtest.h>

inline void write_test_file(const QString& path, const QByteArray& bytes,
                            QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    ASSERT_TRUE(file.open(mode)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size()) << path.toStdString();
}
