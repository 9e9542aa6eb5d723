#pragma once
#include <QLibrary>
#include <QString>
#include <QStringList>

namespace zeb::ui {

// A part of the program kept in a library of its own and loaded the first
// time it is needed: help, sound and printing link Qt libraries (and theirs)
// that a session may never use, which would otherwise be mapped and
// relocated at every start; the teaching windows' code would be resident.
class ModuleLibrary {
  public:
    // `name` without prefix or suffix ("zeb_help_module").
    explicit ModuleLibrary(QString name);

    // Loads the library on the first call; the symbol is null when the
    // library or the symbol is missing, and error() says why.
    QFunctionPointer resolve(const char* symbol);
    QString error() const { return error_; }

    // Where the libraries are looked for: installed, beside the programs'
    // folder; in the build tree, one level further up.
    static QStringList folders();

  private:
    QString name_;
    QLibrary library_;
    QString error_;
};

} // namespace zeb::ui
