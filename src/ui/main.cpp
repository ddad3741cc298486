// SPDX-License-Identifier: MIT
#include <QApplication>

#include "gamewindow.h"
#include "kelbor.h"
#include "translation.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelb's Pegboard"));
    // Desktops tie the window to its menu entry and metadata by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kelbspegboard.KelbsPegboard"));
    // Qt's own menus and buttons in Polish like the rest; without the file
    // they stay English and the game goes on.
    peg::LoadQtPolish(app);
    peg::GameWindow window;
    // The launcher found no folder of the player's to start in.
    if (QApplication::arguments().contains(QStringLiteral("--no-player-folder")))
        window.board()->TellNoPlayerFolder();
    window.show();
    return app.exec();
}
