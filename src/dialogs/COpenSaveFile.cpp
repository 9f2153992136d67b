#include "dialogs/COpenSaveFile.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

COpenSaveFile::COpenSaveFile() : m_owner(QApplication::activeWindow()) { }

QStringList COpenSaveFile::nameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The dialog reads the patterns from the last parentheses and hides
        // them, so the description shows as written.
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.simplified());
    }
    return filters;
}

void COpenSaveFile::prepare(QFileDialog &dialog, bool save) const
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (m_allowMultiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(m_fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !m_overWritePrompt);
    if (!m_dlgTitle.isEmpty())
        dialog.setWindowTitle(m_dlgTitle);
    dialog.setDefaultSuffix(m_defaultExt);
    const QStringList filters = nameFilters(m_filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (m_filterIndex >= 1 && m_filterIndex <= filters.size())
            dialog.selectNameFilter(filters[m_filterIndex - 1]);
    }
    if (!m_initDir.isEmpty())
        dialog.setDirectory(m_initDir);
    if (!m_fileName.isEmpty())
        dialog.selectFile(m_fileName);
}

int COpenSaveFile::finish(QFileDialog &dialog, int result)
{
    m_lastError = 0;
    if (result != QDialog::Accepted)
        return 0;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return 0;
    // With hidden details the dialog names the chosen filter by its
    // description only.
    const QStringList filters = dialog.nameFilters();
    const QString selected = dialog.selectedNameFilter().trimmed();
    for (qsizetype i = 0; i < filters.size() && !selected.isEmpty(); ++i) {
        if (filters[i].startsWith(selected)) {
            m_filterIndex = int(i) + 1;
            break;
        }
    }
    if (files.size() == 1) {
        m_fileName = QDir::toNativeSeparators(files.first());
        m_fileTitle = QFileInfo(files.first()).fileName();
    } else {
        QStringList parts{QDir::toNativeSeparators(QFileInfo(files.first()).absolutePath())};
        for (const QString &file : files)
            parts << QFileInfo(file).fileName();
        m_fileName = parts.join(QChar(0));
        m_fileTitle = QFileInfo(files.first()).fileName();
    }
    return int(files.size());
}

int COpenSaveFile::showOpen()
{
    QFileDialog dialog(m_owner);
    prepare(dialog, false);
    return finish(dialog, dialog.exec());
}

bool COpenSaveFile::showSave()
{
    m_allowMultiSelect = false;
    QFileDialog dialog(m_owner);
    prepare(dialog, true);
    return finish(dialog, dialog.exec()) > 0;
}

int COpenSaveFile::errCodeDlg(QString &message) const
{
    message = errorMessage(m_lastError);
    return m_lastError;
}

QString COpenSaveFile::errorMessage(int code)
{
    // Qt's dialogs have no failure of their own: the code stays 0 unless a
    // future dialog reports one.
    return code == 0 ? QStringLiteral("L'utilisateur a annulé l'opération.")
                     : QStringLiteral("Impossible d'afficher la boîte de dialogue.");
}
