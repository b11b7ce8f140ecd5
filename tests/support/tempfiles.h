// A temporary folder for file tests, removed with its contents at the end: write a file into it,
// read any file back.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

class TempFiles : public QTemporaryDir {
public:
    // Writes `bytes` to the file `name` in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << "cannot create " << path.toStdString();
        EXPECT_EQ(file.write(bytes), bytes.size()) << "cannot write " << path.toStdString();
        return path;
    }

    // The bytes of the file at `path`; a test failure when it cannot be read.
    static QByteArray read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot read " << path.toStdString();
        return file.readAll();
    }
};
