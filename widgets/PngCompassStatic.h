#pragma once
// The compass: eight pictures of a compass card, one for every 45 degrees (picture k has the card
// turned clockwise by (k - 1) x 45), showing the one nearest to the heading; while no heading is
// known, the north-up picture in grey. Drawn scaled to the control.

#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

namespace vemora {

class CPngCompassStatic : public QWidget {
    Q_OBJECT
public:
    // Loads the project's eight card pictures.
    explicit CPngCompassStatic(QWidget* parent);

    // Appends the picture of an SVG or PNG resource; false, with nothing appended, when it cannot
    // be read.
    bool AddImage(const QString& resource);
    // Shows the picture nearest to degrees (0 = north, clockwise; any integer).
    int SetHeading(int degrees);
    // Shows the grey north-up picture.
    void ClearHeading();

    // 1-based number of the picture shown; 0 = grey.
    int Image() const { return m_nImage; }
    int ImageCount() const { return static_cast<int>(m_images.size()); }
    // The picture number that a heading selects among count pictures (count > 0).
    static int PictureForHeading(int degrees, int count);
    // picture in grey (0.3 R + 0.59 G + 0.11 B on every channel), its transparency kept.
    static QImage GreyPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void ShowImage(int image);

    int m_nImage = 0;
    std::vector<QImage> m_images;
    QImage m_grey;
};

} // namespace vemora
