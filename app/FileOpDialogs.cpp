#include "app/FileOpDialogs.h"

#include "app/UserDialogs.h"
#include "settings/SettingsFile.h"

namespace vemora {

FileOpPrompt::Answer FileOpDialogs::AskOverwrite(const std::string& destinationPath) {
    auto& s = SettingsFile::Instance();
    QString text = s.LoadUiString(kOverwriteQuestionTextId);
    text.replace(QStringLiteral("%s"), QString::fromStdString(destinationPath));
    auto answer = m_pDialogs->MessageBox(m_pOwner, text, s.LoadUiString(kOverwriteQuestionCaptionId),
                                         UserDialogs::OkCancel);
    return answer == UserDialogs::AnswerOk ? Answer::Ok : Answer::Cancel;
}

void FileOpDialogs::ReportFailures(FileOperation, const std::vector<FileOpFailure>& failures) {
    if (failures.empty())
        return;
    // At most a screenful of names; the count says how many more there were.
    constexpr size_t kShown = 12;
    QString text;
    for (size_t i = 0; i < failures.size() && i < kShown; ++i)
        text += QString::fromStdString(failures[i].path) + QStringLiteral(": ") +
                QString::fromStdString(failures[i].reason) + QLatin1Char('\n');
    if (failures.size() > kShown)
        text += QStringLiteral("(+%1)").arg(failures.size() - kShown);
    m_pDialogs->MessageBox(m_pOwner, text.trimmed(), SettingsFile::Instance().LoadUiString(131),
                           UserDialogs::Ok);
}

} // namespace vemora
