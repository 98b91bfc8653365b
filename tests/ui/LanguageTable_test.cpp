// The sixteen languages and their string tables: lookup, the Japanese fallback and the completeness
// of every compiled table.
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"
#include "settings/StringTables.h"

#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace vemora {
namespace {

const QString kJapaneseHevcWarning = QStringLiteral(
    "このコンピュータは、H.265(HEVC)を再生するために必要な動画再生支援機能が搭載されていないため、"
    "正常に動画を再生することができない場合があります");

std::vector<int> AllIds() {
    std::vector<int> ids;
    for (int id = 101; id <= 146; ++id)
        ids.push_back(id);
    for (int id = 179; id <= 215; ++id)
        ids.push_back(id);
    for (int id = 220; id <= 234; ++id)
        ids.push_back(id);
    for (int id = 500; id <= 527; ++id)
        ids.push_back(id);
    return ids;
}

bool HoldsHevcWarning(int index) {
    return index == 0 || index == 1 || index == 2 || index == kJapaneseIndex;
}

std::uint16_t LangIdOf(int index) {
    return LanguageTable[static_cast<std::size_t>(index)].LangId();
}

// A settings object over a fresh file in a temporary folder, set to one language.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    SettingsFile& Settings(int index) {
        m_settings = std::make_unique<SettingsFile>(m_dir.filePath("Kalvo.ini").toStdString());
        EXPECT_TRUE(m_settings->SetLanguage(index));
        return *m_settings;
    }
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsFile> m_settings;
};

TEST(LanguageTableTest, HoldsTheSixteenLanguagesInOrder) {
    struct Row {
        std::u16string_view code;
        std::u16string_view name;
        std::uint16_t langId;
    };
    const Row rows[kLanguageCount] = {
        {u"ENG", u"English", 0x0409},    {u"CHS", u"简体中文", 0x0804}, {u"CHT", u"繁體中文", 0x0404},
        {u"ESP", u"español", 0x040A},    {u"RUS", u"русский", 0x0419},  {u"POR", u"português", 0x0816},
        {u"JPN", u"日本語", 0x0411},     {u"GER", u"Deutsch", 0x0407},  {u"FRA", u"français", 0x040C},
        {u"KOR", u"한국의", 0x0412},     {u"ITA", u"italiano", 0x0410}, {u"LAT", u"Latviski", 0x0426},
        {u"POL", u"Polski", 0x0415},     {u"ROM", u"Română", 0x0418},   {u"SLV", u"Slovenčina", 0x041B},
        {u"UKR", u"Українська", 0x0422},
    };
    for (int i = 0; i < kLanguageCount; ++i) {
        const LanguageEntry& entry = LanguageTable[static_cast<std::size_t>(i)];
        EXPECT_TRUE(entry.code == rows[i].code) << i;
        EXPECT_TRUE(entry.nativeName == rows[i].name) << i;
        EXPECT_EQ(entry.LangId(), rows[i].langId) << i;
        EXPECT_EQ(FindLanguage(rows[i].code), i);
    }
    EXPECT_EQ(LanguageTable[kJapaneseIndex].code, u"JPN");
}

TEST(LanguageTableTest, FindsCodesOnlyByExactWholeText) {
    for (const std::u16string_view code : {u"eng", u"Eng", u"ENG ", u" ENG", u"EN", u"ENGL", u"", u"XYZ"})
        EXPECT_EQ(FindLanguage(code), -1);
}

TEST_F(LanguageTest, GermanShowsGermanTooltipsAndTheHevcWarningInJapanese) {
    SettingsFile& settings = Settings(7);
    EXPECT_EQ(settings.LoadUiString(179), QStringLiteral("Dateien öffnen"));
    EXPECT_EQ(settings.LoadUiString(185), QStringLiteral("Stopp"));
    EXPECT_EQ(settings.LoadUiString(146), kJapaneseHevcWarning);
}

TEST_F(LanguageTest, SpanishAndItalianUseTheirOwnTables) {
    SettingsFile& spanish = Settings(3);
    EXPECT_EQ(spanish.LoadUiString(108), QStringLiteral("Cancelar"));
    EXPECT_EQ(spanish.LoadUiString(179), QStringLiteral("Abrir archivos"));
    SettingsFile& italian = Settings(10);
    EXPECT_EQ(italian.LoadUiString(108), QStringLiteral("Annulla"));
    EXPECT_EQ(italian.LoadUiString(179), QStringLiteral("Apri file"));
}

TEST_F(LanguageTest, EnglishTextsAreTheProgramsOwn) {
    SettingsFile& settings = Settings(kEnglishIndex);
    EXPECT_EQ(settings.LoadUiString(101), QStringLiteral("&About Vemora Viewer..."));
    EXPECT_EQ(settings.LoadUiString(132), QStringLiteral("Folder is not exist."));
    EXPECT_EQ(settings.LoadUiString(135),
              QStringLiteral("No seletected files. Please select some files and try this operation again."));
    EXPECT_EQ(settings.LoadUiString(141),
              QStringLiteral("File \"%s\" is already exist. Are you sure to overwrite it?"));
    EXPECT_EQ(settings.LoadUiString(199), QStringLiteral("Change Speed Unit KPH/MPH."));
}

