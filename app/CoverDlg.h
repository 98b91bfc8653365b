#pragma once
// A blank cover laid over the map window for the first seconds after start, while the browser
// starts and the map page loads behind it.

#include <QWidget>

namespace vemora {

class CCoverDlg : public QWidget {
    Q_OBJECT
public:
    explicit CCoverDlg(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace vemora
