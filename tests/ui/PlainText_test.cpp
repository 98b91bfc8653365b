// Names from a card are drawn as their characters: a folder called "<img src=/dev/zero>" or a link
// tag in a path never becomes markup in a label, a message box, a tooltip or a progress dialog.
#include "app/ClipExportDlg.h"
#include "app/UserDialogs.h"
#include "library/views/RejectedFilesDlg.h"
#include "widgets/PlainText.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace vemora;

namespace {

const QString kHostile = QStringLiteral("/media/CARD/DCIM/<img src=/dev/zero>/<a href=\"x\">click</a>/"
                                        "20240517_090000_F.MP4");

// What a reader sees of text shown in format: markup is rendered, plain text is not.
QString Drawn(const QString& text, Qt::TextFormat format) {
    const bool markup = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    if (!markup)
        return text;
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// The text and format of the message box QtUserDialogs shows, read while it is open.
std::pair<QString, Qt::TextFormat> MessageBoxShown() {
    std::pair<QString, Qt::TextFormat> shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = {box->text(), box->textFormat()};
            box->accept();
        }
    });
    QtUserDialogs().MessageBox(nullptr, kHostile, QStringLiteral("caption"), UserDialogs::OkCancel);
    return shown;
}

} // namespace

TEST(PlainText, CardNamesAreDrawnAsTheirCharacters) {
    struct Case {
        const char* name;
        std::function<std::pair<QString, Qt::TextFormat>()> shown;
    } cases[] = {
        {"the message boxes (overwrite question, failures)", MessageBoxShown},
        {"the recording's name in the clip dialog",
         [] {
             ClipDialogValues values;
             values.recordingName = kHostile;
             CClipExportDlg dialog(
                 values, [](int) { return QString(); }, {}, nullptr);
             for (QLabel* label : dialog.findChildren<QLabel*>())
                 if (label->text() == kHostile)
                     return std::pair{label->text(), label->textFormat()};
             return std::pair{QString(), Qt::AutoText};
         }},
        {"a progress dialog's label",
         [] {
             QProgressDialog dialog;
             MakePlain(dialog);
             dialog.setLabelText(kHostile);
             QLabel* label = dialog.findChild<QLabel*>();
             return std::pair{label->text(), label->textFormat()};
         }},
        {"the turned-down file's tooltip",
         [] {
             RejectedFile file{"20240517_090000_F.MP4", "/media/CARD/",
                               "DCIM/<img src=/dev/zero>/<a href=\"x\">click</a>/",
                               ReadVerdict{RejectReason::CutShort, {}}};
             CRejectedFilesDlg dialog(
                 {file}, [](int) { return QString(); }, nullptr);
             return std::pair{dialog.Table()->topLevelItem(0)->toolTip(0), Qt::AutoText};
         }},
        {"a tooltip of a path",
         [] {
             return std::pair{PlainToolTip(kHostile), Qt::AutoText};
         }},
    };
    for (const Case& c : cases) {
        auto [text, format] = c.shown();
        EXPECT_EQ(Drawn(text, format), kHostile) << c.name;
    }
}
