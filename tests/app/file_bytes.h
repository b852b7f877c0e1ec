#pragma once
// Whole files as bytes, for suites that build or damage the player's files.

#include <QByteArray>
#include <QFile>
#include <gtest/gtest.h>
#include <string>

namespace quillo::test {

inline void WriteBytes(const std::string& path, const QByteArray& bytes)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray ReadBytes(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace quillo::test
