#include "app/FrmCalc.h"

#include "app/AppearanceStore.h"
#include "app/FrmAbout.h"
#include "app/FrmConfig.h"
#include "app/HelpViewer.h"
#include "app/WindowRegistry.h"
#include "calc/CalcEngine.h"
#include "calc/KeyClickSimulator.h"
#include "calc/KeyGlyphs.h"
#include "calc/Keypad.h"
#include "calc/NumberText.h"
#include "controls/ColorTranslate.h"
#include "controls/GdiKey.h"
#include "controls/Twips.h"
#include "dialogs/QtUserPrompt.h"
#include "tape/CancelledCalculations.h"
#include "tape/EditFrame.h"
#include "tape/LineEditor.h"
#include "tape/Tape.h"
#include "tape/TapeDocument.h"
#include "tape/TapeFile.h"
#include "tape/TapeFileCommands.h"
#include "tape/TapeTableModel.h"
#include "tape/TapeView.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <cmath>

namespace {

constexpr int KeypadWidth = Twips::toPixels(4455); // the edit frame's width
constexpr int KeypadHeight = Twips::toPixels(5415);
constexpr int DisplayHeight = 40;
constexpr int GridWidth = 232;
constexpr int Margin = 8;
constexpr qreal DisplayPointSize = 16;

int modifierMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? KeyboardMap::ShiftMask : 0)
        | (modifiers & Qt::ControlModifier ? KeyboardMap::CtrlMask : 0)
        | (modifiers & Qt::AltModifier ? KeyboardMap::AltMask : 0);
}

QString colorCss(quint32 color) { return TranslateColor(color).name(); }

QString colorSheet(const AppearanceColors &colors)
{
    return QStringLiteral("QWidget#fond { background: %1; }"
                          "QLabel#lblAffich { background: %2; color: %3; }"
                          "QTableView#flxCalc { background: %4; }")
        .arg(colorCss(colors[ColorRole::Window]), colorCss(colors[ColorRole::DisplayBack]),
             colorCss(colors[ColorRole::DisplayText]), colorCss(colors[ColorRole::Grid]));
}

} // namespace

FrmCalc::FrmCalc(QWidget *parent)
    : QMainWindow(parent),
      m_tape(std::make_unique<Tape>()),
      m_document(new TapeDocument(*m_tape, this)),
      m_ownPrompt(std::make_unique<QtUserPrompt>(this)),
      m_prompt(m_ownPrompt.get()),
      m_engine(std::make_unique<CalcEngine>(*m_tape, *m_prompt))
{
    setWindowTitle(m_document->caption());
    connect(m_document, &TapeDocument::captionChanged, this, &QWidget::setWindowTitle);
    GdiKey::installAccessibility();

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("fond"));
    central->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(central);
    // The colours' sheet is set before the children are made: set after
    // them, it would restyle each of them once more.
    const Colors colors = AppearanceStore().colors();
    central->setStyleSheet(colorSheet(colors));
    central->setAttribute(Qt::WA_StyledBackground);

    auto *keypad = new QWidget(central);
    keypad->setGeometry(0, 0, KeypadWidth, KeypadHeight);
    buildKeypad(keypad);

    m_display = new QLabel(QStringLiteral("0"), central);
    m_display->setObjectName(QStringLiteral("lblAffich"));
    m_display->setAccessibleName(QStringLiteral("Affichage"));
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_display->setGeometry(KeypadWidth, Margin, GridWidth, DisplayHeight);
    m_display->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_display->setTextInteractionFlags(Qt::NoTextInteraction);
    QFont displayFont = m_display->font();
    displayFont.setPointSizeF(DisplayPointSize);
    m_display->setFont(displayFont);
    // The indent a framed label takes by default, fixed at the full size so
    // that a shrunk text keeps its place at the right.
    m_display->setIndent(QFontMetrics(displayFont).horizontalAdvance(QLatin1Char('x')) / 2);

    m_grid = new TapeView(central);
    m_grid->setObjectName(QStringLiteral("flxCalc"));
    m_grid->setAccessibleName(QStringLiteral("Bande de calcul"));
    m_model = new TapeTableModel(*m_tape, this);
    m_grid->setModel(m_model);
    m_grid->setGeometry(KeypadWidth, Margin * 2 + DisplayHeight, GridWidth, KeypadHeight - Margin * 3 - DisplayHeight);
    connect(m_grid, &TapeView::toggleModeRequested, this, &FrmCalc::toggleMode);
    connect(m_grid, &TapeView::storeRequested, this, &FrmCalc::storeFromGrid);
    connect(m_grid, &TapeView::editRequested, this, &FrmCalc::openEdit);

    // The window can grow: the grid takes the extra room, the rest keeps its
    // place and size; the smallest window is the one laid out here.
    central->setMinimumSize(KeypadWidth + GridWidth + Margin, KeypadHeight);
    central->installEventFilter(this);
    buildMenus();
    buildStatusBar();

    m_keyboard = new KeyClickSimulator([this](KeyId k, int b, int s) { keyDown(k, b, s); },
                                       [this](KeyId k, int b, int s) { keyUp(k, b, s); }, this);
    qApp->installEventFilter(this);

    applyAppearance(colors);
    refresh();
    central->setFocus();
}

