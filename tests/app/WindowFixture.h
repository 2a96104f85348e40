#pragma once

#include <memory>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FakeSeams.h"
#include "Unit1.h"

// A program folder in a temporary directory, fakes for every seam, and the
// window built on them. Files are written before the window starts.
struct WindowFixture {
    QTemporaryDir folder;
    FakeSeams fakes;
    std::unique_ptr<TForm1> form;

    QString path(const QString &name) const { return QDir(folder.path()).filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the fixture file %s", qPrintable(name));
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TForm1 &start()
    {
        form = std::make_unique<TForm1>(folder.path(), fakes.seams());
        return *form;
    }
};

// One diary record as the program writes it; `date` and `time` as text.
inline QByteArray DiaryRecordBytes(const char *date, const char *time, const char *msg = "msg",
                                   const char *file = "(null)", const char *params = "0000000000")
{
    return QByteArray(date) + ' ' + time + "\r\n" + msg + "\r\n" + file + "\r\n" + params + "\r\n";
}
