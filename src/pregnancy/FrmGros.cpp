#include "pregnancy/FrmGros.h"

#include "dialogs/QtUserPrompt.h"
#include "pregnancy/FicheCommands.h"
#include "pregnancy/FicheIdentifier.h"
#include "pregnancy/FichesPicker.h"
#include "pregnancy/RecordFileLocation.h"

#include "controls/Calendar.h"
#include "controls/VirtualKeyCode.h"
#include "pregnancy/DateField.h"
#include "pregnancy/DateText.h"
#include "pregnancy/FrmDatation.h"
#include "pregnancy/Milestones.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using Label = PregnancyForm::Label;

const QString kCaption = QStringLiteral("Grossesse");
// Title band of the calendar tab: red 0, green 128, blue 128 (0x00BBGGRR).
constexpr quint32 kTeal = 0x00808000;

std::size_t at(auto e) { return static_cast<std::size_t>(e); }

QLabel *wrappedText(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

FrmGros::FrmGros(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("frmGros"));

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(createMenus());
    layout->addWidget(createHeader());

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabGros"));
    m_tabs->addTab(createAdministrativeTab(), QStringLiteral("Dates administratives"));
    m_tabs->addTab(createMedicalTab(), QStringLiteral("Dates-repères médicales"));
    m_tabs->addTab(createPostnatalTab(), QStringLiteral("Congé postnatal"));
    m_tabs->addTab(createCalendarTab(), QStringLiteral("Calendrier"));
    m_tabs->setCurrentIndex(0);
    layout->addWidget(m_tabs, 1);

    // The pop-up date picker of the three fields, above everything else.
    m_picker = new Calendar(this);
    m_picker->setObjectName(QStringLiteral("Calendrier"));
    m_picker->hide();
    m_picker->installEventFilter(this);
    connect(m_picker, &Calendar::dateClick, this, &FrmGros::pickerChose);
    connect(m_picker, &Calendar::keyDown, this, [this](int keyCode, int) {
        if (keyCode == VirtualKeyCode::Return)
            pickerChose();
        else if (keyCode == VirtualKeyCode::Escape)
            pickerCancelled();
    });

    connect(&m_form, &PregnancyForm::textChanged, this, &FrmGros::showFieldText);
    connect(&m_form, &PregnancyForm::labelChanged, this, &FrmGros::showLabel);

    m_calendar->setValue(QDate::currentDate());
    setMinimumSize(560, 470);
    resize(600, 500);
}

QMenuBar *FrmGros::createMenus()
{
    auto *bar = new QMenuBar(this);
    QMenu *fiche = bar->addMenu(QStringLiteral("&Fiche"));
    const QString ficheTexts[] = {QStringLiteral("&Nouvelle Fiche"), QStringLiteral("&Ouvrir une Fiche"),
                                  QStringLiteral("&Enregistrer la Fiche"), QStringLiteral("&Supprimer la Fiche"),
                                  QStringLiteral("Mot de passe des fiches...")};
    for (std::size_t i = 0; i < m_fiche.size(); ++i) {
        // The password concerns the whole file, not the record shown.
        if (i == 4)
            fiche->addSeparator();
        m_fiche[i] = fiche->addAction(ficheTexts[i]);
        m_fiche[i]->setObjectName(QStringLiteral("mnuFiche%1").arg(i));
    }
    // No record is open yet: nothing to delete.
    m_fiche[3]->setEnabled(false);
    connectFicheCommands(fiche);
    QMenu *aide = bar->addMenu(QStringLiteral("&Aide"));
    const QString aideTexts[] = {QStringLiteral("&Aide de Tarvolix"), QStringLiteral("A &propos de...")};
    for (std::size_t i = 0; i < m_aide.size(); ++i) {
        m_aide[i] = aide->addAction(aideTexts[i]);
        m_aide[i]->setObjectName(QStringLiteral("mnuAide%1").arg(i));
    }
    return bar;
}

QWidget *FrmGros::dateRow(const QString &caption, const QString &name, Field field)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *label = new QLabel(caption, row);
    auto *edit = DateField::create(name, row);
    label->setBuddy(edit);
    m_fields[at(field)] = edit;

    auto *picture = DateField::calendarButton(name, row);

    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(picture);
    layout->addStretch(1);

    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString &text) { m_form.setText(field, text); });
    connect(edit, &DateField::confirmed, this, [this, field] { m_form.confirm(field); });
    connect(edit, &DateField::left, this, [this, field] { m_form.leave(field, m_picker && m_picker->isVisible()); });
    connect(edit, &DateField::pickerRequested, this, [this, field] { openPicker(field); });
    connect(picture, &QToolButton::clicked, this, [this, field] { openPicker(field); });
    return row;
}