FrmCalc::~FrmCalc() { qApp->removeEventFilter(this); }

void FrmCalc::setPrompt(UserPrompt *prompt)
{
    m_prompt = prompt;
    m_engine = std::make_unique<CalcEngine>(*m_tape, *m_prompt);
    refresh();
}

void FrmCalc::buildKeypad(QWidget *area)
{
    for (const Keypad::Place &place : Keypad::places()) {
        auto *key = new GdiKey(area);
        const KeyId id = place.key;
        if (id.group == KeyGroup::Grid) {
            key->setSurfaceSize(Keypad::GridKeyWidthPixels, Keypad::GridKeyHeightPixels);
            key->setFillStyle(1);
            m_gridKey = key;
        }
        key->move(Twips::toPixels(place.leftTwips), Twips::toPixels(place.topTwips));
        key->setToolTip(Keypad::tooltip(id));
        key->setAccessibleName(Keypad::accessibleName(id));
        key->setAccessibleDescription(Keypad::tooltip(id));
        connect(key, &GdiKey::mouseDown, this, [this, id](int b, int s) { keyDown(id, b, s); });
        connect(key, &GdiKey::mouseUp, this, [this, id](int b, int s) { keyUp(id, b, s); });
        m_keys.append({id, key});
    }
}

void FrmCalc::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&Fichier"));
    QAction *blank = m_fileMenu->addAction(QStringLiteral("Grille vierge"), this, &FrmCalc::newTape);
    blank->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    m_fileMenu->addAction(QStringLiteral("Ouvrir"), this, [this] {
        fileCommands().open();
        refresh();
    });
    m_fileMenu->addAction(QStringLiteral("Enregistrer"), this, [this] { fileCommands().save(); });
    m_fileMenu->addAction(QStringLiteral("Imprimer"), this, [this] { fileCommands().print(); });
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(QStringLiteral("Quitter"), this, &QWidget::close);

    m_editMenu = menuBar()->addMenu(QStringLiteral("&Edition"));
    m_editMenu->addAction(QStringLiteral("Copier"), this, &FrmCalc::copy)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    m_editMenu->addAction(QStringLiteral("Coller"), this, &FrmCalc::paste)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    m_editMenu->addAction(QStringLiteral("Supprimer les calculs annulés"), this, &FrmCalc::removeCancelledCalculations);

    QMenu *view = menuBar()->addMenu(QStringLiteral("&Affichage"));
    const std::pair<const char *, WindowKind> tools[] = {{"Convertisseur HOD", WindowKind::HOD},
                                                         {"Calculateur de dates", WindowKind::Date},
                                                         {"Calculs médicaux", WindowKind::Med},
                                                         {"Calendrier de la grossesse", WindowKind::Gros}};
    for (const auto &[caption, kind] : tools) {
        QAction *item = view->addAction(QString::fromUtf8(caption));
        connect(item, &QAction::triggered, this, [kind = kind] { WindowRegistry::instance().show(kind); });
        item->setEnabled(WindowRegistry::isAvailable(kind));
    }

    QMenu *custom = menuBar()->addMenu(QStringLiteral("&Personnaliser"));
    custom->addAction(QStringLiteral("Personnaliser les couleurs"), this, [this] {
        if (const auto colors = FrmConfig::configure(this))
            applyAppearance(*colors);
    });

    QMenu *help = menuBar()->addMenu(QStringLiteral("&?"));
    help->addAction(QStringLiteral("Aide de Tarvolix"), this, [this] { Help::showContents(this); });
    help->addAction(QStringLiteral("A propos de..."), this, [this] { AboutBox::show(this); });
}

