#pragma once

#include <QRadioButton>

// An option button of the medical window. Unlike the usual radio group, each
// option of a pair takes the Tab key, so that the keyboard reaches all of them.
class MedOption : public QRadioButton
{
    Q_OBJECT
public:
    MedOption(const QString &name, const QString &text, bool checked, QWidget *parent = nullptr);

    // Choosing one of `options` releases the others.
    static void makeExclusive(const QList<MedOption *> &options);

protected:
    // A click or Space chooses the option; it never clears a chosen one.
    void nextCheckState() override;
};
