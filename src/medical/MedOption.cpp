#include "medical/MedOption.h"

MedOption::MedOption(const QString &name, const QString &text, bool checked, QWidget *parent)
    : QRadioButton(text, parent)
{
    setObjectName(name);
    // Exclusivity is ours: Qt's own would take the unchosen options out of the Tab chain.
    setAutoExclusive(false);
    setChecked(checked);
}

void MedOption::makeExclusive(const QList<MedOption *> &options)
{
    for (MedOption *option : options) {
        connect(option, &QAbstractButton::toggled, option, [options, option](bool checked) {
            if (!checked)
                return;
            for (MedOption *other : options) {
                if (other != option)
                    other->setChecked(false);
            }
        });
    }
}

void MedOption::nextCheckState() { setChecked(true); }