QLabel *FrmGros::resultLabel(Label label, const QString &name)
{
    auto *result = new QLabel(this);
    result->setObjectName(name);
    result->setFrameShape(QFrame::StyledPanel);
    result->setFrameShadow(QFrame::Sunken);
    result->setMinimumHeight(result->fontMetrics().height() + 8);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_labels[at(label)] = result;
    return result;
}

QComboBox *FrmGros::milestoneList(Milestones::List milestones, const QString &name)
{
    auto *list = new QComboBox(this);
    list->setObjectName(name);
    list->addItems(Milestones::items(milestones));
    list->setCurrentIndex(0);
    connect(list, &QComboBox::activated, this,
            [this, milestones](int index) { m_form.chooseListItem(milestones, index); });
    return list;
}

QWidget *FrmGros::createHeader()
{
    // The framed band above the tabs.
    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("shaGros"));
    shape->setFrameShape(QFrame::StyledPanel);
    shape->setFrameShadow(QFrame::Raised);
    auto *grid = new QVBoxLayout(shape);

    QWidget *ddgRow =
        dateRow(QStringLiteral("Date présumée de début de grossesse:"), QStringLiteral("txtDDG"), Field::Ddg);
    auto *dating = new QPushButton(QStringLiteral("&Datation..."), ddgRow);
    dating->setObjectName(QStringLiteral("cmdDatation"));
    dating->setAccessibleName(QStringLiteral("Datation de la grossesse"));
    dating->setToolTip(
        QStringLiteral("Dater la grossesse d'après les dernières règles ou l'échographie du 1er trimestre"));
    dating->setAutoDefault(false);
    connect(dating, &QPushButton::clicked, this, &FrmGros::openDating);
    // After the field's calendar picture, before the trailing stretch.
    static_cast<QHBoxLayout *>(ddgRow->layout())->insertWidget(3, dating);
    grid->addWidget(ddgRow);

    auto *termRow = new QHBoxLayout;
    termRow->addWidget(new QLabel(QStringLiteral("Terme théorique:"), shape));
    QLabel *term = resultLabel(Label::TermeTheorique, QStringLiteral("lblTT"));
    term->setFrameShape(QFrame::NoFrame);
    term->setFont(bold(term->font()));
    termRow->addWidget(term, 1);
    grid->addLayout(termRow);

    QWidget *status =
        statusRow(Label::Datation, QStringLiteral("lblDatation"), Label::DatationSA, QStringLiteral("lblDatationSA"));
    status->findChild<QLabel *>(QStringLiteral("lblDatation"))->setAlignment(Qt::AlignCenter);
    for (QLabel *label : status->findChildren<QLabel *>()) {
        label->setFont(bold(label->font()));
        label->setStyleSheet(QStringLiteral("color: #000080;"));
    }
    grid->addWidget(status);
    return shape;
}

QWidget *FrmGros::createAdministrativeTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraGros1"));
    auto *layout = new QVBoxLayout(page);

    auto *divers = new QGroupBox(QStringLiteral("Divers"), page);
    divers->setObjectName(QStringLiteral("fraAdm0"));
    auto *diversLayout = new QVBoxLayout(divers);
    diversLayout->addWidget(milestoneList(Milestones::List::Divers, QStringLiteral("cboAdm0")));
    diversLayout->addWidget(resultLabel(Label::Adm0, QStringLiteral("lblAdm0")));
    layout->addWidget(divers);

    auto *prenatal = new QGroupBox(QStringLiteral("Congé prénatal"), page);
    prenatal->setObjectName(QStringLiteral("fraAdm1"));
    auto *prenatalLayout = new QVBoxLayout(prenatal);
    prenatalLayout->addWidget(milestoneList(Milestones::List::Prenatal, QStringLiteral("cboAdm1")));
    prenatalLayout->addWidget(resultLabel(Label::Adm1, QStringLiteral("lblAdm1")));
    prenatalLayout->addWidget(wrappedText(
        QStringLiteral("Pour percevoir des indemnités journalières un repos minimal de 8 semaines est exigé "
                       "(au minimum 2 semaines avant et 6 semaines après l'accouchement)."),
        prenatal));
    prenatalLayout->addWidget(wrappedText(
        QStringLiteral("Le repos prénatal maximal dépend du nombre de foetus à venir et du nombre d'enfants "
                       "vivants au foyer."),
        prenatal));
    layout->addWidget(prenatal);
    layout->addStretch(1);
    return page;
}

