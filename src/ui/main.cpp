#include <QApplication>

#include "builtinpictures.h"
#include "kelbor.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelb's Pegboard"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(peg::EmbeddedIcon())));
    peg::Kelbor window;
    window.show();
    return app.exec();
}
