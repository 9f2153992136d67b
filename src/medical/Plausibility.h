#pragma once

#include "medical/CreatinineUnit.h"
#include "medical/LipidUnit.h"

#include <QString>
#include <QStringList>

// Values that are accepted and computed as typed but are unlikely to be what
// the user meant. Each check returns the sentence shown on the page's warning
// line, naming the value, or an empty text when the value is plausible.
namespace Plausibility {

// Age on the renal pages (years): adults up to 120.
QString age(double years);
QString weight(double kilograms);
QString heightInMetres(double metres);
QString heightInCentimetres(double centimetres);
QString creatinine(double value, CreatinineUnit unit);
// `unit` is the unit the lipids were typed in.
QString hdlAboveTotal(double hdl, double total, LipidUnit unit);
// A result below zero cannot be right: `what` names it ("clairance négative").
QString negativeResult(double shown, const QString &what, const QString &unit);

// The warning line: the non-empty sentences, each on its own line.
QString join(const QStringList &warnings);

} // namespace Plausibility
