#pragma once

#include "app/HelpContents.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class UserPrompt;

// "Aide de Tarvolix": the help file in a browser, with its contents, its
// index and a topic chosen by number.
class HelpViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Reads the help file; false when it cannot be read.
    bool load(const QString &file);
    // The contents page: the first topic, the contents tab in front.
    void showContents();
    // The topic of that number; false when the file has none.
    bool showTopic(int number);

    const HelpContents &contents() const { return m_contents; }
    QTextBrowser *browser() const { return m_browser; }
    QTabWidget *tabs() const { return m_tabs; }
    QListWidget *indexList() const { return m_indexList; }
    QLineEdit *indexSearch() const { return m_search; }

private:
    QWidget *buildContentsTab();
    QWidget *buildIndexTab();
    QWidget *buildTopicTab();
    void fillContents();
    void filterIndex(const QString &text);
    void openIndexEntry();

    HelpContents m_contents;
    QTabWidget *m_tabs = nullptr;
    QTreeWidget *m_tree = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_indexList = nullptr;
    QSpinBox *m_number = nullptr;
    QTextBrowser *m_browser = nullptr;
};

namespace Help {

// Opens the help file of that path (without its extension) at its contents,
// reusing an open help window. A missing file is reported to the user.
void showHelp(const QString &helpPath, UserPrompt &prompt);
// The product's help, beside the program, for a help menu.
void showContents(QWidget *parent);

} // namespace Help