void FrmCalc::buildStatusBar()
{
    for (int k = 0; k < 5; ++k) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("staBar%1").arg(k + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel, 1);
        m_memoryPanels[std::size_t(k)] = panel;
    }
    statusBar()->setSizeGripEnabled(false);
}

void FrmCalc::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_panelsFixed)
        return;
    // The memory panels keep the widths they take in the smallest window;
    // a wider window leaves the rest of the status bar empty.
    ensurePolished();
    resize(minimumSizeHint());
    layout()->activate();
    statusBar()->layout()->activate();
    for (QLabel *panel : m_memoryPanels)
        panel->setFixedWidth(panel->width());
    m_panelsFixed = true;
}

// Made when a line is first edited: most sessions never edit one. Made
// last, it covers the keypad.
EditFrame *FrmCalc::editFrame()
{
    if (!m_editFrame) {
        m_editFrame = new EditFrame(centralWidget());
        connect(m_editFrame, &EditFrame::buttonClicked, this, &FrmCalc::editButton);
    }
    return m_editFrame;
}

GdiKey *FrmCalc::key(KeyId id) const
{
    for (const auto &[keyId, key] : m_keys)
        if (keyId == id)
            return key;
    return nullptr;
}

bool FrmCalc::isGridMode() const { return m_mode == CalcMode::Grid; }

QString FrmCalc::displayText() const { return m_display->text(); }

QString FrmCalc::memoryPanelText(int k) const { return m_memoryPanels[std::size_t(k)]->text(); }

void FrmCalc::applyAppearance(const Colors &colors)
{
    m_colors = colors;
    for (const auto &[id, key] : m_keys) {
        key->setBackColor(colors[ColorRole::Window]);
        key->setForeColor(colors[ColorRole::KeyText]);
    }
    // Setting a sheet restyles every child: only a new one is set.
    const QString sheet = colorSheet(colors);
    if (centralWidget()->styleSheet() != sheet)
        centralWidget()->setStyleSheet(sheet);
    drawKeyFaces();
}

void FrmCalc::drawKeyFaces()
{
    for (const KeyId &id : KeyGlyphs::roundKeysInDrawingOrder()) {
        GdiKey *k = key(id);
        k->drawCircle(13, 13, 13);
        for (const GlyphSegment &segment : KeyGlyphs::glyph(id))
            k->drawLine(segment.to.x(), segment.to.y(), segment.from.x(), segment.from.y());
        k->refresh();
    }
    drawGridKeyFace();
}

void FrmCalc::drawGridKeyFace()
{
    m_gridKey->cls();
    m_gridKey->drawRoundRect(0, 0, Keypad::GridKeyWidthPixels, Keypad::GridKeyHeightPixels, 14, 14);
    for (const GlyphSegment &segment : KeyGlyphs::gridCaption(m_mode))
        m_gridKey->drawLine(segment.to.x(), segment.to.y(), segment.from.x(), segment.from.y());
    m_gridKey->setAccessibleName(isGridMode() ? QStringLiteral("Retour") : QStringLiteral("Editer la grille"));
    m_gridKey->refresh();
}

