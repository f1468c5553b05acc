// InstalledSkin: a skin folder copied beside the test program for one test.
#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QUuid>

namespace orbo {

// A skin folder copied beside the test program under a name of its own; removed afterwards.
class InstalledSkin {
public:
    explicit InstalledSkin(const QString& source)
        : name_(QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
          path_(QCoreApplication::applicationDirPath() + QStringLiteral("/Skins/") + name_) {
        QDir().mkpath(path_);
        const QDir from(source);
        for (const QString& f : from.entryList(QDir::Files))
            QFile::copy(from.filePath(f), path_ + u'/' + f);
    }
    ~InstalledSkin() { QDir(path_).removeRecursively(); }
    const QString& Name() const { return name_; }
    const QString& Path() const { return path_; }

private:
    QString name_;
    QString path_;
};

} // namespace orbo
