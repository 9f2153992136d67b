#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

// The file open and save dialogs: the caller sets the options, folder,
// default extension and filter ("Calculs (*.dat)|*.dat"), shows a dialog
// and reads the chosen file's full name and its name without folder.
class COpenSaveFile
{
public:
    COpenSaveFile();

    bool allowMultiSelect() const { return m_allowMultiSelect; }
    void setAllowMultiSelect(bool on) { m_allowMultiSelect = on; }
    bool createPrompt() const { return m_createPrompt; }
    void setCreatePrompt(bool on) { m_createPrompt = on; }
    bool fileMustExist() const { return m_fileMustExist; }
    void setFileMustExist(bool on) { m_fileMustExist = on; }
    bool pathMustExist() const { return m_pathMustExist; }
    void setPathMustExist(bool on) { m_pathMustExist = on; }
    bool hideReadOnly() const { return m_hideReadOnly; }
    void setHideReadOnly(bool on) { m_hideReadOnly = on; }
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool on) { m_readOnly = on; }
    bool overWritePrompt() const { return m_overWritePrompt; }
    void setOverWritePrompt(bool on) { m_overWritePrompt = on; }
    QWidget *owner() const { return m_owner; }
    void setOwner(QWidget *owner) { m_owner = owner; }
    QString dlgTitle() const { return m_dlgTitle; }
    void setDlgTitle(const QString &title) { m_dlgTitle = title; }
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString &ext) { m_defaultExt = ext; }
    QString initDir() const { return m_initDir; }
    void setInitDir(const QString &dir) { m_initDir = dir; }
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    QString fileTitle() const { return m_fileTitle; }
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    int filterIndex() const { return m_filterIndex; }
    void setFilterIndex(int index) { m_filterIndex = index; }

    // 0 when cancelled, else the number of files chosen.
    int showOpen();
    bool showSave();
    // 0 after a cancel; the French reason in message.
    int errCodeDlg(QString &message) const;
    static QString errorMessage(int code);

    // "Calculs (*.dat)|*.dat" as the dialog's name filters; a pattern list
    // "*.a;*.b" becomes "*.a *.b".
    static QStringList nameFilters(const QString &filter);

private:
    void prepare(QFileDialog &dialog, bool save) const;
    int finish(QFileDialog &dialog, int result);

    bool m_allowMultiSelect = false;
    bool m_createPrompt = false;
    bool m_fileMustExist = false;
    bool m_pathMustExist = false;
    bool m_hideReadOnly = true;
    bool m_readOnly = false;
    bool m_overWritePrompt = true;
    QPointer<QWidget> m_owner;
    QString m_dlgTitle;
    QString m_defaultExt;
    QString m_initDir;
    QString m_fileName;
    QString m_fileTitle;
    QString m_filter;
    int m_filterIndex = 0;
    int m_lastError = 0;
};
