#pragma once
// Shared by the libFuzzer targets: the application object Qt's database drivers and
// resources need, the input as text, and a scratch folder outside the source tree (under
// the system's temporary folder, removed at exit).

#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace korvel::fuzz {

inline QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "korvel-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

inline const QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

inline QByteArray bytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline QString text(const std::uint8_t* data, std::size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

} // namespace korvel::fuzz
