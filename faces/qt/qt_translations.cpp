#include "faces/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace brenvol::qt {

void InstallQtTranslations() {
    auto* texts = new QTranslator(QCoreApplication::instance());  // goes with the application
    if (texts->load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(texts);
    }
}

}  // namespace brenvol::qt
