// SPDX-License-Identifier: MIT
#include "translation.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include "translate.h"

namespace peg {

namespace {

bool Install(QCoreApplication &app, const QString &path)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

std::string ThroughQt(const char *context, const char *source)
{
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

Language PreferredLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return Language::English;
        if (language == QLatin1String("pl"))
            return Language::Polish;
    }
    return Language::Polish;
}

bool LoadQtPolish(QCoreApplication &app, const QString &folder)
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // The exact file only: QTranslator::load would otherwise fall back to
    // shorter names such as qtbase.qm.
    const QString path = QDir(folder).filePath(QStringLiteral("qtbase_pl.qm"));
    return QFileInfo(path).isFile() && Install(app, path);
}

bool LoadLanguage(QCoreApplication &app, Language language)
{
    if (language == Language::Polish)
        return LoadQtPolish(app);
    // Qt's own strings are English already.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!Install(app, QStringLiteral(":/i18n/kelbs-pegboard_en.qm")))
        return false;
    SetTranslator(ThroughQt);
    return true;
}

} // namespace peg