TEST_F(LanguageTest, IdsThatNoTableHoldsGiveEmptyText) {
    for (const int language : {kEnglishIndex, kJapaneseIndex, 7}) {
        SettingsFile& settings = Settings(language);
        for (const int id : {0, -1, 100, 147, 160, 178, 216, 65535, 1000000})
            EXPECT_TRUE(settings.LoadUiString(id).isEmpty()) << language << ' ' << id;
    }
}

TEST_F(LanguageTest, LookupFollowsTheLanguageIndex) {
    SettingsFile& settings = Settings(kEnglishIndex);
    settings.m_nLangIndex = 7;
    EXPECT_EQ(settings.LoadUiString(180), QStringLiteral("Schnappschuss"));
    EXPECT_EQ(settings.m_wLangId, 0x0407);
}

TEST_F(LanguageTest, JapaneseIsTheStartLanguageForUnknownCodes) {
    const QString path = m_dir.filePath("Kalvo.ini");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[UI]\nLANGID=XYZ\n");
    file.close();
    SettingsFile settings(path.toStdString());
    EXPECT_EQ(settings.LoadUiString(108), QStringLiteral("キャンセル"));
    EXPECT_EQ(settings.LoadUiString(146), kJapaneseHevcWarning);
}

// Words that are the same in English and in a language, as its speakers would write them.
bool MayEqualEnglish(int index, int id) {
    static const QSet<int> everywhere = {107, 121, 145}; // "OK", "ID"
    if (everywhere.contains(id))
        return true;
    const std::u16string_view code = LanguageTable[static_cast<std::size_t>(index)].code;
    if (code == u"FRA")
        return id == 183 || id == 187; // "Configuration", "Volume"
    if (code == u"ITA")
        return id == 113 || id == 204 || id == 187; // "File", "Volume"
    if (code == u"POR")
        return id == 187; // "Volume"
    if (code == u"POL")
        return id == 112 || id == 124; // "Folder"
    if (code == u"SLV")
        return id == 111; // "Disk"
    return false;
}

TEST(StringTablesTest, EverySelectableLanguageHoldsAllItsTexts) {
    StringTables& tables = StringTables::Instance();
    for (int index = 0; index < kLanguageCount; ++index) {
        ASSERT_TRUE(tables.HasTable(LangIdOf(index))) << "missing compiled table for language " << index;
        for (const int id : AllIds()) {
            const QString text = tables.Lookup(LangIdOf(index), id);
            if (id == 146 && !HoldsHevcWarning(index)) {
                EXPECT_TRUE(text.isEmpty()) << index << ' ' << id;
                continue;
            }
            EXPECT_FALSE(text.isEmpty()) << index << ' ' << id;
            if (index == kEnglishIndex || MayEqualEnglish(index, id))
                continue;
            EXPECT_NE(text, tables.Lookup(LangIdOf(kEnglishIndex), id))
                << "untranslated: " << index << ' ' << id;
        }
    }
}

TEST(StringTablesTest, TranslationsKeepPlaceholdersAndTheAccelerator) {
    StringTables& tables = StringTables::Instance();
    for (int index = 0; index < kLanguageCount; ++index) {
        for (const int id : {125, 126, 141})
            EXPECT_EQ(tables.Lookup(LangIdOf(index), id).count(QStringLiteral("%s")), 1)
                << index << ' ' << id;
        const QString about = tables.Lookup(LangIdOf(index), 101);
        EXPECT_EQ(about.count(QLatin1Char('&')), 1) << index;
        EXPECT_TRUE(about.contains(QStringLiteral("Vemora Viewer"))) << index;
    }
}

TEST(StringTablesTest, ChineseAndJapaneseTablesHoldTheHevcWarning) {
    StringTables& tables = StringTables::Instance();
    EXPECT_EQ(tables.Lookup(0x0411, 146), kJapaneseHevcWarning);
    EXPECT_TRUE(tables.Lookup(0x0804, 146).contains(QStringLiteral("H.265")));
    EXPECT_TRUE(tables.Lookup(0x0404, 146).contains(QStringLiteral("H.265")));
    EXPECT_NE(tables.Lookup(0x0804, 146), tables.Lookup(0x0404, 146));
}

TEST(StringTablesTest, LanguageIdsOfNoEntryHaveNoTable) {
    StringTables& tables = StringTables::Instance();
    for (const std::uint16_t langId : {0x0001, 0x0405, 0x041F, 0x000A, 0x0010, 0x0000})
        EXPECT_TRUE(tables.Lookup(langId, 101).isEmpty()) << langId;
}

} // namespace
} // namespace vemora
