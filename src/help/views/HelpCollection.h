#pragma once
#include <QString>
#include <QStringList>

namespace zeb::help::views {

// Where ZEB's help collection (zeb.qhc with its zeb.qch) is found, and the
// writable copy the viewer opens: the full-text search keeps its index beside
// the collection, and the installed one may not be writable.
class HelpCollection {
  public:
    static constexpr const char* kCollectionFile = "zeb.qhc";
    static constexpr const char* kDocumentationFile = "zeb.qch";

    // The folders searched in order: installed, <prefix>/bin/../share/zeb/help,
    // and in the build tree, <build>/src/app/../../share/zeb/help.
    static QStringList defaultFolders(const QString& programFolder);

    // The first folder that holds both files, or an empty string.
    static QString find(const QStringList& folders);

    // Copies the collection of `sourceFolder` into `workFolder` unless the copy
    // there was made from the same files; returns the copy's collection file,
    // or an empty string (with `error` set) when it cannot be written.
    static QString prepareCopy(const QString& sourceFolder, const QString& workFolder,
                               QString* error);

    // A message for the user when no folder holds the help.
    static QString missingMessage(const QStringList& folders);
};

} // namespace zeb::help::views
