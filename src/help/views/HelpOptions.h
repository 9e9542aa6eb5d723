#pragma once
#include <QString>
#include <QStringList>

#include <functional>

namespace zeb::help::views {

struct HelpOptions {
    // The folder of the program: zeb-guide lies there, and the help is looked
    // for relative to it. By default the executable's folder.
    QString programFolder;
    // The folders the help collection is looked for in; by default
    // HelpCollection::defaultFolders(programFolder).
    QStringList helpFolders;
    // A writable folder for the copy the viewer opens; by default "help" in
    // the application's data folder.
    QString workFolder;
    // Tells the user something went wrong; by default a message box.
    std::function<void(const QString& text)> report;
};

} // namespace zeb::help::views
