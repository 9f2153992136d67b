#include "datecalc/FrmDate.h"

#include "controls/Calendar.h"
#include "controls/Twips.h"
#include "datecalc/DateInterval.h"
#include "datecalc/IntervalField.h"
#include "datecalc/TargetDate.h"
#include "dialogs/QtUserPrompt.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// Positions are laid down in twips.
QRect twips(int left, int top, int width, int height)
{
    using Twips::toPixels;
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

// Labels break lines at "\n"; the texts themselves use CR LF.
QString shown(const QString &text)
{
    QString out = text;
    return out.replace(LineBreak, QStringLiteral("\n"));
}

QLabel *label(QWidget *parent, const QString &name, const QRect &geometry, const QString &text = QString())
{
    auto *lbl = new QLabel(shown(text), parent);
    lbl->setObjectName(name);
    lbl->setGeometry(geometry);
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return lbl;
}

// A push button whose caption wraps over several lines, as the narrow mode
// buttons need.
QPushButton *wrappingButton(QWidget *parent, const QString &name, const QRect &geometry, const QString &text)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAccessibleName(text);
    auto *layout = new QHBoxLayout(button);
    layout->setContentsMargins(4, 1, 4, 1);
    auto *caption = new QLabel(text, button);
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignCenter);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(caption);
    return button;
}

// The hourglass for the duration of a computation.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

FrmDate::FrmDate(QWidget *parent)
    : QWidget(parent),
      m_ownPrompt(std::make_unique<QtUserPrompt>(this)),
      m_prompt(m_ownPrompt.get())
{
    build();
}

FrmDate::FrmDate(UserPrompt &prompt, QWidget *parent) : QWidget(parent), m_prompt(&prompt) { build(); }

FrmDate::~FrmDate() = default;

QString FrmDate::rangeMessage()
{
    return QStringLiteral("Dépassement des limites de date autorisée") + LineBreak
        + QStringLiteral("(01/01/100 à 31/12/9999).");
}

QString FrmDate::helpText()
{
    return QStringList{
        QStringLiteral(" Home: date d'aujourd'hui."),     QStringLiteral("  Left: jour précédent."),
        QStringLiteral("  Right: jour suivant."),         QStringLiteral("  Up: semaine précédente."),
        QStringLiteral("  Dwn: semaine suivante."),       QStringLiteral("  PgUp: mois précédent."),
        QStringLiteral("  PgDwn: mois suivant."),         QStringLiteral("  Ctrl+PgUp: année précédente."),
        QStringLiteral("  Ctrl+PgDwn: année suivante."),  QStringLiteral("  Shift+PgUp: 10 années avant."),
        QStringLiteral("  Shift+PgDwn: 10 années après.")}
        .join(LineBreak);
}

QString FrmDate::dateInstruction()
{
    return QStringLiteral("Choisissez la date devant servir au calcul dans ")
        + QStringLiteral("le calendrier de gauche. Indiquez en années, mois et jours, ")
        + QStringLiteral("l'intervalle de temps à ajouter ou soustraire à cette date.") + LineBreak
        + QStringLiteral("Le résultat est affiché dans le calendrier de droite.");
}

QString FrmDate::intervalInstruction()
{
    return QStringLiteral("Choisissez une date dans chaque calendrier.") + LineBreak
        + QStringLiteral("L'intervalle de temps en années, mois et jours séparant ")
        + QStringLiteral("ces deux dates s'affichent sous les calendriers.");
}

