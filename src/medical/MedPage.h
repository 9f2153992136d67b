#pragma once

#include <QFrame>
#include <QList>

class QAbstractButton;
class QGridLayout;
class QLabel;
class QLineEdit;
class ResultPanel;
class UserPrompt;
class ZmtCommonCommand;
struct FormOutcome;

// One page of the medical window: the parts its calculators are built from
// and the common way of answering a calculate button.
class MedPage : public QFrame
{
    Q_OBJECT
public:
    // `index` is the page's tab number, 1 to 6.
    MedPage(int index, UserPrompt &prompt, QWidget *parent = nullptr);

protected:
    QGridLayout *grid() const { return m_grid; }
    UserPrompt &prompt() const { return m_prompt; }

    // The page title across the page, on the first row.
    QLabel *addTitle(const QString &name, const QString &text);
    QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent = nullptr);
    // A label whose text is a computed value.
    QLabel *makeValue(const QString &name, QWidget *parent);
    ZmtCommonCommand *makeCalculateButton(const QString &name, int alignment);
    ResultPanel *makeResultPanel(const QString &name);
    // The results of a clearance page, placed on row 6: a title, "Homme:" and
    // "Femme:" with their rates and classes. `names` are the seven label names
    // in that order; returns the four result labels (rates, then classes).
    QList<QLabel *> addClearanceResults(const QString &panelName, const QStringList &names);

    // The line under the results that tells of unlikely values, across the
    // page at `row`; hidden while it has nothing to say.
    QLabel *addWarningLine(int row);
    void showWarning(const QString &text);

    // Results computed from other values than those now entered are drawn
    // greyed: `fields` and `options` are what the results are computed from.
    void trackInputs(const QList<QLineEdit *> &fields, const QList<QAbstractButton *> &options,
                     const QList<QLabel *> &results);

    // Shows the results in the labels, or the message, then focuses the field
    // it names (`fields` in the page's order); blanks the labels when the
    // refusal says so.
    void apply(const FormOutcome &outcome, const QList<QWidget *> &fields, const QList<QLabel *> &results);

private:
    QStringList enteredValues() const;
    void refreshStaleness();
    void setStale(QLabel *label, bool stale);

    UserPrompt &m_prompt;
    QGridLayout *m_grid;
    int m_index;
    QLabel *m_warning = nullptr;
    QList<QLineEdit *> m_trackedFields;
    QList<QAbstractButton *> m_trackedOptions;
    QList<QLabel *> m_trackedResults;
    QStringList m_computedFrom; // empty: no shown result to compare with
};
