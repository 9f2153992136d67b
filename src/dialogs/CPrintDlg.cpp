#include "dialogs/CPrintDlg.h"

#include <QApplication>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

constexpr int DeviceNameLength = 32;

} // namespace

CPrintDlg::CPrintDlg()
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_owner(QApplication::activeWindow())
{
    takeFromPrinter();
    // Nothing is chosen until a dialog is confirmed.
    m_settings.deviceName.clear();
    m_printToFile = false;
}

CPrintDlg::~CPrintDlg() = default;

void CPrintDlg::setPrinterName(const QString &name)
{
    m_settings.deviceName = name.section(QChar(0), 0, 0).left(DeviceNameLength);
    mark(DeviceName);
}

void CPrintDlg::setPrintQuality(int quality)
{
    m_settings.printQuality = qint16(quality);
    mark(PrintQuality);
}

void CPrintDlg::setPaperSize(int size)
{
    m_settings.paperSize = size;
    mark(PaperSize);
}

void CPrintDlg::setPaperWidth(int width)
{
    m_settings.paperWidth = width;
    mark(PaperWidth);
}

void CPrintDlg::setPaperLength(int length)
{
    m_settings.paperLength = length;
    mark(PaperLength);
}

void CPrintDlg::setColorMode(int mode)
{
    m_settings.colorMode = mode;
    mark(ColorMode);
}

void CPrintDlg::setOrientation(int orientation)
{
    m_settings.orientation = orientation;
    mark(Orientation);
}

void CPrintDlg::setPrintScale(int scale)
{
    m_settings.scale = scale;
    mark(Scale);
}

void CPrintDlg::setDefaultSource(int source)
{
    m_settings.defaultSource = source;
    mark(DefaultSource);
}

void CPrintDlg::setCopies(int copies)
{
    if (m_copiesByApp) {
        m_dialogCopies = copies;
    } else {
        m_settings.copies = copies;
        mark(Copies);
    }
}

void CPrintDlg::setCollate(bool collate)
{
    m_settings.collate = collate;
    mark(Collate);
}

void CPrintDlg::setPrintRange(int range)
{
    if (range >= 0 && range <= 2)
        m_range = Range(range);
}

void CPrintDlg::giveToPrinter()
{
    QPrinter &p = *m_printer;
    if ((m_changed & DeviceName) && QPrinterInfo::availablePrinterNames().contains(m_settings.deviceName)) {
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setPrinterName(m_settings.deviceName);
    }
    if (m_changed & Orientation)
        p.setPageOrientation(m_settings.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (m_changed & PaperSize)
        p.setPageSize(QPageSize(QPageSize::PageSizeId(m_settings.paperSize)));
    if ((m_changed & (PaperWidth | PaperLength)) && m_settings.paperWidth > 0 && m_settings.paperLength > 0)
        p.setPageSize(
            QPageSize(QSizeF(m_settings.paperWidth / 10.0, m_settings.paperLength / 10.0), QPageSize::Millimeter));
    if (m_changed & Copies)
        p.setCopyCount(m_settings.copies);
    if (m_copiesByApp)
        p.setCopyCount(m_dialogCopies);
    if (m_changed & DefaultSource)
        p.setPaperSource(QPrinter::PaperSource(m_settings.defaultSource));
    if ((m_changed & PrintQuality) && m_settings.printQuality > 0)
        p.setResolution(m_settings.printQuality);
    if (m_changed & ColorMode)
        p.setColorMode(m_settings.colorMode == 1 ? QPrinter::GrayScale : QPrinter::Color);
    if (m_changed & Collate)
        p.setCollateCopies(m_settings.collate);
    switch (m_range) {
    case Range::AllPages: p.setPrintRange(QPrinter::AllPages); break;
    case Range::PageRange:
        p.setPrintRange(QPrinter::PageRange);
        p.setFromTo(m_fromPage, m_toPage);
        break;
    case Range::Selection: p.setPrintRange(QPrinter::Selection); break;
    }
}

void CPrintDlg::takeFromPrinter()
{
    const QPrinter &p = *m_printer;
    m_settings.deviceName =
        p.outputFormat() == QPrinter::NativeFormat ? p.printerName().left(DeviceNameLength) : QString();
    m_printToFile = !p.outputFileName().isEmpty();
    const QPageLayout layout = p.pageLayout();
    m_settings.orientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    m_settings.paperSize = int(layout.pageSize().id());
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    m_settings.paperWidth = qRound(mm.width() * 10);
    m_settings.paperLength = qRound(mm.height() * 10);
    m_settings.copies = p.copyCount();
    if (m_copiesByApp)
        m_dialogCopies = p.copyCount();
    m_settings.defaultSource = int(p.paperSource());
    m_settings.printQuality = p.resolution();
    m_settings.colorMode = p.colorMode() == QPrinter::GrayScale ? 1 : 2;
    m_settings.collate = p.collateCopies();
    switch (p.printRange()) {
    case QPrinter::PageRange: m_range = Range::PageRange; break;
    case QPrinter::Selection: m_range = Range::Selection; break;
    default: m_range = Range::AllPages; break;
    }
    m_fromPage = p.fromPage();
    m_toPage = p.toPage();
    m_changed = 0;
}

bool CPrintDlg::show(bool setupOnly)
{
    m_lastError = Cancelled;
    giveToPrinter();
    // Qt's dialog always offers printing to a PDF file, so a machine
    // without printers can still print.
    QPrintDialog dialog(m_printer.get(), m_owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, !m_disablePrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, !setupOnly && !m_disableSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !setupOnly && !m_disablePages);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (m_maxPage > 0)
        dialog.setMinMax(m_minPage, m_maxPage);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    takeFromPrinter();
    m_confirmed = true;
    return true;
}

bool CPrintDlg::showSetup() { return show(true); }

bool CPrintDlg::showPrint() { return show(false); }

int CPrintDlg::errCodeDlg(QString &message) const
{
    message = errorMessage(m_lastError);
    return m_lastError;
}

QString CPrintDlg::errorMessage(int code)
{
    switch (code) {
    case Cancelled: return QStringLiteral("L'utilisateur a annulé l'opération.");
    case NoPrinter: return QStringLiteral("Aucune imprimante trouvée.");
    case NoDefaultPrinter: return QStringLiteral("Il n'y a pas d'imprimante par défaut.");
    case PrinterNotFound: return QStringLiteral("Imprimante non trouvée");
    default: return QStringLiteral("Impossible d'ouvrir la fenêtre de configuration d'impression.");
    }
}
