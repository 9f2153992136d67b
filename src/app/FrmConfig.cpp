#include "app/FrmConfig.h"

#include "app/AppearanceStore.h"
#include "app/ColorDialog.h"
#include "calc/KeyGlyphs.h"
#include "calc/Keypad.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

constexpr quint32 ActiveTitleBar = 0x80000002;
constexpr quint32 ActiveTitleText = 0x80000009;
constexpr quint32 MenuBar = 0x80000004;
constexpr quint32 MenuText = 0x80000007;

const char *const CustomCaptions[5] = {"Fond de la fenêtre", "Texte des boutons", "Fond de la grille", "Fond du cadran",
                                       "Texte du cadran"};

QString css(quint32 color) { return TranslateColor(color).name(); }

void paint(QWidget *widget, quint32 back, std::optional<quint32> text = std::nullopt)
{
    QString sheet = QStringLiteral("background: %1;").arg(css(back));
    if (text)
        sheet += QStringLiteral(" color: %1;").arg(css(*text));
    widget->setStyleSheet(sheet);
}

// The keys of the preview: the digits 1 to 9 and the first three operators,
// as they stand on the keypad.
KeyId previewKeyId(int i)
{
    const int row = i / 4;
    const int col = i % 4;
    if (col == 3)
        return {KeyGroup::Operator, row};
    return {KeyGroup::Digit, 7 - 3 * row + col};
}

} // namespace

FrmConfig::FrmConfig(int style, const AppearanceColors &stored, ColorChoice chooser, QWidget *parent)
    : QDialog(parent),
      m_chooser(std::move(chooser)),
      m_swatches(stored)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Personnalisation"));
    GdiKey::installAccessibility();

    auto *left = new QVBoxLayout;
    left->addWidget(buildStyles());
    left->addWidget(buildCustom());
    left->addStretch(1);

    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(buildPreview(), 0, Qt::AlignTop);

    auto *save = new QPushButton(QStringLiteral("Enregistrer"), this);
    save->setObjectName(QStringLiteral("cmdAction0"));
    save->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("cmdAction1"));
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int k = 1; k <= ColorRoleCount; ++k)
        paint(m_swatchShapes[std::size_t(k - 1)], m_swatches[colorRoleNumbered(k)]);
    // A stored style the window cannot offer selects the first one.
    selectStyle(style >= AppearanceStyle::First && style <= AppearanceStyle::Custom ? style : AppearanceStyle::Default);
}

QGroupBox *FrmConfig::buildStyles()
{
    auto *frame = new QGroupBox(QStringLiteral("Styles"), this);
    frame->setObjectName(QStringLiteral("fraStyle"));
    auto *layout = new QVBoxLayout(frame);
    for (int style = 1; style <= 4; ++style) {
        auto *option = new QRadioButton(AppearanceStyle::name(style), frame);
        option->setObjectName(QStringLiteral("optStyle%1").arg(style));
        connect(option, &QRadioButton::clicked, this, [this, style] { styleClicked(style); });
        layout->addWidget(option);
        m_options[std::size_t(style - 1)] = option;
    }
    return frame;
}

QGroupBox *FrmConfig::buildCustom()
{
    m_custom = new QGroupBox(QStringLiteral("Style personnalisé"), this);
    m_custom->setObjectName(QStringLiteral("fraPerso"));
    auto *layout = new QGridLayout(m_custom);
    for (int k = 1; k <= 5; ++k) {
        auto *button = new QPushButton(QString::fromUtf8(CustomCaptions[k - 1]), m_custom);
        button->setObjectName(QStringLiteral("cmdPerso%1").arg(k));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, k] { customClicked(k); });
        auto *swatch = new QFrame(m_custom);
        swatch->setObjectName(QStringLiteral("shaPerso%1").arg(k));
        swatch->setFixedSize(32, 20);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setAccessibleName(QStringLiteral("Couleur : %1").arg(button->text()));
        layout->addWidget(button, k - 1, 0);
        layout->addWidget(swatch, k - 1, 1);
        m_customButtons[std::size_t(k - 1)] = button;
        m_swatchShapes[std::size_t(k - 1)] = swatch;
    }
    // Keep the window's size steady while the frame comes and goes.
    m_custom->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QSizePolicy policy = m_custom->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_custom->setSizePolicy(policy);
    return m_custom;
}