void FrmDate::build()
{
    setWindowTitle(QStringLiteral("Calculateur de dates"));
    QFont windowFont = font();
    windowFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                            QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), font().family()});
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setFixedSize(twips(0, 0, 8340, 5670).size());

    m_band = new QWidget(this);
    m_band->setObjectName(QStringLiteral("Shape1"));
    m_band->setGeometry(twips(0, 0, 1935, 5655));
    m_band->setAutoFillBackground(true);
    QPalette bandPalette = m_band->palette();
    bandPalette.setColor(QPalette::Window, QColor(0, 0, 0x80));
    m_band->setPalette(bandPalette);

    m_lblChoisi = label(this, QStringLiteral("lblChoisi"), twips(240, 360, 1575, 855));
    QPalette white = m_lblChoisi->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_lblChoisi->setPalette(white);
    QFont bold = windowFont;
    bold.setBold(true);
    m_lblChoisi->setFont(bold);
    m_lblChoisi->hide();

    m_cmdMenu[0] = wrappingButton(this, QStringLiteral("cmdMenu0"), twips(120, 1920, 1695, 495),
                                  QStringLiteral("Calculer une date à partir d'une date"));
    m_cmdMenu[1] = wrappingButton(this, QStringLiteral("cmdMenu1"), twips(120, 2880, 1695, 495),
                                  QStringLiteral("Calculer l'intervalle entre deux dates"));
    connect(m_cmdMenu[0], &QPushButton::clicked, this, &FrmDate::enterDateMode);
    connect(m_cmdMenu[1], &QPushButton::clicked, this, &FrmDate::enterIntervalMode);

    m_lblInstruction = label(this, QStringLiteral("lblInstruction"), twips(2160, 120, 6015, 735));

    m_calDepart = new Calendar(this);
    m_calDepart->setObjectName(QStringLiteral("calDépart"));
    m_calDepart->setAccessibleName(QStringLiteral("Date de départ"));
    m_calDepart->move(twips(2280, 1320, 0, 0).topLeft());
    m_calArrivee = new Calendar(this);
    m_calArrivee->setObjectName(QStringLiteral("calArrivée"));
    m_calArrivee->setAccessibleName(QStringLiteral("Date d'arrivée"));
    m_calArrivee->move(twips(5160, 1320, 0, 0).topLeft());
    for (Calendar *calendar : {m_calDepart, m_calArrivee}) {
        calendar->setTitleBackColor(0x808000);
        calendar->setBorderStyle(1);
        calendar->hide();
    }
    m_calArrivee->setEnabled(false);
    connect(m_calDepart, &Calendar::change, this, &FrmDate::departChanged);
    connect(m_calArrivee, &Calendar::change, this, &FrmDate::arriveeChanged);

    m_lblResultat[0] = label(this, QStringLiteral("lblRésultat0"), twips(2160, 3720, 4815, 255),
                             QStringLiteral("L'intervalle de temps entre ces deux dates est de"));
    m_lblResultat[1] = label(this, QStringLiteral("lblRésultat1"), twips(3120, 4080, 4215, 735));
    m_lblResultat[1]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    for (QLabel *lbl : m_lblResultat)
        lbl->hide();

    const QString options[] = {QStringLiteral("Ajouter"), QStringLiteral("Soustraire")};
    for (int i = 0; i < 2; ++i) {
        m_optIntervalle[i] = new QRadioButton(options[i], this);
        m_optIntervalle[i]->setObjectName(QStringLiteral("optIntervalle%1").arg(i));
        m_optIntervalle[i]->setGeometry(twips(3240, 4200 + 360 * i, 1215, 255));
        m_optIntervalle[i]->hide();
        connect(m_optIntervalle[i], &QRadioButton::clicked, this, &FrmDate::computeTargetDate);
    }
    m_optIntervalle[0]->setChecked(true);

    const QString units[] = {QStringLiteral("Année(s)"), QStringLiteral("Mois"), QStringLiteral("Jour(s)")};
    for (int i = 0; i < 3; ++i) {
        m_txtIntervalle[i] = new QLineEdit(QStringLiteral("0"), this);
        m_txtIntervalle[i]->setObjectName(QStringLiteral("txtIntervalle%1").arg(i));
        m_txtIntervalle[i]->setAccessibleName(units[i]);
        m_txtIntervalle[i]->setGeometry(twips(4800, 4200 + 360 * i, 855, 285));
        m_txtIntervalle[i]->installEventFilter(this);
        m_txtIntervalle[i]->hide();
        m_lastValid[i] = QStringLiteral("0");
        connect(m_txtIntervalle[i], &QLineEdit::textChanged, this, [this, i] { fieldChanged(i); });
        m_lblIntervalle[i] =
            label(this, QStringLiteral("lblIntervalle%1").arg(i), twips(5880, 4200 + 360 * i, 735, 285), units[i]);
        m_lblIntervalle[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_lblIntervalle[i]->hide();
    }

    m_cmdExplication = new QPushButton(QStringLiteral("Aide (Navigation dans les calendriers)"), this);
    m_cmdExplication->setObjectName(QStringLiteral("cmdExplication"));
    m_cmdExplication->setGeometry(twips(2040, 5280, 3255, 375));
    m_cmdExplication->hide();
    connect(m_cmdExplication, &QPushButton::clicked, this, &FrmDate::toggleHelp);

    m_lblExplication = label(this, QStringLiteral("lblExplication"), twips(2640, 2520, 2895, 2415));
    m_lblExplication->setAutoFillBackground(true);
    QPalette tip = m_lblExplication->palette();
    tip.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    tip.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    m_lblExplication->setPalette(tip);
    m_lblExplication->setWordWrap(false);
    m_lblExplication->hide();

    const QDate today = QDate::currentDate();
    m_calDepart->setValue(today);
    m_calArrivee->setValue(today);
}

bool FrmDate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 3; ++i) {
            if (watched != m_txtIntervalle[i])
                continue;
            m_lastValid[i] = m_txtIntervalle[i]->text();
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, m_txtIntervalle[i], &QLineEdit::selectAll);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmDate::setDateControlsVisible(bool visible)
{
    for (QRadioButton *option : m_optIntervalle)
        option->setVisible(visible);
    for (int i = 0; i < 3; ++i) {
        m_txtIntervalle[i]->setVisible(visible);
        m_lblIntervalle[i]->setVisible(visible);
    }
}