QWidget *FrmGros::createMedicalTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraGros2"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrappedText(
        QStringLiteral("Les dates-repères médicales sont, par usage, calculées en semaines d'aménorrhée. Le calcul "
                       "est réalisé par défaut en présumant une fécondation au 14è jour d'un cycle de 28 jours. Le "
                       "cas échéant, vous pouvez modifier la date des dernières règles proposée par défaut. "
                       "Celle-ci sera mémorisée si vous enregistrez la fiche."),
        page));
    layout->addWidget(dateRow(QStringLiteral("Date des dernières règles:"), QStringLiteral("txtDDR"), Field::Ddr));
    layout->addWidget(milestoneList(Milestones::List::Medical, QStringLiteral("cboMed0")));
    layout->addWidget(resultLabel(Label::Med0, QStringLiteral("lblMed0")));
    layout->addWidget(wrappedText(
        QStringLiteral("Les dates-repères listées ici sont celles communément utilisées dans la pratique. Voir "
                       "l'aide de Tarvolix pour plus de renseignements."),
        page));
    layout->addStretch(1);
    return page;
}

QWidget *FrmGros::createPostnatalTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraGros3"));
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(wrappedText(
        QStringLiteral("La durée du congé postnatal est calculé à partir du jour de l'accouchement si celui-ci "
                       "survient après le terme théorique, et à partir du terme théorique si celui-ci survient "
                       "prématurément. Il dépend également du caractère unique ou multiple de la grossesse, ainsi "
                       "que du nombre d'enfants vivants préalables. Un minimum de 6 semaines est imposé pour le "
                       "versement d''indemnités journalières. Si l'accouchement a eu lieu après le terme "
                       "théorique, indiquez en la date ci-dessous."),
        page));
    layout->addWidget(dateRow(QStringLiteral("Date d'accouchement:"), QStringLiteral("txtACC"), Field::Acc));
    layout->addWidget(milestoneList(Milestones::List::Postnatal, QStringLiteral("cboPost0")));
    layout->addWidget(resultLabel(Label::Post0, QStringLiteral("lblPost0")));
    layout->addStretch(1);
    return page;
}

QWidget *FrmGros::createCalendarTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraGros4"));
    auto *layout = new QHBoxLayout(page);

    m_calendar = new Calendar(page);
    m_calendar->setObjectName(QStringLiteral("calGros"));
    m_calendar->setTitleBackColor(kTeal);
    // Every change counts, the one made when the window opens included.
    connect(m_calendar, &Calendar::change, this, [this](int) { m_form.setCalendarDay(m_calendar->value()); });
    layout->addWidget(m_calendar, 0, Qt::AlignTop);

    auto *side = new QVBoxLayout;
    auto *hint = new QLabel(QStringLiteral("Sélectionnez un jour."), page);
    hint->setObjectName(QStringLiteral("lblCalendrier2"));
    side->addWidget(hint);
    QLabel *day = resultLabel(Label::CalendrierJour, QStringLiteral("lblCalendrier0"));
    day->setFont(bold(day->font()));
    side->addWidget(day);
    QWidget *status = statusRow(Label::CalendrierStatut, QStringLiteral("lblCalendrier1"), Label::CalendrierSA,
                                QStringLiteral("lblCalendrierSA"));
    status->findChild<QLabel *>(QStringLiteral("lblCalendrier1"))->setWordWrap(true);
    side->addWidget(status);
    side->addStretch(1);
    layout->addLayout(side, 1);
    return page;
}

// A status line and, beside it, the same day in weeks of amenorrhoea.
QWidget *FrmGros::statusRow(Label status, const QString &statusName, Label weeks, const QString &weeksName)
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(resultLabel(status, statusName), 1);
    QLabel *sa = resultLabel(weeks, weeksName);
    sa->setAlignment(Qt::AlignCenter);
    sa->setMinimumWidth(sa->fontMetrics().horizontalAdvance(QStringLiteral("00 SA + 0 j")) + 16);
    sa->setToolTip(QStringLiteral("Semaines d'aménorrhée révolues depuis la date des dernières règles"));
    layout->addWidget(sa);
    return row;
}

void FrmGros::openDating()
{
    const std::optional<QDate> ddr = m_form.date(Field::Ddr);
    FrmDatation dialog(nullptr, ddr ? DateText::shortForm(*ddr) : QString(), DateText::shortForm(QDate::currentDate()),
                       this);
    if (dialog.exec() != QDialog::Accepted || !dialog.dating())
        return;
    m_form.applyDating(dialog.dating()->ddg, dialog.dating()->ddr);
}

DateField *FrmGros::fieldOf(Field field) const { return m_fields[at(field)]; }

void FrmGros::showFieldText(Field field)
{
    DateField *edit = fieldOf(field);
    const QString text = m_form.text(field);
    if (edit->text() != text)
        edit->setText(text);
}

