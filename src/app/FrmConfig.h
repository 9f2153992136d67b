#pragma once

#include "app/AppearanceStyle.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class AppearanceStore;
class GdiKey;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

// "Personnalisation": the choice of a predefined or custom style for the
// calculator window, with a small preview of the calculator.
class FrmConfig : public QDialog
{
    Q_OBJECT
public:
    // The colour chooser: the chosen colour, or -1 when cancelled.
    using ColorChoice = std::function<qint64(quint32 initial)>;

    FrmConfig(int style, const AppearanceColors &stored, ColorChoice chooser, QWidget *parent = nullptr);

    // Runs the configuration modally over the calculator window with the
    // product's store; the colours to apply when the user confirmed it.
    static std::optional<AppearanceColors> configure(QWidget *owner);

    // The first selected option, 1 to 4.
    int selectedStyle() const;
    void selectStyle(int style);
    quint32 swatchColor(int k) const { return m_swatches[colorRoleNumbered(k)]; }
    // What the preview shows, in the order of the calculator's colour roles.
    const AppearanceColors &previewColors() const { return m_preview; }
    QPushButton *customButton(int k) const { return m_customButtons[std::size_t(k - 1)]; }
    GdiKey *previewKey(int i) const { return m_keys[std::size_t(i)]; }

    // After a confirmation: writes the choice and gives the colours to apply.
    AppearanceColors commit(AppearanceStore &store) const;

private:
    QGroupBox *buildStyles();
    QGroupBox *buildCustom();
    QGroupBox *buildPreview();
    void styleClicked(int style);
    void customClicked(int k);
    void showPreview();
    void drawPreviewKeys();

    ColorChoice m_chooser;
    AppearanceColors m_swatches{};
    AppearanceColors m_preview{};
    std::array<QRadioButton *, 4> m_options{};
    std::array<QPushButton *, 5> m_customButtons{};
    std::array<QFrame *, 5> m_swatchShapes{};
    std::array<GdiKey *, 12> m_keys{};
    QGroupBox *m_custom = nullptr;
    QFrame *m_background = nullptr;
    QLabel *m_display = nullptr;
    QTableWidget *m_grid = nullptr;
};
