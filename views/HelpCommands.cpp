#include "HelpCommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace scrivlette {

void HelpCommands::install(QMenuBar& menuBar) const {
    QMenu* menu = menuBar.addMenu(QMenuBar::tr("&Help"));
    menu->setObjectName(QStringLiteral("help"));
    QAction* help = menu->addAction(QMenuBar::tr("Scrivlette Help"));
    help->setObjectName(QStringLiteral("scrivletteHelp"));
    QObject::connect(help, &QAction::triggered, menu,
                     [openWindow = openWindow_] { openWindow("help"); });
}

} // namespace scrivlette
