#pragma once

#include "pregnancy/FicheView.h"
#include "pregnancy/PregnancyForm.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class Calendar;
class FicheCommands;
class DateField;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QTabWidget;
class UserPrompt;
struct FicheBoxes;

// Window "Grossesse": the pregnancy calendar. Everything is computed by
// PregnancyForm; the window shows it and feeds it the user's actions.
class FrmGros : public QWidget, public FicheView
{
    Q_OBJECT
public:
    using Field = PregnancyForm::Field;

    explicit FrmGros(QWidget *parent = nullptr);
    ~FrmGros() override;

    // --- Used by the record commands ---
    // The text of a date field, and its date when the text reads as one.
    QString dateText(Field field) const;
    std::optional<QDate> date(Field field) const;
    // Empties the three dates and every result shown from them.
    void clearPregnancy() override;
    // Shows stored dates: the start of pregnancy recomputes everything, then
    // the stored last period and delivery replace the defaults and their
    // milestones.
    void showPregnancy(const QDate &ddg, const QDate &ddr, const QDate &acc) override;
    // The caption (the open record's identifier, or "Grossesse") and whether a
    // stored record is open, which enables "&Supprimer la Fiche".
    void showFicheState(const QString &caption, bool ficheOuverte) override;
    bool isRecordOpen() const;
    // Menu items: "&Fiche" 0..4 (new, open, save, delete, password), "&Aide" 0..1.
    QAction *ficheAction(int index) const;
    QAction *aideAction(int index) const;

    // The state behind the window.
    PregnancyForm &form();

    // The record file of the "&Fiche" commands, instead of the program's own.
    void setRecordFile(const QString &path);
    // Answers every box of the "&Fiche" commands instead of Qt's boxes; null
    // restores them.
    void setPrompt(UserPrompt *prompt);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMenuBar *createMenus();
    QWidget *createHeader();
    QWidget *createAdministrativeTab();
    QWidget *createMedicalTab();
    QWidget *createPostnatalTab();
    QWidget *createCalendarTab();
    QWidget *dateRow(const QString &caption, const QString &name, Field field);
    QComboBox *milestoneList(Milestones::List milestones, const QString &name);
    QLabel *resultLabel(PregnancyForm::Label label, const QString &name);

    DateField *fieldOf(Field field) const;
    void showFieldText(Field field);
    void showLabel(PregnancyForm::Label label);
    void openPicker(Field field);
    void pickerChose();
    void pickerCancelled();
    QWidget *statusRow(PregnancyForm::Label status, const QString &statusName, PregnancyForm::Label weeks,
                       const QString &weeksName);
    void openDating();

    void connectFicheCommands(QMenu *menu);
    void runFicheCommand(const std::function<void(FicheBoxes)> &command);

    PregnancyForm m_form;
    std::unique_ptr<FicheCommands> m_fiches;
    UserPrompt *m_prompt = nullptr;
    QTabWidget *m_tabs = nullptr;
    std::array<DateField *, 3> m_fields{};
    std::array<QLabel *, PregnancyForm::kLabelCount> m_labels{};
    std::array<QAction *, 5> m_fiche{};
    std::array<QAction *, 2> m_aide{};
    Calendar *m_calendar = nullptr;
    Calendar *m_picker = nullptr;
    Field m_pickerField = Field::Ddg;
    bool m_recordOpen = false;
};
