#pragma once

#include <QPointer>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

// The print dialog and its set-up form over one printer settings record:
// the chosen printer, its paper, orientation, quality and copies. Fields
// the program sets are marked and handed to the next dialog; a confirmed
// dialog copies the user's choice back.
//
// Codes: PaperSize is a QPageSize::PageSizeId, PaperWidth and PaperLength
// are in tenths of a millimetre, Orientation is 1 portrait or 2 landscape,
// PrintQuality is in dots per inch, ColorMode is 1 monochrome or 2 colour,
// DefaultSource is a QPrinter::PaperSource.
class CPrintDlg
{
public:
    enum ErrorCode { Cancelled = 0, NoPrinter = 4103, NoDefaultPrinter = 4104, PrinterNotFound = 4107 };
    enum class Range { AllPages = 0, PageRange = 1, Selection = 2 };

    CPrintDlg();
    ~CPrintDlg();
    CPrintDlg(const CPrintDlg &) = delete;
    CPrintDlg &operator=(const CPrintDlg &) = delete;

    QString printerName() const { return m_settings.deviceName; }
    void setPrinterName(const QString &name);
    int printQuality() const { return m_settings.printQuality; }
    void setPrintQuality(int quality);
    int paperSize() const { return m_settings.paperSize; }
    void setPaperSize(int size);
    int paperWidth() const { return m_settings.paperWidth; }
    void setPaperWidth(int width);
    int paperLength() const { return m_settings.paperLength; }
    void setPaperLength(int length);
    int colorMode() const { return m_settings.colorMode; }
    void setColorMode(int mode);
    int orientation() const { return m_settings.orientation; }
    void setOrientation(int orientation);
    int printScale() const { return m_settings.scale; }
    void setPrintScale(int scale);
    int defaultSource() const { return m_settings.defaultSource; }
    void setDefaultSource(int source);
    bool copiesAndCollateByApp() const { return m_copiesByApp; }
    void setCopiesAndCollateByApp(bool byApp) { m_copiesByApp = byApp; }
    int copies() const { return m_copiesByApp ? m_dialogCopies : m_settings.copies; }
    void setCopies(int copies);
    bool collate() const { return m_settings.collate; }
    void setCollate(bool collate);
    QWidget *owner() const { return m_owner; }
    void setOwner(QWidget *owner) { m_owner = owner; }
    bool noWarning() const { return m_noWarning; }
    void setNoWarning(bool on) { m_noWarning = on; }
    // The printer confirmed by the last dialog, or null.
    QPrinter *hdc() const { return m_confirmed ? m_printer.get() : nullptr; }
    bool printToFile() const { return m_printToFile; }
    void setPrintToFile(bool on) { m_printToFile = on; }
    int printRange() const { return int(m_range); }
    void setPrintRange(int range);
    int fromPage() const { return m_fromPage; }
    void setFromPage(int page) { m_fromPage = page; }
    int toPage() const { return m_toPage; }
    void setToPage(int page) { m_toPage = page; }
    int minPage() const { return m_minPage; }
    void setMinPage(int page) { m_minPage = page; }
    int maxPage() const { return m_maxPage; }
    void setMaxPage(int page) { m_maxPage = page; }
    bool disablePages() const { return m_disablePages; }
    void setDisablePages(bool on) { m_disablePages = on; }
    bool disableSelection() const { return m_disableSelection; }
    void setDisableSelection(bool on) { m_disableSelection = on; }
    bool disablePrintToFile() const { return m_disablePrintToFile; }
    void setDisablePrintToFile(bool on) { m_disablePrintToFile = on; }

    // The set-up form: printer, paper and orientation.
    bool showSetup();
    // The print form: page range, copies and print to file as well.
    bool showPrint();
    int errCodeDlg(QString &message) const;
    static QString errorMessage(int code);

    // The printer the dialogs work on.
    QPrinter &printer() { return *m_printer; }
    // What a confirmed dialog does: copies the printer's state into the
    // settings record.
    void takeFromPrinter();

private:
    enum Field : unsigned {
        DeviceName = 1,
        Orientation = 2,
        PaperSize = 4,
        PaperLength = 8,
        PaperWidth = 16,
        Scale = 32,
        Copies = 64,
        DefaultSource = 128,
        PrintQuality = 256,
        ColorMode = 512,
        Collate = 1024
    };
    struct Settings
    {
        QString deviceName;
        int orientation = 1;
        int paperSize = 0;
        int paperLength = 0;
        int paperWidth = 0;
        int scale = 100;
        int copies = 1;
        int defaultSource = 0;
        int printQuality = 0;
        int colorMode = 2;
        bool collate = false;
    };

    bool show(bool setupOnly);
    void giveToPrinter();
    void mark(Field field) { m_changed |= field; }

    std::unique_ptr<QPrinter> m_printer;
    Settings m_settings;
    unsigned m_changed = 0;
    QPointer<QWidget> m_owner;
    bool m_copiesByApp = false;
    int m_dialogCopies = 1;
    bool m_noWarning = true;
    bool m_printToFile = false;
    Range m_range = Range::AllPages;
    int m_fromPage = 0;
    int m_toPage = 0;
    int m_minPage = 0;
    int m_maxPage = 0;
    bool m_disablePages = false;
    bool m_disableSelection = false;
    bool m_disablePrintToFile = false;
    bool m_confirmed = false;
    int m_lastError = 0;
};
