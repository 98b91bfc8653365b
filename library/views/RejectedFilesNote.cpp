#include "library/views/RejectedFilesNote.h"

#include "library/views/RejectedFileTexts.h"
#include "library/views/RejectedFilesDlg.h"

namespace vemora {

CRejectedFilesNote::CRejectedFilesNote(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("rejectedFilesNote"));
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setStyleSheet(QStringLiteral("QLabel { color: #9a9a9a; }"));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    setFont(small);
    connect(this, &QLabel::linkActivated, this, [this] { ShowDetails(); });
    hide();
}

void CRejectedFilesNote::SetFiles(std::vector<RejectedFile> files) {
    m_files = std::move(files);
    Retext();
    setVisible(HasContent());
}

void CRejectedFilesNote::SetUnreadableFolders(int count) {
    m_nUnreadableFolders = count;
    Retext();
    setVisible(HasContent());
}

void CRejectedFilesNote::Retext() {
    if (!HasContent() || !m_lookup) {
        clear();
        return;
    }
    // The texts come from translation files: escaped before they go into rich text.
    QString text;
    if (m_nUnreadableFolders > 0)
        text = UnreadableFoldersText(m_lookup, m_nUnreadableFolders).toHtmlEscaped();
    if (!m_files.empty()) {
        if (!text.isEmpty())
            text += QStringLiteral(" \u00b7 ");
        text += RejectedNoteText(m_lookup, m_files.size()).toHtmlEscaped() +
                QStringLiteral(" \u2014 <a href=\"#details\" style=\"color:#8fb4e6;\">") +
                m_lookup(ids::kRejectedDetails).toHtmlEscaped() + QStringLiteral("</a>");
    }
    setText(text);
}

CRejectedFilesDlg* CRejectedFilesNote::ShowDetails() {
    if (m_files.empty() || !m_lookup)
        return nullptr;
    auto* dialog = new CRejectedFilesDlg(m_files, m_lookup, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

} // namespace vemora
