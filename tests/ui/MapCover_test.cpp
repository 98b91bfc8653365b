// The blank cover over the map window during the first seconds after start.

#include "app/DvrDlg.h"
#include "app/UserDialogs.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace vemora;

TEST(MapCoverTest, CoversTheMapFromAFifthOfASecondForTwoSeconds) {
    qputenv("VEMORA_LIBVLC", "/nonexistent/libvlc.so.5");
    class SilentDialogs : public UserDialogs {
        Answer MessageBox(QWidget*, const QString&, const QString&, Buttons) override { return AnswerOk; }
        void About(QWidget*) override {}
        QString ChooseFolder(QWidget*, const QString&) override { return {}; }
    } dialogs;
    CDvrDlg w(&dialogs);
    w.OnInitDialog();
    w.show();
    EXPECT_EQ(w.MapCover(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.MapCover() != nullptr; }, 1000));
    QWidget* cover = w.MapCover();
    EXPECT_EQ(cover->parentWidget(), w.MapWindow());
    EXPECT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->size(), w.MapWindow()->size() - QSize(5, 5));
    QTest::qWait(1500);
    EXPECT_NE(w.MapCover(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.MapCover() == nullptr; }, 1500));
}
