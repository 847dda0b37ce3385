#include "ui/GroupFrameStyle.h"

#include "ui/DecodedPixels.h"

#include <QApplication>
#include <QGroupBox>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// Fusion's frame image and how it stretches it (src/widgets/styles/qfusionstyle.cpp).
constexpr QSize kFrameSize(98, 38);
constexpr QMargins kFrameBorders(6, 6, 6, 6);
constexpr int kFrameTopMargin = 3;

} // namespace

CGroupFrameStyle::CGroupFrameStyle(QStyle *base)
    : QProxyStyle(base)
{
    if (baseStyle()->name() == QLatin1String("fusion"))
        m_frame = DecodedPixmap(QStringLiteral("fusion-groupbox.argb"), kFrameSize);
}

void CGroupFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
    QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox || m_frame.isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // The frame starts below the title line, or just below the top edge of a box that has
    // neither a title nor a check box.
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    int topMargin = kFrameTopMargin;
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin += qMax(
            baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), kFrameBorders, m_frame);
}

void UseGroupFrameStyle()
{
    // The proxy takes the current style as its child, so replacing the application's style
    // does not delete it.
    QApplication::setStyle(new CGroupFrameStyle(QApplication::style()));
}
