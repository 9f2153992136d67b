#include "app/FrmHOD.h"

#include "controls/ZmtDGrid.h"

namespace {
// Laid out for 15 twips per pixel. The converter is 4 pixels wider than the
// client area so that its scroll region, 4 pixels narrower, meets the right edge.
constexpr int ClientWidth = 6435 / 15;
constexpr int ClientHeight = 5445 / 15;
constexpr int ConverterTop = 240 / 15;
constexpr int ConverterOverhang = 4;
} // namespace

FrmHOD::FrmHOD(QWidget *parent)
    : QWidget(parent)
    , m_converter(new ZmtDGrid(this))
{
    setWindowTitle(QStringLiteral("Convertisseur HOD"));
    m_converter->move(0, ConverterTop);
    setMinimumSize(ClientWidth, ConverterTop + 6 * 285 / 15);
    resize(ClientWidth, ClientHeight);
}

void FrmHOD::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_converter->resize(width() + ConverterOverhang, height() - ConverterTop);
}