void FrmCalc::keyDown(KeyId id, int button, int shift)
{
    Q_UNUSED(shift);
    if (id.group == KeyGroup::Grid)
        return;
    GdiKey *k = key(id);
    k->drawCircle(13, 13, 12);
    k->refresh();
    if (id.group == KeyGroup::ClearEntry)
        act(id, button);
}

void FrmCalc::keyUp(KeyId id, int button, int shift)
{
    Q_UNUSED(shift);
    if (id.group == KeyGroup::Grid) {
        toggleMode();
        return;
    }
    GdiKey *k = key(id);
    k->setPenColor(k->backColor());
    k->drawCircle(13, 13, 12);
    k->setPenColor(k->foreColor());
    k->refresh();
    if (id.group != KeyGroup::ClearEntry)
        act(id, button);
}

void FrmCalc::act(KeyId id, int mouseButton)
{
    CalcEngine &e = *m_engine;
    // The keys and the keyboard give the control's button code: 1 is the left button.
    const KeyButton button = mouseButton == 1 ? KeyButton::Left : KeyButton::Right;
    switch (id.group) {
    case KeyGroup::Digit: e.digitKey(id.index); break;
    case KeyGroup::Decimal: e.decimalKey(); break;
    case KeyGroup::Sign: e.signKey(); break;
    case KeyGroup::Backspace: e.backspaceKey(); break;
    case KeyGroup::ClearEntry: e.clearEntryKey(); break;
    case KeyGroup::Clear: e.clearAllKey(); break;
    case KeyGroup::Operator: e.operatorKey(Operator(id.index)); break;
    case KeyGroup::Equals: e.equalsKey(); break;
    case KeyGroup::Function: e.functionKey(FunctionKey(id.index), button); break;
    case KeyGroup::Memory: e.memoryKey(id.index, button); break;
    case KeyGroup::Constant: e.constantKey(id.index); break;
    case KeyGroup::Grid: break;
    }
    refresh();
}

void FrmCalc::refresh()
{
    showOnDisplay(m_engine->display());
    for (int k = 0; k < 5; ++k)
        m_memoryPanels[std::size_t(k)]->setText(m_engine->memoryPanelText(k));
}

// The display never cuts a text: a text too wide for the full size gets the
// largest font that shows it whole, clear of the frame on both sides.
void FrmCalc::showOnDisplay(const QString &text)
{
    const qreal room = m_display->contentsRect().width() - 2 * (m_display->indent() + m_display->margin())
        - 1; // the last pixel column of a glyph may round up
    QFont font = m_display->font();
    qreal size = DisplayPointSize;
    const auto widthAt = [&font, &text](qreal pointSize) {
        font.setPointSizeF(pointSize);
        const QFontMetricsF metrics(font);
        return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right());
    };
    const qreal full = widthAt(size);
    if (full > room) {
        size = std::floor(DisplayPointSize * room / full * 4) / 4;
        while (size > 1 && widthAt(size) > room)
            size -= 0.25;
    }
    font.setPointSizeF(size);
    m_display->setFont(font);
    m_display->setText(text);
}

void FrmCalc::toggleMode()
{
    if (isGridMode()) {
        setMode(CalcMode::Keypad);
        return;
    }
    if (m_tape->openLineIndex() == 0 || m_engine->operationInProgress())
        return;
    setMode(CalcMode::Grid);
}

void FrmCalc::setMode(CalcMode mode)
{
    m_mode = mode;
    const bool grid = mode == CalcMode::Grid;
    drawGridKeyFace();
    m_previewKeys = !grid;
    m_fileMenu->setEnabled(!grid);
    m_editMenu->setEnabled(!grid);
    for (const auto &[id, key] : m_keys)
        if (id.group != KeyGroup::Grid)
            key->setVisible(!grid);
    m_grid->setEnabled(grid);
    if (grid) {
        if (!m_grid->currentIndex().isValid())
            m_grid->setCurrentIndex(m_model->index(int(m_tape->openLineIndex()) - 1, 1));
        m_grid->setFocus();
    } else {
        centralWidget()->setFocus();
    }
}