void FrmDate::setResultVisible(bool visible)
{
    for (QLabel *lbl : m_lblResultat)
        lbl->setVisible(visible);
}

void FrmDate::resetFields()
{
    // One computation follows the reset, not one per field.
    m_settingFields = true;
    for (int i = 0; i < 3; ++i) {
        m_txtIntervalle[i]->setText(QStringLiteral("0"));
        m_lastValid[i] = QStringLiteral("0");
    }
    m_settingFields = false;
}

void FrmDate::enterDateMode()
{
    if (m_mode == DateCalcMode::Date) {
        m_calDepart->setValue(QDate::currentDate());
        resetFields();
        computeTargetDate();
        m_calDepart->setFocus();
        return;
    }
    if (m_mode == DateCalcMode::Interval)
        setResultVisible(false);
    m_mode = DateCalcMode::Date;
    m_cmdExplication->show();
    m_lblChoisi->setText(QStringLiteral("Calcul d'une date à partir d'une date"));
    m_lblChoisi->show();
    m_lblInstruction->setText(shown(dateInstruction()));
    m_lblInstruction->show();
    m_optIntervalle[0]->setChecked(true);
    resetFields();
    m_calDepart->show();
    m_calArrivee->show();
    m_calArrivee->setEnabled(false);
    setDateControlsVisible(true);
    computeTargetDate();
    m_calDepart->setFocus();
}

void FrmDate::enterIntervalMode()
{
    if (m_mode == DateCalcMode::Interval)
        return;
    if (m_mode == DateCalcMode::Date)
        setDateControlsVisible(false);
    m_mode = DateCalcMode::Interval;
    m_cmdExplication->show();
    m_lblChoisi->setText(QStringLiteral("Calcul d'un intervalle entre deux dates"));
    m_lblChoisi->show();
    m_lblInstruction->setText(shown(intervalInstruction()));
    m_lblInstruction->show();
    m_calDepart->show();
    m_calArrivee->show();
    m_calArrivee->setEnabled(true);
    setResultVisible(true);
    computeInterval();
    m_calDepart->setFocus();
}

void FrmDate::toggleHelp()
{
    const bool show = !helpShown();
    const bool dateMode = m_mode == DateCalcMode::Date;
    for (QPushButton *button : m_cmdMenu)
        button->setEnabled(!show);
    m_calDepart->setVisible(!show);
    m_calArrivee->setVisible(!show);
    if (dateMode)
        setDateControlsVisible(!show);
    else
        setResultVisible(!show);
    if (show) {
        m_lblExplication->setText(shown(helpText()));
        m_lblExplication->show();
        m_helpShown = true;
        m_cmdExplication->setText(QStringLiteral("Revenir au calculateur"));
    } else {
        m_lblExplication->hide();
        m_helpShown = false;
        m_cmdExplication->setText(QStringLiteral("Aide (Navigation dans les calendriers)"));
        m_calDepart->setFocus();
    }
}

void FrmDate::fieldChanged(int index)
{
    if (m_settingFields)
        return;
    QLineEdit *field = m_txtIntervalle[index];
    const int caret = field->cursorPosition();
    const IntervalField::Update update = IntervalField::apply(field->text(), m_lastValid[index], QLocale());
    m_lastValid[index] = update.lastValid;
    if (update.text != field->text()) {
        m_settingFields = true;
        field->setText(update.text);
        if (!update.accepted)
            field->setCursorPosition(std::max(0, caret - 1));
        m_settingFields = false;
    }
    if (update.accepted)
        computeTargetDate();
}

void FrmDate::computeTargetDate()
{
    const std::optional<QDate> target =
        ::computeTargetDate(m_calDepart->value(), m_optIntervalle[0]->isChecked(), m_txtIntervalle[0]->text(),
                            m_txtIntervalle[1]->text(), m_txtIntervalle[2]->text());
    if (!target) {
        m_prompt->message(rangeMessage());
        return;
    }
    m_calArrivee->setValue(*target);
}

void FrmDate::computeInterval()
{
    const WaitCursor wait;
    const DateInterval interval = ::computeInterval(m_calDepart->value(), m_calArrivee->value());
    m_lblResultat[1]->setText(shown(interval.text()));
}

void FrmDate::departChanged(int userAction)
{
    if (!userAction)
        return;
    if (m_mode == DateCalcMode::Date)
        computeTargetDate();
    else
        computeInterval();
}

void FrmDate::arriveeChanged(int userAction)
{
    if (userAction && m_mode == DateCalcMode::Interval)
        computeInterval();
}