void FrmGros::showLabel(Label label) { m_labels[at(label)]->setText(m_form.label(label)); }

void FrmGros::openPicker(Field field)
{
    DateField *edit = fieldOf(field);
    m_picker->setValue(m_form.date(field).value_or(QDate::currentDate()));
    m_pickerField = field;
    m_picker->move(edit->mapTo(this, QPoint(0, edit->height())));
    m_picker->raise();
    m_picker->show();
    // The field loses the focus meanwhile; being visible, the picker keeps
    // that from recomputing anything.
    m_picker->setFocus(Qt::OtherFocusReason);
}

void FrmGros::pickerChose()
{
    // A picked day is a confirmed one: its dependants follow at once, as
    // after Enter in the field, rather than when the field is left.
    m_form.setText(m_pickerField, DateText::shortForm(m_picker->value()));
    m_form.confirm(m_pickerField);
    fieldOf(m_pickerField)->setFocus(Qt::OtherFocusReason);
}

void FrmGros::pickerCancelled() { fieldOf(m_pickerField)->setFocus(Qt::OtherFocusReason); }

bool FrmGros::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picker && event->type() == QEvent::FocusOut) {
        // Switching to another application or opening a menu keeps it open.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_picker->hide();
    }
    return QWidget::eventFilter(watched, event);
}

QString FrmGros::dateText(Field field) const { return m_form.text(field); }

std::optional<QDate> FrmGros::date(Field field) const { return m_form.date(field); }

void FrmGros::clearPregnancy() { m_form.clear(); }

void FrmGros::showPregnancy(const QDate &ddg, const QDate &ddr, const QDate &acc) { m_form.load(ddg, ddr, acc); }

void FrmGros::showFicheState(const QString &caption, bool ficheOuverte)
{
    m_recordOpen = ficheOuverte;
    setWindowTitle(caption);
    m_fiche[3]->setEnabled(ficheOuverte);
}

bool FrmGros::isRecordOpen() const { return m_recordOpen; }

QAction *FrmGros::ficheAction(int index) const
{
    return index >= 0 && index < static_cast<int>(m_fiche.size()) ? m_fiche[at(index)] : nullptr;
}

QAction *FrmGros::aideAction(int index) const
{
    return index >= 0 && index < static_cast<int>(m_aide.size()) ? m_aide[at(index)] : nullptr;
}

PregnancyForm &FrmGros::form() { return m_form; }

FrmGros::~FrmGros() = default;

void FrmGros::setRecordFile(const QString &path)
{
    m_fiches = std::make_unique<FicheCommands>(path, *this);
    showFicheState(m_fiches->caption(), m_fiches->ficheOuverte());
}

void FrmGros::setPrompt(UserPrompt *prompt) { m_prompt = prompt; }

void FrmGros::runFicheCommand(const std::function<void(FicheBoxes)> &command)
{
    if (m_prompt) {
        command({*m_prompt, *m_prompt, *m_prompt});
        return;
    }
    QtUserPrompt prompt(this);
    QtUserPrompt identifierBox(this, FicheCommands::saveTitle());
    identifierBox.setMaxLength(FicheIdentifier::MaxLength);
    QtUserPrompt passwordBox(this, FicheCommands::passwordTitle());
    passwordBox.setMasked(true);
    command({prompt, identifierBox, passwordBox});
}

void FrmGros::connectFicheCommands(QMenu *menu)
{
    m_fiches = std::make_unique<FicheCommands>(RecordFileLocation::forThisProgram(), *this);
    connect(menu, &QMenu::aboutToShow, this, [this] { m_fiches->prepare(); });
    connect(m_fiche[0], &QAction::triggered, this, [this] { m_fiches->newFiche(); });
    connect(m_fiche[1], &QAction::triggered, this, [this] {
        runFicheCommand([this](FicheBoxes boxes) {
            FichesPicker picker(this);
            m_fiches->openFiche(boxes, picker);
        });
    });
    connect(m_fiche[2], &QAction::triggered, this, [this] {
        const auto dateOf = [this](Field field) { return date(field).value_or(QDate()); };
        const FicheDates dates{dateOf(Field::Ddg), dateOf(Field::Ddr), dateOf(Field::Acc)};
        runFicheCommand([this, &dates](FicheBoxes boxes) { m_fiches->saveFiche(dates, boxes); });
    });
    connect(m_fiche[3], &QAction::triggered, this,
            [this] { runFicheCommand([this](FicheBoxes boxes) { m_fiches->deleteFiche(boxes); }); });
    connect(m_fiche[4], &QAction::triggered, this,
            [this] { runFicheCommand([this](FicheBoxes boxes) { m_fiches->changePassword(boxes); }); });
}
