#include "app/HelpViewer.h"

#include "dialogs/QtUserPrompt.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>

namespace {

const QString ViewerName = QStringLiteral("frmAide");
constexpr int TopicRole = Qt::UserRole;

QString withoutAccents(const QString &text)
{
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c.toLower();
    return plain;
}

} // namespace

HelpViewer::HelpViewer(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(ViewerName);
    setWindowTitle(QStringLiteral("Aide de Tarvolix"));
    m_tabs = new QTabWidget;
    m_tabs->addTab(buildContentsTab(), QStringLiteral("Sommaire"));
    m_tabs->addTab(buildIndexTab(), QStringLiteral("Index"));
    m_tabs->addTab(buildTopicTab(), QStringLiteral("Rubrique"));
    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("txtAide"));
    m_browser->setOpenExternalLinks(true);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 580});
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(860, 600);
}

QWidget *HelpViewer::buildContentsTab()
{
    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("treSommaire"));
    m_tree->setHeaderHidden(true);
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { showTopic(item->data(0, TopicRole).toInt()); });
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { showTopic(item->data(0, TopicRole).toInt()); });
    return m_tree;
}

QWidget *HelpViewer::buildIndexTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Tapez le début du mot cherché :")));
    m_search = new QLineEdit;
    m_search->setObjectName(QStringLiteral("txtIndex"));
    layout->addWidget(m_search);
    m_indexList = new QListWidget;
    m_indexList->setObjectName(QStringLiteral("lstIndex"));
    layout->addWidget(m_indexList, 1);
    auto *show = new QPushButton(QStringLiteral("Afficher"));
    layout->addWidget(show, 0, Qt::AlignRight);
    connect(m_search, &QLineEdit::textChanged, this, &HelpViewer::filterIndex);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpViewer::openIndexEntry);
    connect(m_indexList, &QListWidget::itemActivated, this, &HelpViewer::openIndexEntry);
    connect(show, &QPushButton::clicked, this, &HelpViewer::openIndexEntry);
    return page;
}

QWidget *HelpViewer::buildTopicTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Numéro de la rubrique :")));
    m_number = new QSpinBox;
    m_number->setObjectName(QStringLiteral("txtRubrique"));
    m_number->setRange(1, 999);
    layout->addWidget(m_number);
    auto *show = new QPushButton(QStringLiteral("Afficher"));
    layout->addWidget(show, 0, Qt::AlignRight);
    auto *note = new QLabel;
    note->setObjectName(QStringLiteral("lblRubrique"));
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    connect(show, &QPushButton::clicked, this, [this, note] {
        note->setText(showTopic(m_number->value())
                          ? QString()
                          : QStringLiteral("Il n'existe pas de rubrique %1.").arg(m_number->value()));
    });
    return page;
}

bool HelpViewer::load(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(input.readAll());
    m_contents = HelpContents::parse(html);
    m_browser->setSearchPaths({QFileInfo(file).absolutePath()});
    m_browser->setHtml(html);
    fillContents();
    filterIndex(m_search->text());
    return true;
}

void HelpViewer::fillContents()
{
    m_tree->clear();
    QTreeWidgetItem *parents[3] = {};
    for (const HelpTopic &topic : m_contents.topics()) {
        const int level = std::clamp(topic.level, 1, 3);
        QTreeWidgetItem *above = level > 1 ? parents[level - 2] : nullptr;
        auto *item = above ? new QTreeWidgetItem(above) : new QTreeWidgetItem(m_tree);
        item->setText(0, topic.title);
        item->setToolTip(0, topic.title);
        item->setData(0, TopicRole, topic.number);
        parents[level - 1] = item;
        for (int deeper = level; deeper < 3; ++deeper)
            parents[deeper] = nullptr;
    }
    m_tree->expandToDepth(0);
}

void HelpViewer::filterIndex(const QString &text)
{
    const QString wanted = withoutAccents(text.trimmed());
    m_indexList->clear();
    for (const HelpIndexEntry &entry : m_contents.index()) {
        if (!withoutAccents(entry.term).startsWith(wanted))
            continue;
        auto *item = new QListWidgetItem(entry.term, m_indexList);
        item->setData(TopicRole, entry.topic);
    }
    if (m_indexList->count() > 0)
        m_indexList->setCurrentRow(0);
}

void HelpViewer::openIndexEntry()
{
    if (QListWidgetItem *item = m_indexList->currentItem())
        showTopic(item->data(TopicRole).toInt());
}

void HelpViewer::showContents()
{
    m_tabs->setCurrentIndex(0);
    // The contents begin the file: show it from its very top.
    m_browser->moveCursor(QTextCursor::Start);
    m_browser->verticalScrollBar()->setValue(0);
    if (!m_contents.topics().isEmpty())
        m_number->setValue(m_contents.topics().constFirst().number);
    if (m_tree->topLevelItemCount() > 0)
        m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

bool HelpViewer::showTopic(int number)
{
    const HelpTopic *topic = m_contents.topic(number);
    if (!topic)
        return false;
    m_browser->scrollToAnchor(topic->anchor());
    m_number->setValue(number);
    return true;
}

namespace Help {

void showHelp(const QString &helpPath, UserPrompt &prompt)
{
    const QString file = HelpLocation::helpFile(helpPath);
    HelpViewer *viewer = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == ViewerName && !window->isHidden())
            viewer = qobject_cast<HelpViewer *>(window);
    const bool fresh = viewer == nullptr;
    if (fresh) {
        viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!viewer->load(file)) {
        if (fresh)
            delete viewer;
        prompt.message(QStringLiteral("Le fichier d'aide est introuvable ou illisible :\r\n%1")
                           .arg(QDir::toNativeSeparators(file)),
                       UserPrompt::Icon::Warning);
        return;
    }
    viewer->showContents();
    viewer->showNormal();
    viewer->raise();
    viewer->activateWindow();
}

void showContents(QWidget *parent)
{
    // Messages go over the active window, as the help itself would.
    QWidget *owner = QApplication::activeWindow();
    QtUserPrompt prompt(owner ? owner : parent);
    showHelp(HelpLocation::helpPath(QCoreApplication::applicationDirPath()), prompt);
}

} // namespace Help
