#include "view/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "state/GlobalDecl.h"

namespace {

struct Translation {
    std::string asked;    // the last language asked for
    std::string inUse = "en";
    QTranslator* translator = nullptr;
};

Translation& Current() {
    static Translation t;
    return t;
}

}  // namespace

void UseQtLanguage(const std::string& language) {
    Translation& t = Current();
    if (language == t.asked || !QCoreApplication::instance()) return;
    t.asked = language;
    if (t.translator) {
        QCoreApplication::removeTranslator(t.translator);
        delete t.translator;
        t.translator = nullptr;
        t.inUse = "en";
    }
    if (language == "en") return;  // Qt's own words are English already
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QString("qtbase_") + QString::fromStdString(language),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator)) {
        t.translator = translator;
        t.inUse = language;
    } else {
        delete translator;  // without the system's translations the words stay English
    }
}

void FollowGameLanguage() { UseQtLanguage(gd.LanguageOffset == 2000 ? "en" : "fr"); }

std::string QtLanguageInUse() { return Current().inUse; }
