// The help in a library of its own: Qt Help, with Sql and Network and
// theirs, is loaded the first time help is asked for.
#include "help/views/HelpAccess.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT zeb::help::views::HelpService*
zebCreateHelp(QWidget* owner, const zeb::help::views::HelpOptions* options) {
    return new zeb::help::views::HelpAccess(owner, *options);
}
