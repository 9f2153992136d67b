#pragma once

#include <QStringList>

#include <functional>

class UserPrompt;

// Lets the user pick one record among the identifiers given, the first one being
// selected. `open` loads the chosen record and tells whether it worked, reporting a
// failure through the prompt it is given; the picker closes only once a record was
// opened, or when the user cancels.
class FichePicker
{
public:
    using Opener = std::function<bool(const QString &name, UserPrompt &prompt)>;

    virtual ~FichePicker() = default;
    virtual void pick(const QStringList &names, const Opener &open) = 0;
};
