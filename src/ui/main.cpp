// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLocale>

#include "gamewindow.h"
#include "kelbor.h"
#include "translation.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelb's Pegboard"));
    // Desktops tie the window to its menu entry and metadata by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kelbspegboard.KelbsPegboard"));
    // The player's language before any text is made; in Polish, Qt's own
    // menus and buttons are Polish too where Qt's translation is installed.
    peg::LoadLanguage(app, peg::PreferredLanguage(QLocale::system().uiLanguages()));
    peg::GameWindow window;
    // The launcher found no folder of the player's to start in.
    if (QApplication::arguments().contains(QStringLiteral("--no-player-folder")))
        window.board()->TellNoPlayerFolder();
    window.show();
    return app.exec();
}
