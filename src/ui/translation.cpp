// SPDX-License-Identifier: MIT
#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace peg {

bool LoadQtPolish(QCoreApplication &app, const QString &folder)
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // The exact file only: QTranslator::load would otherwise fall back to
    // shorter names such as qtbase.qm.
    const QString path = QDir(folder).filePath(QStringLiteral("qtbase_pl.qm"));
    if (!QFileInfo(path).isFile())
        return false;
    auto *translator = new QTranslator(&app);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace peg
