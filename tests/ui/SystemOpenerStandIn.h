#pragma once
// A stand-in for the desktop's xdg-open: while it lives, PATH names only a temporary folder that
// holds an xdg-open script recording the file it is asked to open and exiting with a chosen
// status, or, made without a status, no xdg-open at all.

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <optional>

class SystemOpenerStandIn {
public:
    explicit SystemOpenerStandIn(std::optional<int> exitStatus)
        : savedPath_(qgetenv("PATH")), log_(folder_.filePath("opened")) {
        if (exitStatus) {
            QFile script(folder_.filePath("xdg-open"));
            script.open(QIODevice::WriteOnly);
            QTextStream(&script) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << log_ << "'\nexit "
                                 << *exitStatus << "\n";
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        qputenv("PATH", folder_.path().toLocal8Bit());
    }
    ~SystemOpenerStandIn() { qputenv("PATH", savedPath_); }
    SystemOpenerStandIn(const SystemOpenerStandIn&) = delete;
    SystemOpenerStandIn& operator=(const SystemOpenerStandIn&) = delete;

    /// The files xdg-open was asked to open, in order.
    QStringList Opened() const {
        QFile file(log_);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir folder_;
    QByteArray savedPath_;
    QString log_;
};
