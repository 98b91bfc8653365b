// The Drives window over a small catalogue: newest first, the filters and their totals in either
// unit, sorting by value, a drive whose card is gone saying where it is, and a name from a card
// shown as the text it is.
#include "library/views/DrivesDlg.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vemora;

namespace {

QString Texts(int id) {
    switch (id) {
    case 916:
        return QStringLiteral("%1 drives, %2, %3 driving");
    case 927:
        return QStringLiteral("%1 km");
    case 928:
        return QStringLiteral("%1 mi");
    case 925:
        return QStringLiteral("on %1 in %2");
    default:
        return QStringLiteral("#%1").arg(id);
    }
}

DriveSummary Summary(int64_t start, double metres, int jolts, const char* town) {
    DriveSummary s;
    s.startTime = start;
    s.endTime = start + 1800;
    s.durationMs = 1800000;
    s.distanceM = metres;
    s.incidents.jolts = jolts;
    s.start = DrivePosition{25.03, 121.56, town};
    s.end = DrivePosition{25.05, 121.52, "Taipei, TW"};
    return s;
}

} // namespace

TEST(DrivesDlgTest, FiltersTotalsAndSortsTheCataloguedDrives) {
    const QLocale before;
    QLocale::setDefault(QLocale::c());
    QTemporaryDir dir;
    const std::string db = dir.filePath(QStringLiteral("catalogue.sqlite3")).toStdString();
    {
        std::optional<Catalogue> catalogue = Catalogue::Open(db, nullptr);
        ASSERT_TRUE(catalogue);
        const CardIdentity card{"folder:/gone/", "", "<b>CARD</b>", "", "/gone/"};
        const int64_t day = 1767225600;
        const DriveSummary drives[] = {Summary(day, 16093.44, 0, "Banqiao, TW"),
                                       Summary(day + 86400, 8046.72, 2, "Keelung, TW"),
                                       Summary(day + 2 * 86400, 1609.344, 0, "Keelung, TW")};
        for (int i = 0; i < 3; ++i) {
            CataloguedFile f;
            f.path = "/gone/" + std::to_string(i) + "_F.MP4";
            f.relativePath = std::to_string(i) + "_F.MP4";
            f.startTime = drives[i].startTime;
            ASSERT_TRUE(catalogue->RecordDrive(card, drives[i], {f}, nullptr));
        }
    }
    CDrivesDlg dialog(Texts, QString::fromStdString(db), QString(), {}, nullptr);
    ASSERT_EQ(dialog.Model()->rowCount(), 3);
    EXPECT_EQ(dialog.DriveOfRow(0)->summary.distanceM, 1609.344); // newest first

    struct Case {
        const char* text;
        bool onlyIncidents;
        bool metric;
        QString totals;
    };
    const Case cases[] = {
        {"", false, true, QStringLiteral("3 drives, 25.7 km, 1:30:00 driving")},
        {"", false, false, QStringLiteral("3 drives, 16.0 mi, 1:30:00 driving")},
        {"keelung", false, false, QStringLiteral("2 drives, 6.0 mi, 1:00:00 driving")},
        {"KEELUNG", true, true, QStringLiteral("1 drives, 8.0 km, 30:00 driving")},
        {"<b>card", false, true, QStringLiteral("3 drives, 25.7 km, 1:30:00 driving")},
        {"nowhere", false, true, QStringLiteral("0 drives, 0.0 km, 0:00 driving")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DriveFilter filter;
        filter.text = c.text;
        filter.onlyWithIncidents = c.onlyIncidents;
        dialog.SetMetric(c.metric);
        dialog.SetFilter(filter);
        EXPECT_EQ(dialog.TotalsText(), c.totals);
    }

    dialog.SetFilter({});
    dialog.SetMetric(true);
    dialog.Table()->sortByColumn(kDriveDistance, Qt::DescendingOrder);
    EXPECT_EQ(dialog.DriveOfRow(0)->summary.distanceM, 16093.44); // by value, not by text
    EXPECT_EQ(dialog.Table()->model()->index(0, kDriveCard).data().toString(), QStringLiteral("<b>CARD</b>"));

    QSignalSpy absent(&dialog, &CDrivesDlg::driveAbsent);
    dialog.ActivateRow(0);
    ASSERT_EQ(absent.count(), 1);
    EXPECT_EQ(absent.at(0).at(0).toString(), QStringLiteral("on <b>CARD</b> in /gone/"));
    QLocale::setDefault(before);
}
