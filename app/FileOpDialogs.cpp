#include "app/FileOpDialogs.h"

#include "app/FileOpProgressDlg.h"
#include "app/UserDialogs.h"
#include "settings/LanguageTable.h"
#include "settings/SettingsFile.h"

#include <QLocale>

#include <cerrno>
#include <cstring>

namespace vemora {
namespace {

QString Text(int id) {
    return SettingsFile::Instance().LoadUiString(id);
}

QLocale InterfaceLocale() {
    const int index = SettingsFile::Instance().m_nLangIndex;
    if (index < 0 || index >= kLanguageCount)
        return QLocale::c();
    return QLocale(QString::fromLatin1(LanguageTable[static_cast<size_t>(index)].qmName));
}

int ReasonId(int errorCode) {
    using namespace fileop_text;
    switch (errorCode) {
    case ENOSPC:
    case EDQUOT:
        return kReasonFull;
    case EACCES:
    case EPERM:
        return kReasonDenied;
    case EROFS:
        return kReasonReadOnly;
    case ENOENT:
        return kReasonGone;
    case EIO:
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
        return kReasonDevice;
    case ENOTDIR:
    case EEXIST:
        return kReasonNotFolder;
    case EFBIG:
        return kReasonTooLarge;
    default:
        return kReasonOther;
    }
}

// At most a screenful of failures; the count says how many more there were.
constexpr size_t kFailuresShown = 12;

QString FailureLines(const std::vector<FileOpFailure>& failures) {
    QString text;
    for (size_t i = 0; i < failures.size() && i < kFailuresShown; ++i)
        text += QString::fromStdString(failures[i].path) + QStringLiteral(": ") + FailureText(failures[i]) +
                QLatin1Char('\n');
    if (failures.size() > kFailuresShown)
        text += QStringLiteral("(+%1)\n").arg(failures.size() - kFailuresShown);
    return text;
}

int OperationOffset(FileOperation operation) {
    return static_cast<int>(operation) - static_cast<int>(FileOperation::Copy);
}

} // namespace

QString DataSizeText(uint64_t bytes) {
    return InterfaceLocale().formattedDataSize(static_cast<qint64>(bytes), 1,
                                               QLocale::DataSizeTraditionalFormat);
}

QString DurationText(int64_t seconds) {
    if (seconds < 0)
        seconds = 0;
    const int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    if (h > 0)
        return QStringLiteral("%1:%2:%3")
            .arg(h)
            .arg(m, 2, 10, QLatin1Char('0'))
            .arg(s, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

QString FailureText(const FileOpFailure& failure) {
    using namespace fileop_text;
    const int step =
        kStepMakeFolder + static_cast<int>(failure.step) - static_cast<int>(FileOpStep::MakeFolder);
    const int reasonId = ReasonId(failure.errorCode);
    QString reason = Text(reasonId);
    if (reasonId == kReasonOther)
        reason = reason.arg(QStringLiteral("%1 (%2)")
                                .arg(failure.errorCode)
                                .arg(QString::fromLocal8Bit(std::strerror(failure.errorCode))));
    return Text(step) + QStringLiteral(": ") + reason;
}

QString FileOpReportText(const FileOpPlan& plan, const FileOpOutcome& outcome) {
    using namespace fileop_text;
    const size_t total = plan.jobs.size();
    const size_t done = outcome.Count(JobResult::Done);
    QString text;
    if (plan.operation == FileOperation::Copy) {
        uint64_t bytes = 0;
        for (size_t i = 0; i < total && i < outcome.results.size(); ++i)
            if (outcome.results[i] == JobResult::Done)
                bytes += plan.jobs[i].bytes;
        text = Text(kReportCopied).arg(done).arg(total).arg(DataSizeText(bytes));
    } else {
        text = Text(kReportDeleted + OperationOffset(plan.operation) - 1).arg(done).arg(total);
    }
    text += QLatin1Char('\n');
    if (const size_t notDone = outcome.Count(JobResult::NotDone); outcome.cancelled && notDone > 0)
        text += Text(kReportCancelled).arg(notDone) + QLatin1Char('\n');
    if (const size_t spared = outcome.Count(JobResult::SparedLock))
        text += Text(kReportSpared).arg(spared) + QLatin1Char('\n');
    if (!plan.kept.empty())
        text += Text(kReportKept).arg(plan.kept.size()) + QLatin1Char('\n');
    if (!outcome.failures.empty())
        text += QLatin1Char('\n') + Text(kReportNotDone) + QLatin1Char('\n') + FailureLines(outcome.failures);
    return text.trimmed();
}

FileOpPrompt::Answer FileOpDialogs::AskOverwrite(const std::string& destinationPath) {
    QString text = Text(kOverwriteQuestionTextId);
    text.replace(QStringLiteral("%s"), QString::fromStdString(destinationPath));
    auto answer =
        m_pDialogs->MessageBox(m_pOwner, text, Text(kOverwriteQuestionCaptionId), UserDialogs::OkCancel);
    return answer == UserDialogs::AnswerOk ? Answer::Ok : Answer::Cancel;
}

void FileOpDialogs::ReportFailures(FileOperation operation, const std::vector<FileOpFailure>& failures) {
    if (failures.empty())
        return;
    m_pDialogs->MessageBox(m_pOwner, FailureLines(failures).trimmed(), FileOpProgressDlg::Caption(operation),
                           UserDialogs::Ok);
}

void FileOpDialogs::ReportOutcome(const FileOpPlan& plan, const FileOpOutcome& outcome) {
    m_pDialogs->MessageBox(m_pOwner, FileOpReportText(plan, outcome),
                           FileOpProgressDlg::Caption(plan.operation), UserDialogs::Ok);
}

} // namespace vemora
