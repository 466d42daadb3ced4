// The catalogues against the sources: every text the program shows has a translation in each
// language the program speaks and in the test language, with each of its placeholders and as
// many plural forms as the language has; every counted text has its English plural forms, and
// no catalogue keeps a text the sources no longer have.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "failure.h"

namespace {

struct Message {
    bool numerus = false;
    bool finished = true;
    QStringList forms;  // the translation, or each of its plural forms
};

// A message is known by its context, its source and its disambiguation.
using Catalogue = std::map<QString, Message>;

Catalogue Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    Catalogue catalogue;
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement()) {
            if (name == u"name") context = xml.readElementText();
            if (name == u"message") {
                message =
                    Message{.numerus = xml.attributes().value(QStringLiteral("numerus")) == u"yes",
                            .finished = true,
                            .forms = {}};
                source.clear();
                comment.clear();
            }
            if (name == u"source") source = xml.readElementText();
            if (name == u"comment") comment = xml.readElementText();
            if (name == u"translation") {
                const auto type = xml.attributes().value(QStringLiteral("type"));
                message.finished = type.isEmpty();
                if (!message.numerus) message.forms << xml.readElementText();
            }
            if (name == u"numerusform") message.forms << xml.readElementText();
        } else if (xml.isEndElement() && name == u"message") {
            catalogue[context + u'|' + source + u'|' + comment] = message;
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return catalogue;
}

QSet<QString> Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QSet<QString> found;
    for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
    return found;
}

QString Catalogues(const std::string& name) {
    return QStringLiteral(DICEWRIGHT_TRANSLATIONS_DIR "/") + QString::fromStdString(name);
}

Catalogue Sources() {
    return Read(QStringLiteral(DICEWRIGHT_SOURCE_TEXTS));
}

// Polish and Russian count "1 rzut, 2 rzuty, 5 rzutów"; the others "1 roll, 2 rolls".
qsizetype PluralForms(const std::string& language) {
    return language == "pl" || language == "ru" ? 3 : 2;
}

// Every language of the build's list but English, whose catalogue holds only plural forms.
std::vector<std::string> Translated() {
    std::vector<std::string> languages;
    for (const QString& language : QStringLiteral(DICEWRIGHT_LANGUAGES).split(u' '))
        if (language != u"en") languages.push_back(language.toStdString());
    languages.push_back("en_XA");
    return languages;
}

class TranslationTest : public ::testing::TestWithParam<std::string> {};

TEST_P(TranslationTest, TranslatesEveryTextWithItsPlaceholders) {
    const Catalogue sources = Sources();
    ASSERT_GT(sources.size(), 50u);
    const Catalogue translated = Read(Catalogues(std::string("dicewright_") + GetParam() + ".ts"));
    for (const auto& [key, source] : sources) {
        const auto found = translated.find(key);
        ASSERT_NE(found, translated.end()) << "no translation of " << key.toStdString();
        const Message& message = found->second;
        EXPECT_TRUE(message.finished) << "unfinished: " << key.toStdString();
        EXPECT_EQ(message.forms.size(), message.numerus ? PluralForms(GetParam()) : 1)
            << key.toStdString();
        const QString text = key.section(u'|', 1, 1);
        for (const QString& form : message.forms) {
            EXPECT_FALSE(form.isEmpty()) << key.toStdString();
            // A counted text may leave out %n and write "1 Wurf" for the count of one.
            QSet<QString> wanted = Placeholders(text);
            if (message.numerus && form == message.forms.first())
                wanted.remove(QStringLiteral("%n"));
            EXPECT_TRUE(Placeholders(form).contains(wanted))
                << key.toStdString() << " -> " << form.toStdString();
        }
    }
    for (const auto& [key, message] : translated)
        EXPECT_TRUE(sources.contains(key)) << "no longer in the sources: " << key.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, ::testing::ValuesIn(Translated()));

// The web page words the engine's failures by the words of their table, which the desktop's
// message box must say too: else the catalogues would have no translation for the page.
TEST(FailureWords, AreTheDesktopsTexts) {
    const Catalogue sources = Sources();
    for (const dicewright::FailureWords& failure : dicewright::kFailureWords) {
        const QString key = QString::fromUtf8(dicewright::kFailureContext.data(),
                                              dicewright::kFailureContext.size()) +
                            u'|' + QString::fromUtf8(failure.words.data(), failure.words.size()) +
                            u'|';
        EXPECT_TRUE(sources.contains(key)) << "no desktop text " << key.toStdString();
    }
}

TEST(EnglishTranslation, GivesEveryCountedTextItsPluralForms) {
    const Catalogue english = Read(Catalogues("dicewright_en.ts"));
    for (const auto& [key, source] : Sources()) {
        if (!source.numerus) continue;
        const auto found = english.find(key);
        ASSERT_NE(found, english.end()) << "no English plural forms for " << key.toStdString();
        EXPECT_EQ(found->second.forms.size(), 2) << key.toStdString();
    }
}

}  // namespace
