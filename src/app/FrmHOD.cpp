#include "app/FrmHOD.h"

#include "controls/Twips.h"
#include "controls/ZmtDGrid.h"

namespace {
// Laid out in twips. The converter is 4 pixels wider than the client area so
// that its scroll region, 4 pixels narrower, meets the right edge.
constexpr int ClientWidth = Twips::toPixels(6435);
constexpr int ClientHeight = Twips::toPixels(5445);
constexpr int ConverterTop = Twips::toPixels(240);
constexpr int ConverterOverhang = 4;
} // namespace

FrmHOD::FrmHOD(QWidget *parent) : QWidget(parent), m_converter(new ZmtDGrid(this))
{
    setWindowTitle(QStringLiteral("Convertisseur HOD"));
    m_converter->move(0, ConverterTop);
    setMinimumSize(ClientWidth, ConverterTop + Twips::toPixels(6 * 285));
    resize(ClientWidth, ClientHeight);
}

void FrmHOD::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_converter->resize(width() + ConverterOverhang, height() - ConverterTop);
}
