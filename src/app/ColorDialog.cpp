#include "app/ColorDialog.h"

#include "controls/ColorTranslate.h"

#include <QApplication>
#include <QColorDialog>

#include <algorithm>

namespace ColorDialog {

qint64 choose(quint32 initial)
{
    QWidget *owner = QApplication::activeWindow();
    // A system colour starts the dialog on what it looks like now.
    QColorDialog dialog(TranslateColor(initial), owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QStringLiteral("Couleurs"));
    dialog.adjustSize();
    if (owner) {
        const QRect frame = owner->frameGeometry();
        dialog.move(std::max(0, frame.left() + (frame.width() - dialog.width()) / 2),
                    std::max(0, frame.top() + (frame.height() - dialog.height()) / 2));
    }
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return qint64(ColorToNotation(dialog.selectedColor()));
}

} // namespace ColorDialog
