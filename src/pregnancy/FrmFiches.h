#pragma once

#include "pregnancy/FichePicker.h"

#include <QDialog>

class QLabel;
class QListView;
class QModelIndex;
class QStringListModel;
class ZmtCommonCommand;

// "Ouvrir une fiche Grossesse": the list of saved pregnancies, the first selected.
// "OK" or a double click opens the selected one and closes the window; when it
// cannot be opened the window stays so that another can be picked. "Annuler"
// closes it and changes nothing.
class FrmFiches : public QDialog
{
    Q_OBJECT
public:
    FrmFiches(const QStringList &names, FichePicker::Opener open, QWidget *owner = nullptr);

    QString selectedName() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    ZmtCommonCommand *captionButton(const QString &name, const QString &caption);
    void openSelected();
    void openAt(const QModelIndex &index);

    FichePicker::Opener m_open;
    QStringListModel *m_model;
    QListView *m_lstFiches;
};
