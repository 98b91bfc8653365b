// The list of the card's incidents: the kind filter, the CSV of the rows shown, and a double-click
// asking for the incident's recording and time whatever the sort order.
#include "library/views/IncidentsDlg.h"

#include <QSignalSpy>
#include <QTableView>

#include <gtest/gtest.h>

using namespace vemora;

namespace {

IncidentListRow Row(const char* file, int group, IncidentKind kind, int64_t ms, double strength, int speed) {
    return IncidentListRow{ListedIncident{file, 1715930000, Incident{kind, ms, strength, speed}}, group};
}

} // namespace

TEST(IncidentsDlgTest, FiltersExportsAndPlaysTheChosenIncident) {
    CIncidentsDlg dialog([](int id) { return QStringLiteral("#%1").arg(id); }, {}, nullptr);
    dialog.SetRows({Row("/card/A_F.MP4", 0, IncidentKind::Jolt, 12000, 2.5, 24),
                    Row("/card/A_F.MP4", 0, IncidentKind::HardBraking, 30000, 8.3, 60),
                    Row("/card/B,1_F.MP4", 2, IncidentKind::Jolt, 5000, 0.9, -1)});
    struct Case {
        int filter;
        int rows;
    };
    for (Case c : {Case{1, 2}, Case{2, 1}, Case{0, 3}}) {
        dialog.SetKindFilter(c.filter);
        EXPECT_EQ(dialog.VisibleRowCount(), c.rows) << "filter " << c.filter;
    }

    const std::string csv = dialog.CsvOfVisibleRows();
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")), "date_time,drive,file,time_ms,kind,strength,speed_kmh");
    EXPECT_NE(csv.find(",G0,/card/A_F.MP4,30000,hard_braking,8.30,60\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",G2,\"/card/B,1_F.MP4\",5000,jolt,0.90,\r\n"), std::string::npos) << csv;

    // Strongest first: the hard braking heads the list.
    dialog.Table()->sortByColumn(3, Qt::DescendingOrder);
    QSignalSpy played(&dialog, &CIncidentsDlg::playIncident);
    dialog.ActivateRow(0);
    ASSERT_EQ(played.count(), 1);
    EXPECT_EQ(played[0][0].toString(), QStringLiteral("/card/A_F.MP4"));
    EXPECT_EQ(played[0][1].toLongLong(), 30000);
}
