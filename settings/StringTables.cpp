#include "settings/StringTables.h"

#include "settings/LanguageTable.h"

#include <QTranslator>

#include <array>
#include <memory>

namespace vemora {
namespace {

int IndexOfLangId(std::uint16_t wLangId) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (LanguageTable[static_cast<std::size_t>(i)].LangId() == wLangId)
            return i;
    }
    return -1;
}

// Loaded tables by language index; an entry stays null when its file could not be loaded.
std::array<std::unique_ptr<QTranslator>, kLanguageCount>& Tables() {
    static std::array<std::unique_ptr<QTranslator>, kLanguageCount> tables;
    return tables;
}

QTranslator* TableOf(std::uint16_t wLangId) {
    const int index = IndexOfLangId(wLangId);
    if (index < 0)
        return nullptr;
    auto& slot = Tables()[static_cast<std::size_t>(index)];
    if (!slot) {
        auto translator = std::make_unique<QTranslator>();
        const std::string_view name = LanguageTable[static_cast<std::size_t>(index)].qmName;
        const QString file = QStringLiteral(":/i18n/vemora_%1.qm")
                                 .arg(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
        if (translator->load(file))
            slot = std::move(translator);
    }
    return slot.get();
}

} // namespace

StringTables& StringTables::Instance() {
    static StringTables tables;
    return tables;
}

bool StringTables::HasTable(std::uint16_t wLangId) {
    return TableOf(wLangId) != nullptr;
}

QString StringTables::Lookup(std::uint16_t wLangId, int nId) {
    QTranslator* table = TableOf(wLangId);
    if (!table)
        return {};
    // Id-based messages are stored without context; the id text is the key.
    const QByteArray key = QByteArray::number(nId);
    return table->translate(nullptr, key.constData());
}

QString StringTables::LookupWithFallback(std::uint16_t wLangId, int nId) {
    QString text = Lookup(wLangId, nId);
    if (text.isEmpty())
        text = Lookup(LanguageTable[kJapaneseIndex].LangId(), nId);
    return text;
}

} // namespace vemora
