#include "pregnancy/FrmDatation.h"

#include "controls/Calendar.h"
#include "controls/VirtualKeyCode.h"
#include "dialogs/QtUserPrompt.h"
#include "medical/MedNumberField.h"
#include "pregnancy/DateField.h"
#include "pregnancy/DateText.h"
#include "pregnancy/PregnancyStatus.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

std::size_t at(auto e) { return static_cast<std::size_t>(e); }

// Room for the indent that ties a method's inputs to its option button.
constexpr int kIndent = 22;

QLabel *valueLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("mer. 30 sept. 2026")) + 8);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

FrmDatation::FrmDatation(UserPrompt *prompt, const QString &lastPeriod, const QString &scanDate, QWidget *parent)
    : QDialog(parent),
      m_ownPrompt(prompt ? nullptr : std::make_unique<QtUserPrompt>(this)),
      m_prompt(prompt ? prompt : m_ownPrompt.get())
{
    setObjectName(QStringLiteral("frmDatation"));
    setWindowTitle(QStringLiteral("Datation de la grossesse"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createMethods());
    input(Input::LastPeriod)->setText(lastPeriod);
    input(Input::Cycle)->setText(QString::number(PregnancyDating::kDefaultCycle));
    input(Input::ScanDate)->setText(scanDate);
    layout->addWidget(createResult());

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *apply = buttons->addButton(QStringLiteral("Appliquer"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("cmdAppliquer"));
    apply->setDefault(true);
    buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdAnnuler"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FrmDatation::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FrmDatation::reject);
    layout->addWidget(buttons);

    // The pop-up date picker of the two date inputs.
    m_picker = new Calendar(this);
    m_picker->setObjectName(QStringLiteral("Calendrier"));
    m_picker->setWindowFlags(Qt::Popup);
    connect(m_picker, &Calendar::dateClick, this, &FrmDatation::pickerChose);
    connect(m_picker, &Calendar::keyDown, this, [this](int keyCode, int) {
        if (keyCode == VirtualKeyCode::Return) {
            pickerChose();
        } else if (keyCode == VirtualKeyCode::Escape) {
            m_picker->hide();
            input(m_pickerInput)->setFocus(Qt::OtherFocusReason);
        }
    });

    setMethod(Method::LastPeriod);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

FrmDatation::~FrmDatation() = default;

QWidget *FrmDatation::createMethods()
{
    auto *area = new QWidget(this);
    auto *grid = new QGridLayout(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnMinimumWidth(0, kIndent);
    grid->setColumnStretch(3, 1);

    m_byPeriod = new QRadioButton(QStringLiteral("D'après les &dernières règles"), area);
    m_byPeriod->setObjectName(QStringLiteral("optDatation0"));
    m_byScan = new QRadioButton(QStringLiteral("D'après l'é&chographie du 1er trimestre"), area);
    m_byScan->setObjectName(QStringLiteral("optDatation1"));

    struct Row
    {
        Input input;
        const char *name;
        const char *caption;
        const char *unit; // none for a date
    };
    const Row rows[] = {
        {Input::LastPeriod, "txtDatationDDR", "Date des dernières &règles :", nullptr},
        {Input::Cycle, "txtDatationCycle", "Durée du c&ycle :", "jours"},
        {Input::ScanDate, "txtDatationEcho", "Date de l'écho&graphie :", nullptr},
        {Input::Lcc, "txtDatationLCC", "Longueur cranio-caudale (&LCC) :", "mm"},
    };

    int line = 0;
    for (const Row &row : rows) {
        if (row.input == Input::LastPeriod)
            grid->addWidget(m_byPeriod, line++, 0, 1, 4);
        if (row.input == Input::ScanDate)
            grid->addWidget(m_byScan, line++, 0, 1, 4);
        auto *caption = new QLabel(QString::fromUtf8(row.caption), area);
        auto *field = new QWidget(area);
        auto *fieldLayout = new QHBoxLayout(field);
        fieldLayout->setContentsMargins(0, 0, 0, 0);
        const QString name = QString::fromLatin1(row.name);
        QLineEdit *edit = row.unit ? numberInput(row.input, name, QString::fromUtf8(row.unit), field)
                                   : dateInput(row.input, name, field);
        fieldLayout->addStretch(1);
        caption->setBuddy(edit);
        m_inputs[at(row.input)] = edit;
        connect(edit, &QLineEdit::textChanged, this, &FrmDatation::showPreview);
        grid->addWidget(caption, line, 1);
        grid->addWidget(field, line++, 2);
        m_methodWidgets[row.input <= Input::Cycle ? 0 : 1] << caption << field;
    }
    connect(m_byPeriod, &QRadioButton::toggled, this,
            [this](bool on) { setMethod(on ? Method::LastPeriod : Method::Scan); });
    return area;
}

QLineEdit *FrmDatation::numberInput(Input which, const QString &name, const QString &unit, QWidget *row)
{
    // A full stop typed into the length becomes the decimal comma.
    QLineEdit *edit = which == Input::Lcc ? new MedNumberField(name, true, row) : new QLineEdit(row);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaxLength(8);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00,000")) + 16);
    row->layout()->addWidget(edit);
    row->layout()->addWidget(new QLabel(unit, row));
    return edit;
}

QLineEdit *FrmDatation::dateInput(Input which, const QString &name, QWidget *row)
{
    auto *edit = DateField::create(name, row);
    auto *picture = DateField::calendarButton(name, row);
    row->layout()->addWidget(edit);
    row->layout()->addWidget(picture);
    connect(edit, &DateField::pickerRequested, this, [this, which] { openPicker(which); });
    connect(picture, &QToolButton::clicked, this, [this, which] { openPicker(which); });
    // Enter in a date applies the dialog, as in any other input.
    connect(edit, &DateField::confirmed, this, &FrmDatation::accept);
    return edit;
}

QWidget *FrmDatation::createResult()
{
    auto *box = new QGroupBox(QStringLiteral("Résultat"), this);
    auto *grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    m_ageCaption = new QLabel(QStringLiteral("Âge gestationnel à l'échographie :"), box);
    m_age = valueLabel(QStringLiteral("lblDatationAge"), box);
    m_ddr = valueLabel(QStringLiteral("lblDatationDDR"), box);
    m_ddg = valueLabel(QStringLiteral("lblDatationDDG"), box);
    m_term = valueLabel(QStringLiteral("lblDatationTerme"), box);
    const std::pair<QString, QLabel *> rows[] = {
        {QString(), m_age},
        {QStringLiteral("Date des dernières règles :"), m_ddr},
        {QStringLiteral("Date de début de grossesse :"), m_ddg},
        {QStringLiteral("Terme théorique :"), m_term},
    };
    int line = 0;
    for (const auto &[caption, value] : rows) {
        grid->addWidget(value == m_age ? m_ageCaption : new QLabel(caption, box), line, 0);
        grid->addWidget(value, line++, 1);
    }
    return box;
}

QLineEdit *FrmDatation::input(Input which) const { return m_inputs[at(which)]; }

void FrmDatation::setMethod(Method method)
{
    const bool byPeriod = method == Method::LastPeriod;
    if (m_byPeriod->isChecked() != byPeriod) {
        m_byPeriod->setChecked(byPeriod);
        m_byScan->setChecked(!byPeriod);
        return; // the toggle comes back here
    }
    for (std::size_t m = 0; m < m_methodWidgets.size(); ++m)
        for (QWidget *w : m_methodWidgets[m])
            w->setEnabled((m == 0) == byPeriod);
    m_ageCaption->setVisible(!byPeriod);
    m_age->setVisible(!byPeriod);
    showPreview();
}

FrmDatation::Method FrmDatation::method() const { return m_byPeriod->isChecked() ? Method::LastPeriod : Method::Scan; }

PregnancyDating::Entry FrmDatation::entry() const
{
    PregnancyDating::Entry e;
    e.method = method();
    e.lastPeriod = input(Input::LastPeriod)->text();
    e.cycle = input(Input::Cycle)->text();
    e.scanDate = input(Input::ScanDate)->text();
    e.lcc = input(Input::Lcc)->text();
    return e;
}

void FrmDatation::showPreview()
{
    if (!m_term)
        return; // still being built
    const PregnancyDating::Outcome outcome = PregnancyDating::evaluate(entry());
    const auto show = [](QLabel *label, const std::optional<QDate> &date) {
        label->setText(date ? DateText::longPattern(*date) : QString());
    };
    const std::optional<PregnancyDating::Dating> &d = outcome.dating;
    m_age->setText(d && d->gestationalAge ? PregnancyStatus::weeksOfAmenorrhoea(*d->gestationalAge) : QString());
    show(m_ddr, d ? std::optional<QDate>(d->ddr) : std::nullopt);
    show(m_ddg, d ? std::optional<QDate>(d->ddg) : std::nullopt);
    show(m_term, d ? std::optional<QDate>(d->term) : std::nullopt);
}

void FrmDatation::accept()
{
    const PregnancyDating::Outcome outcome = PregnancyDating::evaluate(entry());
    if (!outcome.dating) {
        m_prompt->message(outcome.message, UserPrompt::Icon::Warning);
        QLineEdit *bad = input(outcome.input);
        bad->setFocus(Qt::OtherFocusReason);
        bad->selectAll();
        return;
    }
    m_accepted = outcome.dating;
    QDialog::accept();
}

void FrmDatation::openPicker(Input which)
{
    QLineEdit *edit = input(which);
    m_pickerInput = which;
    m_picker->setValue(DateText::parse(edit->text()).value_or(QDate::currentDate()));
    m_picker->move(edit->mapToGlobal(QPoint(0, edit->height())));
    m_picker->show();
    m_picker->setFocus(Qt::PopupFocusReason);
}

void FrmDatation::pickerChose()
{
    m_picker->hide();
    QLineEdit *edit = input(m_pickerInput);
    edit->setText(DateText::shortForm(m_picker->value()));
    edit->setFocus(Qt::OtherFocusReason);
}

// The meta-object code in this object file, not in the library's shared one:
// the program links the pregnancy window only through its module.
#include "moc_FrmDatation.cpp"
