#include "pregnancy/FrmFiches.h"

#include "controls/CaptionLayout.h"
#include "controls/ZmtCommonCommand.h"
#include "dialogs/QtUserPrompt.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>

FrmFiches::FrmFiches(const QStringList &names, FichePicker::Opener open, QWidget *owner)
    : QDialog(owner),
      m_open(std::move(open)),
      m_model(new QStringListModel(names, this)),
      m_lstFiches(new QListView(this))
{
    setObjectName(QStringLiteral("frmFiches"));
    setWindowTitle(QStringLiteral("Ouvrir une fiche Grossesse"));

    auto *lblOuvrir = new QLabel(QStringLiteral("Choisissez la fiche à ouvrir"), this);
    lblOuvrir->setObjectName(QStringLiteral("lblOuvrir"));
    lblOuvrir->setBuddy(m_lstFiches);

    m_lstFiches->setObjectName(QStringLiteral("lstFiches"));
    m_lstFiches->setAccessibleName(QStringLiteral("Fiches"));
    m_lstFiches->setModel(m_model);
    m_lstFiches->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstFiches->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has the same height: the view need not measure thousands of rows.
    m_lstFiches->setUniformItemSizes(true);
    if (m_model->rowCount() > 0)
        m_lstFiches->setCurrentIndex(m_model->index(0));
    connect(m_lstFiches, &QListView::doubleClicked, this, &FrmFiches::openAt);

    auto *ok = captionButton(QStringLiteral("rndFiches0"), QStringLiteral("OK"));
    connect(ok, &ZmtCommonCommand::clicked, this, &FrmFiches::openSelected);
    auto *cancel = captionButton(QStringLiteral("rndFiches1"), QStringLiteral("Annuler"));
    connect(cancel, &ZmtCommonCommand::clicked, this, &FrmFiches::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblOuvrir);
    layout->addWidget(m_lstFiches);
    layout->addLayout(buttons);
    resize(320, 340);
}

ZmtCommonCommand *FrmFiches::captionButton(const QString &name, const QString &caption)
{
    auto *button = new ZmtCommonCommand(this);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setAlignment(CaptionLayout::Centre);
    button->setMultiLine(false);
    button->setHasBorder(true);
    button->setFixedSize(88, 28);
    return button;
}

// Enter opens the selected record, as "OK" does; Escape still cancels.
void FrmFiches::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openSelected();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString FrmFiches::selectedName() const
{
    const QModelIndexList selected = m_lstFiches->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void FrmFiches::openSelected()
{
    const QModelIndexList selected = m_lstFiches->selectionModel()->selectedIndexes();
    if (!selected.isEmpty())
        openAt(selected.first());
}

void FrmFiches::openAt(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    QtUserPrompt prompt(this);
    if (m_open(index.data().toString(), prompt))
        accept();
}

// The meta-object code in this object file, not in the library's shared one:
// the program links the pregnancy window only through its module.
#include "moc_FrmFiches.cpp"
