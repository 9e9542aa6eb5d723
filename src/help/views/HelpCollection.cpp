#include "help/views/HelpCollection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zeb::help::views {

namespace {

constexpr const char* kStampFile = "copied-from.txt";

// What the copy was made from: the source files' paths, sizes and times.
QString stampOf(const QString& sourceFolder) {
    QString stamp;
    for (const char* name : {HelpCollection::kCollectionFile, HelpCollection::kDocumentationFile}) {
        const QFileInfo info(QDir(sourceFolder).filePath(QLatin1String(name)));
        stamp += QStringLiteral("%1 %2 %3\n")
                     .arg(info.absoluteFilePath())
                     .arg(info.size())
                     .arg(info.lastModified().toMSecsSinceEpoch());
    }
    return stamp;
}

QString readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

QStringList HelpCollection::defaultFolders(const QString& programFolder) {
    const QDir program(programFolder);
    return {QDir::cleanPath(program.filePath(QStringLiteral("../share/zeb/help"))),
            QDir::cleanPath(program.filePath(QStringLiteral("../../share/zeb/help")))};
}

QString HelpCollection::find(const QStringList& folders) {
    for (const QString& folder : folders) {
        const QDir dir(folder);
        if (QFileInfo::exists(dir.filePath(QLatin1String(kCollectionFile))) &&
            QFileInfo::exists(dir.filePath(QLatin1String(kDocumentationFile))))
            return folder;
    }
    return {};
}

QString HelpCollection::prepareCopy(const QString& sourceFolder, const QString& workFolder,
                                    QString* error) {
    const QDir work(workFolder);
    const QString collection = work.filePath(QLatin1String(kCollectionFile));
    const QString stamp = stampOf(sourceFolder);
    if (QFileInfo::exists(collection) && readAll(work.filePath(QLatin1String(kStampFile))) == stamp)
        return collection;

    // A copy of other files, or of none: start again with an empty folder,
    // so no search index of older pages survives.
    QDir(workFolder).removeRecursively();
    auto fail = [error](const QString& why) {
        if (error) *error = why;
        return QString();
    };
    if (!QDir().mkpath(workFolder))
        return fail(QStringLiteral("The folder %1 could not be made.").arg(workFolder));
    for (const char* name : {kCollectionFile, kDocumentationFile}) {
        const QString from = QDir(sourceFolder).filePath(QLatin1String(name));
        const QString to = work.filePath(QLatin1String(name));
        if (!QFile::copy(from, to))
            return fail(QStringLiteral("%1 could not be copied to %2.").arg(from, workFolder));
        // An installed copy may be read-only; the viewer writes to its own.
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    }
    QFile stampFile(work.filePath(QLatin1String(kStampFile)));
    if (!stampFile.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        stampFile.write(stamp.toUtf8()) < 0)
        return fail(QStringLiteral("%1 could not be written.").arg(stampFile.fileName()));
    return collection;
}

QString HelpCollection::missingMessage(const QStringList& folders) {
    return QStringLiteral("ZEB's help could not be found. It should be the files %1 and %2 in "
                          "one of these folders:\n%3\n\nInstall ZEB again, or build it again, "
                          "to bring the help back.")
        .arg(QLatin1String(kCollectionFile), QLatin1String(kDocumentationFile),
             folders.join(QLatin1Char('\n')));
}

} // namespace zeb::help::views
