#include "app/WindowRegistry.h"

#include "app/FrmAbout.h"
#include "app/FrmCalc.h"
#include "app/FrmHOD.h"
#include "app/HelpViewer.h"
#include "datecalc/FrmDate.h"
#include "dialogs/AppInfo.h"
#include "medical/FrmMed.h"
#include "pregnancy/PregnancyModule.h"

#include <QAction>
#include <QMessageBox>

namespace {
template<typename W>
WindowRegistry::Factory factoryOf()
{
    return [] { return static_cast<QWidget *>(new W); };
}
int slot(WindowKind kind) { return static_cast<int>(kind); }

// The help and the about window belong to the program, not to the pregnancy
// calendar: its "&Aide" items are wired here. The calendar is a module of its
// own; null when it cannot be loaded, after saying so.
QWidget *newPregnancyWindow()
{
    QString error;
    const PregnancyModule::Functions *module = PregnancyModule::load(&error);
    if (!module) {
        QMessageBox::critical(nullptr, AppInfo::title(),
                              QStringLiteral("Le calendrier de la grossesse ne peut pas s'ouvrir.\n%1").arg(error));
        return nullptr;
    }
    const PregnancyModule::Window created = module->newWindow();
    QWidget *window = created.window;
    QObject::connect(created.help, &QAction::triggered, window, [window] { Help::showContents(window); });
    QObject::connect(created.about, &QAction::triggered, window, [window] { AboutBox::show(window); });
    return window;
}
} // namespace

WindowRegistry &WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

WindowRegistry::WindowRegistry()
{
    m_factories[slot(WindowKind::Calc)] = factoryOf<FrmCalc>();
    m_factories[slot(WindowKind::Gros)] = newPregnancyWindow;
    m_factories[slot(WindowKind::Med)] = factoryOf<FrmMed>();
    m_factories[slot(WindowKind::HOD)] = factoryOf<FrmHOD>();
    m_factories[slot(WindowKind::Date)] = factoryOf<FrmDate>();
}

QWidget *WindowRegistry::show(WindowKind kind)
{
    QPointer<QWidget> &window = m_windows[slot(kind)];
    if (!window) {
        window = m_factories[slot(kind)]();
        if (!window)
            return nullptr;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool WindowRegistry::isAvailable(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Calc:
    case WindowKind::Med:
    case WindowKind::HOD:
    case WindowKind::Date:
    case WindowKind::Gros: return true;
    default: return false;
    }
}

QWidget *WindowRegistry::existing(WindowKind kind) const { return m_windows[slot(kind)]; }

void WindowRegistry::setFactory(WindowKind kind, Factory factory) { m_factories[slot(kind)] = std::move(factory); }