void FrmCalc::storeFromGrid(int row, int memory)
{
    if (row < 0 || row >= m_tape->openLineIndex())
        return;
    // Only a number can be stored: "Erreur!", "Annulation" or an empty cell
    // leave the memory and its panel as they were.
    const std::optional<double> value = TextToNumber(m_tape->cell(row, Tape::ValueColumn));
    if (!value)
        return;
    m_engine->setMemory(memory, *value);
    refresh();
}

TapeFileCommands FrmCalc::fileCommands() { return TapeFileCommands(*m_tape, *m_engine, *m_prompt, this, *m_document); }

void FrmCalc::newTape()
{
    m_keyboard->finishPending();
    if (!fileCommands().mayDiscard())
        return;
    m_engine->newTape();
    m_document->setScratch();
    refresh();
}

void FrmCalc::closeEvent(QCloseEvent *event)
{
    m_keyboard->finishPending();
    if (fileCommands().mayDiscard())
        event->accept();
    else
        event->ignore();
}

void FrmCalc::copy()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_display->text());
}

void FrmCalc::paste()
{
    m_keyboard->finishPending();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return;
    if (m_engine->paste(data->text()))
        refresh();
}

bool FrmCalc::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        const QSize size = centralWidget()->size();
        const int top = Margin * 2 + DisplayHeight;
        m_grid->setGeometry(KeypadWidth, top, size.width() - KeypadWidth - Margin, size.height() - top - Margin);
        return false;
    }
    if (event->type() != QEvent::KeyPress || !m_previewKeys || !watched->isWidgetType()
        || (m_editFrame && m_editFrame->isVisible()))
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != this || QApplication::activeModalWidget())
        return false;
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int vk = KeyboardMap::virtualKeyFor(keyEvent->key(), keyEvent->modifiers() & Qt::KeypadModifier,
                                              keyEvent->nativeScanCode());
    const std::optional<KeyboardMap::Click> click = KeyboardMap::clickFor(vk, modifierMask(keyEvent->modifiers()));
    if (!click)
        return false;
    m_keyboard->click(*click);
    return true;
}

void FrmCalc::openEdit(int row)
{
    m_editor = std::make_unique<LineEditor>(*m_tape, *m_prompt);
    const LineEditor::Opening opening = m_editor->open(row);
    if (opening.layout == LineEditor::Layout::None) {
        m_editor.reset();
        return;
    }
    editFrame()->showFor(opening);
    m_grid->setEnabled(false);
}

void FrmCalc::editButton(LineEditor::Button button)
{
    if (!m_editor)
        return;
    if (button == LineEditor::Button::Ok) {
        // A comment the tape file could not hold back unchanged is refused here.
        const LineEditor::Fields fields = m_editFrame->fields();
        QString message;
        if (fields.commentChanged && !TapeFile::canStoreComment(fields.comment, &message)) {
            m_prompt->message(message, UserPrompt::Icon::Critical);
            m_editFrame->focusComment();
            return;
        }
        if (m_editor->ok(fields) == LineEditor::Outcome::StayOpen) {
            m_editFrame->focusOperand();
            return;
        }
    } else if (button == LineEditor::Button::Remove) {
        m_editor->remove();
    }
    // Finish: the calculator goes on from the edited tape.
    m_engine->resumeAfterEdit(m_editor->finishedValue());
    m_editor.reset();
    refresh();
    m_editFrame->close();
    m_grid->setEnabled(true);
    m_grid->setFocus();
}

void FrmCalc::removeCancelledCalculations()
{
    if (m_tape->openLineIndex() == 0 || m_engine->operationInProgress())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CancelledCalculations::remove(*m_tape);
    QGuiApplication::restoreOverrideCursor();
}
