#include "ui/ModuleLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zeb::ui {

ModuleLibrary::ModuleLibrary(QString name) : name_(std::move(name)) {}

QStringList ModuleLibrary::folders() {
    return {QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                .absoluteFilePath(QStringLiteral(ZEB_MODULES_FROM_PROGRAMS))),
            QStringLiteral(ZEB_MODULES_IN_BUILD_TREE)};
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
