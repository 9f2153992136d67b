#pragma once

#include <QString>

// What the about window says about the product, and the texts of its links.
namespace ProductInfo {

QString productName();
QString description();
QString legalNotice();
QString webAddress();
QString mailAddress();

// "Version " and the three numbers as plain whole numbers: 1, 5, 0 give
// "Version 1.5.0".
QString versionText(int major, int minor, int revision);
// The version text of this build.
QString versionText();

// The document the mail link asks the desktop to open: "mailto: " and the
// address.
QString mailTarget(const QString &address);
// The address handed to the desktop for a link target: blanks around the
// target and between "mailto:" and the address are dropped, since a mail
// composer would otherwise receive an address beginning with a blank.
QString urlText(const QString &target);

} // namespace ProductInfo
