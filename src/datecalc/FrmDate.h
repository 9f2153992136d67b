#pragma once

#include "datecalc/DateCalcMode.h"

#include <QDate>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class Calendar;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class UserPrompt;

// Window "Calculateur de dates": a date plus or minus an interval ("Date"
// mode) or the interval between two dates ("Intervalle" mode), on two month
// calendars. It keeps nothing between openings.
class FrmDate : public QWidget
{
    Q_OBJECT
public:
    explicit FrmDate(QWidget *parent = nullptr);
    // Messages go through the given prompt (tests answer them).
    explicit FrmDate(UserPrompt &prompt, QWidget *parent = nullptr);
    ~FrmDate() override;

    DateCalcMode mode() const { return m_mode; }
    bool helpShown() const { return m_helpShown; }

    static QString rangeMessage();
    static QString helpText();
    static QString dateInstruction();
    static QString intervalInstruction();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void enterDateMode();
    void enterIntervalMode();
    void toggleHelp();
    void setDateControlsVisible(bool visible);
    void setResultVisible(bool visible);
    void resetFields();
    void fieldChanged(int index);
    void computeTargetDate();
    void computeInterval();
    void departChanged(int userAction);
    void arriveeChanged(int userAction);

    std::unique_ptr<UserPrompt> m_ownPrompt;
    UserPrompt *m_prompt;
    DateCalcMode m_mode = DateCalcMode::None;
    bool m_helpShown = false;
    bool m_settingFields = false;

    QWidget *m_band = nullptr;
    QLabel *m_lblChoisi = nullptr;
    std::array<QPushButton *, 2> m_cmdMenu{};
    QLabel *m_lblInstruction = nullptr;
    Calendar *m_calDepart = nullptr;
    Calendar *m_calArrivee = nullptr;
    std::array<QLabel *, 2> m_lblResultat{};
    std::array<QRadioButton *, 2> m_optIntervalle{};
    std::array<QLineEdit *, 3> m_txtIntervalle{};
    std::array<QString, 3> m_lastValid;
    std::array<QLabel *, 3> m_lblIntervalle{};
    QPushButton *m_cmdExplication = nullptr;
    QLabel *m_lblExplication = nullptr;
};
