#include <QApplication>

#include "builtintiles.h"
#include "kelbor.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelb's Pegboard"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(peg::BuiltinIcon())));
    peg::Kelbor window;
    window.show();
    return app.exec();
}