QGroupBox *FrmConfig::buildPreview()
{
    auto *frame = new QGroupBox(QStringLiteral("Aperçu"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(0);

    auto *title = new QFrame(frame);
    title->setObjectName(QStringLiteral("shaTitre"));
    title->setFixedHeight(20);
    paint(title, ActiveTitleBar);
    auto *titleText = new QLabel(QStringLiteral("Rondovinette"), title);
    titleText->setObjectName(QStringLiteral("lblTitre"));
    QFont bold = titleText->font();
    bold.setBold(true);
    titleText->setFont(bold);
    paint(titleText, ActiveTitleBar, ActiveTitleText);
    titleText->move(6, 2);
    layout->addWidget(title);

    auto *menu = new QFrame(frame);
    menu->setObjectName(QStringLiteral("shaMenu"));
    menu->setFixedHeight(20);
    paint(menu, MenuBar);
    auto *menuLayout = new QHBoxLayout(menu);
    menuLayout->setContentsMargins(6, 0, 6, 0);
    menuLayout->setSpacing(12);
    for (const char *caption : {"Fichier", "Edition", "Affichage"}) {
        auto *item = new QLabel(QString::fromUtf8(caption), menu);
        item->setObjectName(QStringLiteral("lblMenu"));
        paint(item, MenuBar, MenuText);
        menuLayout->addWidget(item);
    }
    menuLayout->addStretch(1);
    layout->addWidget(menu);

    m_background = new QFrame(frame);
    m_background->setObjectName(QStringLiteral("shaFond"));
    constexpr int Step = Keypad::KeySizePixels + 5;
    constexpr int Left = 8;
    constexpr int Top = 8;
    for (int i = 0; i < 12; ++i) {
        auto *key = new GdiKey(m_background);
        key->setObjectName(QStringLiteral("zmtGDI%1").arg(i));
        key->setSurfaceSize(Keypad::KeySizePixels, Keypad::KeySizePixels);
        key->move(Left + (i % 4) * Step, Top + (i / 4) * Step);
        key->setAccessibleName(Keypad::accessibleName(previewKeyId(i)));
        m_keys[std::size_t(i)] = key;
    }
    const int gridLeft = Left + 4 * Step + 6;
    constexpr int GridWidth = 120;
    m_display = new QLabel(QStringLiteral("1234,5"), m_background);
    m_display->setObjectName(QStringLiteral("lblCadran"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setGeometry(gridLeft, Top, GridWidth, 22);
    m_grid = new QTableWidget(3, 2, m_background);
    m_grid->setObjectName(QStringLiteral("flxCalc"));
    m_grid->setAccessibleName(QStringLiteral("Aperçu de la bande de calcul"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->setFixedWidth(10);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(16);
    m_grid->setColumnWidth(0, 20);
    m_grid->setColumnWidth(1, 76);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const char *const lines[3][2] = {{"", "1234,5"}, {"+", "10"}, {"=", "1244,5"}};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col) {
            auto *cell = new QTableWidgetItem(QString::fromUtf8(lines[row][col]));
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(row, col, cell);
        }
    m_grid->setGeometry(gridLeft, Top + 28, GridWidth, 3 * Step - 28 - 5);
    m_background->setFixedSize(gridLeft + GridWidth + Left, Top + 3 * Step + 3);
    layout->addWidget(m_background);
    return frame;
}

std::optional<AppearanceColors> FrmConfig::configure(QWidget *owner)
{
    AppearanceStore store;
    FrmConfig window(store.style(), store.customColors(), ColorDialog::choose, owner);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.commit(store);
}

int FrmConfig::selectedStyle() const
{
    for (int style = 1; style <= 4; ++style)
        if (m_options[std::size_t(style - 1)]->isChecked())
            return style;
    return AppearanceStyle::Default;
}

void FrmConfig::selectStyle(int style)
{
    m_options[std::size_t(style - 1)]->setChecked(true);
    styleClicked(style);
}

AppearanceColors FrmConfig::commit(AppearanceStore &store) const
{
    const int style = selectedStyle();
    store.save(style, m_swatches);
    return style == AppearanceStyle::Custom ? m_swatches : AppearanceStyle::predefined(style);
}

void FrmConfig::styleClicked(int style)
{
    const bool custom = style == AppearanceStyle::Custom;
    m_custom->setVisible(custom);
    if (custom) {
        m_preview = m_swatches;
    } else {
        const AppearanceColors colors = AppearanceStyle::predefined(style);
        m_preview = {colors[ColorRole::Window], colors[ColorRole::KeyText], colors[ColorRole::Window], 0xE0E0E0,
                     0x000000};
    }
    showPreview();
}

void FrmConfig::customClicked(int k)
{
    const ColorRole role = colorRoleNumbered(k);
    const qint64 chosen = m_chooser(m_swatches[role]);
    if (chosen < 0)
        return;
    m_swatches[role] = quint32(chosen);
    paint(m_swatchShapes[std::size_t(k - 1)], m_swatches[role]);
    m_preview[role] = m_swatches[role];
    showPreview();
}

void FrmConfig::showPreview()
{
    paint(m_background, m_preview[ColorRole::Window]);
    m_grid->setStyleSheet(QStringLiteral("QTableWidget { background: %1; gridline-color: gray; }"
                                         "QHeaderView::section { background: %1; border: none; }")
                              .arg(css(m_preview[ColorRole::Grid])));
    // The cells keep the grid's usual white; only what lies outside them takes the colour.
    for (int row = 0; row < m_grid->rowCount(); ++row)
        for (int col = 0; col < m_grid->columnCount(); ++col)
            m_grid->item(row, col)->setBackground(Qt::white);
    QFont displayFont = m_display->font();
    displayFont.setPointSize(11);
    m_display->setFont(displayFont);
    m_display->setStyleSheet(QStringLiteral("background: %1; color: %2; border: 1px inset gray; padding-right: 3px;")
                                 .arg(css(m_preview[ColorRole::DisplayBack]), css(m_preview[ColorRole::DisplayText])));
    drawPreviewKeys();
}

void FrmConfig::drawPreviewKeys()
{
    for (int i = 0; i < 12; ++i) {
        GdiKey *key = m_keys[std::size_t(i)];
        key->setBackColor(m_preview[ColorRole::Window]);
        key->setForeColor(m_preview[ColorRole::KeyText]);
        key->drawCircle(13, 13, 13);
        for (const GlyphSegment &segment : KeyGlyphs::glyph(previewKeyId(i)))
            key->drawLine(segment.to.x(), segment.to.y(), segment.from.x(), segment.from.y());
        key->refresh();
    }
}
