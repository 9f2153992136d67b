#pragma once

#include "app/AppearanceStyle.h"
#include "calc/CalcMode.h"
#include "calc/KeyId.h"
#include "tape/LineEditor.h"

#include <QMainWindow>
#include <array>
#include <memory>

class CalcEngine;
class EditFrame;
class GdiKey;
class KeyClickSimulator;
class QAction;
class QLabel;
class QMenu;
class Tape;
class TapeDocument;
class TapeFileCommands;
class TapeTableModel;
class TapeView;
class UserPrompt;

// The calculator window: the keypad of drawn keys, the display, the tape
// grid and the memory panels, wired to the calculator engine.
class FrmCalc : public QMainWindow
{
    Q_OBJECT
public:
    explicit FrmCalc(QWidget *parent = nullptr);
    ~FrmCalc() override;

    using Colors = AppearanceColors;
    void applyAppearance(const Colors &colors);

    // For tests: replace the message and input boxes.
    void setPrompt(UserPrompt *prompt);
    CalcEngine &engine() { return *m_engine; }
    Tape &tape() { return *m_tape; }
    TapeDocument &document() { return *m_document; }
    GdiKey *key(KeyId id) const;
    bool isGridMode() const;
    EditFrame *editFrame();
    QString displayText() const;
    QString memoryPanelText(int k) const;

    // The key protocol: press draws the ring, release erases it and acts.
    void keyDown(KeyId key, int button, int shift);
    void keyUp(KeyId key, int button, int shift);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildKeypad(QWidget *area);
    void buildMenus();
    void buildStatusBar();
    void act(KeyId key, int mouseButton);
    void refresh();
    void showOnDisplay(const QString &text);
    void drawKeyFaces();
    void drawGridKeyFace();
    void toggleMode();
    void setMode(CalcMode mode);
    void storeFromGrid(int row, int memory);
    TapeFileCommands fileCommands();
    void newTape();
    void copy();
    void paste();
    void openEdit(int row);
    void editButton(LineEditor::Button button);
    void removeCancelledCalculations();

    std::unique_ptr<Tape> m_tape;
    TapeDocument *m_document = nullptr;
    std::unique_ptr<UserPrompt> m_ownPrompt;
    UserPrompt *m_prompt = nullptr;
    std::unique_ptr<CalcEngine> m_engine;
    KeyClickSimulator *m_keyboard = nullptr;
    QVector<QPair<KeyId, GdiKey *>> m_keys;
    GdiKey *m_gridKey = nullptr;
    CalcMode m_mode = CalcMode::Keypad;
    QLabel *m_display = nullptr;
    TapeView *m_grid = nullptr;
    TapeTableModel *m_model = nullptr;
    EditFrame *m_editFrame = nullptr;
    std::unique_ptr<LineEditor> m_editor;
    std::array<QLabel *, 5> m_memoryPanels{};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    bool m_previewKeys = true;
    bool m_panelsFixed = false;
    Colors m_colors{};
};
