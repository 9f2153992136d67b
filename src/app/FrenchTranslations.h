#pragma once

class QApplication;

// Qt's own French texts, so that standard dialogs say "Annuler", "Oui", "Non".
namespace FrenchTranslations {
void install(QApplication &app);
}
