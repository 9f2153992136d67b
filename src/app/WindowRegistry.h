#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

// The program's windows; each exists at most once.
enum class WindowKind { Calc, Gros, Med, HOD, Date, Count };

// The one piece of global state: which window of each kind is open.
// A window is created the first time it is asked for and reused while it
// lives; closing it deletes it, so the next request builds it afresh.
class WindowRegistry
{
public:
    using Factory = std::function<QWidget *()>;

    static WindowRegistry &instance();

    // Shows the window modeless and without owner, creating it on first use,
    // and restores it if it was minimised. Null when it cannot be created
    // (a module of the program is missing; the user was told).
    QWidget *show(WindowKind kind);
    QWidget *existing(WindowKind kind) const;

    // Whether the window of that kind is finished and may be offered in menus.
    static bool isAvailable(WindowKind kind);

    // Tests replace a factory to observe window creation.
    void setFactory(WindowKind kind, Factory factory);

private:
    WindowRegistry();
    std::array<QPointer<QWidget>, static_cast<int>(WindowKind::Count)> m_windows;
    std::array<Factory, static_cast<int>(WindowKind::Count)> m_factories;
};
