#include "ui/ModuleLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zeb::ui {

ModuleLibrary::ModuleLibrary(QString name) : name_(std::move(name)) {}

QStringList ModuleLibrary::folders() {
    const QDir programs(QCoreApplication::applicationDirPath());
    const QString modules = QStringLiteral(ZEB_MODULES_FROM_PROGRAMS);
    return {QDir::cleanPath(programs.filePath(modules)),
            QDir::cleanPath(programs.filePath(QStringLiteral("../") + modules))};
}

QFunctionPointer ModuleLibrary::resolve(const char* symbol) {
    if (!library_.isLoaded()) {
        const QString file = QStringLiteral("lib%1.so").arg(name_);
        QString path;
        for (const QString& folder : folders()) {
            const QString candidate = QDir(folder).absoluteFilePath(file);
            if (QFileInfo::exists(candidate)) {
                path = QDir::cleanPath(candidate);
                break;
            }
        }
        if (path.isEmpty()) {
            error_ = QStringLiteral("%1 was not found in %2.")
                         .arg(file, folders().join(QStringLiteral(" or ")));
            return nullptr;
        }
        library_.setFileName(path);
        if (!library_.load()) {
            error_ = library_.errorString();
            return nullptr;
        }
    }
    const QFunctionPointer function = library_.resolve(symbol);
    if (!function) error_ = library_.errorString();
    return function;
}

} // namespace zeb::ui
