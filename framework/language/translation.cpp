#include "framework/language/translation.h"

#include "framework/language/date_locale.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QString>
#include <QTimeZone>
#include <QTranslator>

#include <memory>

// The translation files are carried in the program as Qt resources of a library of their own;
// asking for them is what links them in.
static void loadTranslationResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(fenwake_translations_translations);
        return true;
    }();
    (void)loaded;
}

namespace fenwake {

namespace {

constexpr const char* translationFolder = ":/translations/";

struct Installed {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    char decimalPoint = '.';
    QString language; // of the program's texts; empty for English
};

QDateTime wallClock(std::int64_t utcMilliseconds, int utcOffsetMinutes) {
    return QDateTime::fromMSecsSinceEpoch(utcMilliseconds, QTimeZone(utcOffsetMinutes * 60));
}

Installed& installed() {
    static Installed translators;
    return translators;
}

} // namespace

QLocale dateLocale() {
    const QLocale desktop = QLocale::system();
    const QString& language = installed().language;
    if (language.isEmpty() || desktop.name().section('_', 0, 0) == language) {
        return desktop;
    }
    return QLocale(language);
}

namespace {

void removeTranslator(std::unique_ptr<QTranslator>& translator) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}

bool installQt(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_" + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed().qt = std::move(translator);
    return true;
}

QString programFile(const QString& language) {
    return translationFolder + QString("fenwake_") + language + ".qm";
}

} // namespace

void Translation::installForDesktop() {
    loadTranslationResources();
    const QStringList languages = QLocale::system().uiLanguages();
    for (const QString& name : languages) {
        const QString language = QLocale(name).name().section('_', 0, 0);
        if (QFile::exists(programFile(language))) {
            install(language.toStdString());
            return;
        }
    }
    if (!languages.isEmpty()) {
        installQt(QLocale(languages.front()).name().section('_', 0, 0));
    }
}

bool Translation::install(std::string_view language) {
    loadTranslationResources();
    Installed& current = installed();
    removeTranslator(current.program);
    removeTranslator(current.qt);
    current.decimalPoint = '.';
    current.language.clear();
    const QString name =
        QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size()));
    auto translator = std::make_unique<QTranslator>();
    if (name.isEmpty() || !translator->load(programFile(name))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    current.program = std::move(translator);
    current.decimalPoint = QLocale(name).decimalPoint().front().toLatin1();
    current.language = name;
    installQt(name);
    return true;
}

std::string Translation::fill(std::string_view pattern,
                              std::initializer_list<std::string> arguments) {
    return fill(pattern, std::vector<std::string>(arguments));
}

std::string Translation::fill(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const std::size_t index = at + 1 < pattern.size() && pattern[at] == '%'
                                      ? static_cast<std::size_t>(pattern[at + 1] - '1')
                                      : arguments.size();
        if (index < arguments.size()) {
            text += arguments[index];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string Translation::inWords(const TranslatableText& text) {
    return text.empty() ? std::string() : fill(translated(text.id), text.arguments);
}

std::string Translation::number(std::string text) {
    const char point = installed().decimalPoint;
    for (char& c : text) {
        c = c == '.' ? point : c;
    }
    return text;
}

std::string Translation::dateTime(std::int64_t utcMilliseconds, int utcOffsetMinutes,
                                  bool seconds) {
    const QDateTime moment = wallClock(utcMilliseconds, utcOffsetMinutes);
    const QLocale locale = dateLocale();
    QString time = locale.timeFormat(QLocale::ShortFormat);
    if (seconds) {
        time.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    }
    return (locale.toString(moment.date(), QLocale::ShortFormat) + ' ' +
            locale.toString(moment.time(), time))
        .toStdString();
}

std::string Translation::longDate(std::int64_t utcMilliseconds, int utcOffsetMinutes) {
    const QLocale locale = dateLocale();
    // The long format without its day of the week: "8 December 2026", "December 8, 2026".
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("dddd[,.]?\\s*"));
    format.remove(weekday);
    return locale.toString(wallClock(utcMilliseconds, utcOffsetMinutes).date(), format.trimmed())
        .toStdString();
}

std::string translated(std::string_view id) {
    if (!installed().program) {
        return std::string(id); // English: the id is the text
    }
    const std::string key(id);
    return QCoreApplication::translate(nullptr, key.c_str()).toStdString();
}

} // namespace fenwake
