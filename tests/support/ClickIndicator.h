#pragma once

#include <QAbstractButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

// Clicks a check box or an option button on its indicator. A layout may make the
// widget wider than its text, and a click at the widget's centre then falls beside
// what reacts to it, depending on the font.
inline void clickIndicator(QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle::SubElement element = qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonIndicator
                                                                              : QStyle::SE_CheckBoxIndicator;
    const QRect indicator = button->style()->subElementRect(element, &option, button);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
}
