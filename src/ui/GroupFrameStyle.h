#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The application's style with Fusion's group-box frame drawn from pixels the build decoded.
// Fusion reads that frame from a PNG in Qt's resources at the first paint; Qt's image reader then
// loads every image-format plugin to ask whether it reads PNG (gif, ico, jpeg and libjpeg) and
// libpng decodes it: about 600 KB that stay resident for one 98 x 38 image. This style draws the
// same pixels in the same place. Any other style is left as it is.
class CGroupFrameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    // Takes over `base`, normally the application's style of the moment.
    explicit CGroupFrameStyle(QStyle *base);

    // Whether the frame is drawn here rather than by the base style.
    bool DrawsGroupFrame() const { return !m_frame.isNull(); }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;

private:
    QPixmap m_frame;
};

// Puts CGroupFrameStyle in front of the application's style.
void UseGroupFrameStyle();
