#pragma once
// Picture controls: the logo, the banner and the GPS-fix indicator. The picture is stretched to
// the control, in colour or through the grey matrix; a control without a picture paints nothing.

#include "widgets/GdiPlusBitmap.h"

#include <QWidget>

#include <memory>

namespace vemora {

class CPngStatic : public QWidget {
    Q_OBJECT
public:
    CPngStatic(int id, QWidget* parent);
    ~CPngStatic() override;
    // False (and no picture) when the picture is missing.
    bool LoadPicture(const QString& name);
    void SetColour(bool colour);
    bool Colour() const { return m_bColour; }
    // The GPS indicator's feed state: in colour while it is not 0.
    void SetState(int state) { SetColour(state != 0); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::unique_ptr<CGdiPlusBitmapResource> m_pImage;
    bool m_bColour = false;
};

} // namespace vemora
