#include "app/language_qt.h"

#include "base/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace sonrel {

namespace {

QTranslator* programTranslator = nullptr;
QTranslator* qtTranslator = nullptr;

std::string translateWithQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

void drop(QTranslator*& translator) {
    if (!translator) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

} // namespace

void applyLanguage(Language language) {
    auto* app = QCoreApplication::instance();
    drop(programTranslator);
    drop(qtTranslator);
    setInterfaceLanguage(language);
    // Number formats are the program's own (decimal comma) in both languages;
    // the locale only decides the language of Qt's dialogs.
    if (language == Language::English) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        programTranslator = new QTranslator(app);
        if (programTranslator->load(QStringLiteral(":/i18n/sonrel6_en.qm")))
            QCoreApplication::installTranslator(programTranslator);
        else
            drop(programTranslator);
    } else {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qtTranslator = new QTranslator(app);
        if (qtTranslator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qtTranslator);
        else
            drop(qtTranslator);
    }
    setTextTranslator(&translateWithQt);
}

Language currentLanguage() {
    return interfaceLanguage();
}

std::string translateEarly(Language language, const char* context, const char* source) {
    if (language == Language::English) {
        QTranslator catalogue;
        if (catalogue.load(QStringLiteral(":/i18n/sonrel6_en.qm"))) {
            const QString text = catalogue.translate(context, source);
            if (!text.isEmpty()) return text.toStdString();
        }
    }
    return source;
}

} // namespace sonrel
