// SPDX-License-Identifier: MIT
#include <QApplication>

#include "kelbor.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelb's Pegboard"));
    peg::Kelbor window;
    window.show();
    return app.exec();
}
