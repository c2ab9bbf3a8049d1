#pragma once
// Makes a file or folder unwritable for the tests: with the immutable attribute when running
// as the super-user (whom file modes do not stop), else by its mode. Undone on destruction.
// locked() is false when this system allows neither; the test then skips that case.

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <unistd.h>

namespace korvel::test {

class LockedPath {
public:
    explicit LockedPath(const QString& path) : path_(path) {
        if (geteuid() == 0) {
            QProcess chattr;
            chattr.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            chattr.start(QStringLiteral("chattr"), {QStringLiteral("+i"), path_});
            immutable_ = chattr.waitForFinished() && chattr.exitStatus() == QProcess::NormalExit &&
                         chattr.exitCode() == 0;
            locked_ = immutable_;
        } else {
            original_ = QFile::permissions(path_);
            const auto keep = QFileInfo(path_).isDir()
                                  ? QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                  : QFileDevice::ReadOwner;
            locked_ = QFile::setPermissions(path_, keep);
        }
    }
    ~LockedPath() {
        if (immutable_)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_});
        else if (locked_)
            QFile::setPermissions(path_, original_);
    }
    LockedPath(const LockedPath&) = delete;
    LockedPath& operator=(const LockedPath&) = delete;

    bool locked() const { return locked_; }

private:
    QString path_;
    QFileDevice::Permissions original_;
    bool immutable_ = false;
    bool locked_ = false;
};

} // namespace korvel::test
