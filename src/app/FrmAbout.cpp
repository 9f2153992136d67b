#include "app/FrmAbout.h"

#include "app/DesktopDocument.h"
#include "app/ProductInfo.h"
#include "controls/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// Positions are laid out in twips.
constexpr int px(int twips) { return Twips::toPixels(twips); }

QFrame *etchedLine(QWidget *parent, int y, int right, const char *color)
{
    auto *line = new QFrame(parent);
    line->setGeometry(0, y, right, 1);
    line->setStyleSheet(QStringLiteral("background: %1;").arg(QLatin1String(color)));
    return line;
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent, Opener opener) : QDialog(parent), m_opener(std::move(opener))
{
    if (!m_opener)
        m_opener = [](const QString &target) { DesktopDocument::open(target); };
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("A propos de"));
    setFixedSize(px(5730), px(3840));

    QLabel *title = addLabel(QStringLiteral("lblTitle"), ProductInfo::productName(), 690, 240, 4845, 480, true);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    title->setFont(titleFont);
    addLabel(QStringLiteral("lblVersion"), ProductInfo::versionText(), 690, 780, 4965, 225, true);
    addLabel(QStringLiteral("lblDescription"), ProductInfo::description(), 690, 1125, 4845, 780, true)
        ->setWordWrap(true);
    // The two strokes of the engraved line end 370 and 369 pixels out.
    etchedLine(this, px(2640), px(5550), "#808080");
    etchedLine(this, px(2640) + 1, px(5535), "#ffffff");
    addLabel(QStringLiteral("lblDisclaimer"), ProductInfo::legalNotice(), 240, 2760, 3870, 345)->setWordWrap(true);

    addLabel(QStringLiteral("lblWeb0"), QStringLiteral("Web:"), 210, 3120, 495, 255);
    m_web = addLabel(QStringLiteral("lblWeb1"), ProductInfo::webAddress(), 810, 3120, 2175, 255);
    addLabel(QStringLiteral("lblMail0"), QStringLiteral("Mail:"), 210, 3480, 495, 255);
    m_mail = addLabel(QStringLiteral("lblMail1"), ProductInfo::mailAddress(), 810, 3480, 1335, 255);
    for (QLabel *link : {m_web, m_mail}) {
        link->setStyleSheet(QStringLiteral("color: #0000ff;"));
        link->setCursor(Qt::PointingHandCursor);
        link->adjustSize(); // an address wider than its place is not cut
        link->installEventFilter(this);
    }

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(px(4200), px(3120), px(1260), px(345) + 2);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel *FrmAbout::addLabel(const QString &name, const QString &text, int left, int top, int width, int height,
                           bool bold)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(px(left), px(top), px(width), px(height) + 2);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == m_web || watched == m_mail)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = static_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            m_opener(label == m_mail ? ProductInfo::mailTarget(label->text()) : label->text());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

namespace AboutBox {

void show(QWidget *parent)
{
    FrmAbout window(parent);
    window.exec();
}

} // namespace AboutBox
