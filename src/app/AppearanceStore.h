#pragma once

#include "app/AppearanceStyle.h"

#include <memory>

class QSettings;

// The appearance kept in the per-user settings store: application
// "Zamto App Tarvolix", group "Colors", keys "Style" and "Color1" ... "Color5",
// every value as text.
class AppearanceStore
{
public:
    // The product's own store in the user's settings location.
    AppearanceStore();
    ~AppearanceStore();

    // The stored style, 1 to 4; a missing or unreadable one gives style 1.
    int style() const;
    // The stored custom colours; each missing or unreadable one takes its
    // default.
    AppearanceColors customColors() const;
    // What the calculator window shows: the custom colours in style 4, the
    // style's own colours otherwise.
    AppearanceColors colors() const;

    // A confirmed configuration: "Style" always, the five colours only for
    // the custom style.
    void save(int style, const AppearanceColors &custom);

private:
    std::unique_ptr<QSettings> m_settings;
};
