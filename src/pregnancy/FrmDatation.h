#pragma once

#include "pregnancy/PregnancyDating.h"

#include <QDialog>

#include <array>
#include <memory>
#include <optional>

class Calendar;
class DateField;
class QLabel;
class QLineEdit;
class QRadioButton;
class UserPrompt;

// Dialog "Datation de la grossesse": finds the start of pregnancy from the
// last period and the cycle, or from the first-trimester scan. It shows the
// result as the user types and hands it over once accepted.
class FrmDatation : public QDialog
{
    Q_OBJECT
public:
    using Method = PregnancyDating::Method;
    using Input = PregnancyDating::Input;

    // `lastPeriod` and `scanDate` are the dates offered at first. Without a
    // prompt, messages are the dialog's own message boxes.
    FrmDatation(UserPrompt *prompt, const QString &lastPeriod, const QString &scanDate, QWidget *parent = nullptr);
    ~FrmDatation() override;

    void setMethod(Method method);
    Method method() const;
    QLineEdit *input(Input input) const;

    // The dating the user accepted.
    std::optional<PregnancyDating::Dating> dating() const { return m_accepted; }

    void accept() override;

private:
    QWidget *createMethods();
    QWidget *createResult();
    QLineEdit *dateInput(Input input, const QString &name, QWidget *row);
    QLineEdit *numberInput(Input input, const QString &name, const QString &unit, QWidget *row);
    PregnancyDating::Entry entry() const;
    void showPreview();
    void openPicker(Input input);
    void pickerChose();

    std::unique_ptr<UserPrompt> m_ownPrompt;
    UserPrompt *m_prompt = nullptr;
    QRadioButton *m_byPeriod = nullptr;
    QRadioButton *m_byScan = nullptr;
    std::array<QLineEdit *, 4> m_inputs{};
    // The captions and inputs of each method, enabled with its option.
    std::array<QList<QWidget *>, 2> m_methodWidgets;
    QLabel *m_ageCaption = nullptr;
    QLabel *m_age = nullptr;
    QLabel *m_ddr = nullptr;
    QLabel *m_ddg = nullptr;
    QLabel *m_term = nullptr;
    Calendar *m_picker = nullptr;
    Input m_pickerInput = Input::LastPeriod;
    std::optional<PregnancyDating::Dating> m_accepted;
};
