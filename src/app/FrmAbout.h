#pragma once

#include <QDialog>
#include <functional>

class QLabel;

// "A propos de": the product's name, version, description and legal notice,
// with links to the web site and to the support address.
class FrmAbout : public QDialog
{
    Q_OBJECT
public:
    // Hands a link target to the desktop; a failure is not reported.
    using Opener = std::function<void(const QString &target)>;

    explicit FrmAbout(QWidget *parent = nullptr, Opener opener = {});

    QLabel *webLink() const { return m_web; }
    QLabel *mailLink() const { return m_mail; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const QString &name, const QString &text, int left, int top, int width, int height,
                     bool bold = false);

    Opener m_opener;
    QLabel *m_web = nullptr;
    QLabel *m_mail = nullptr;
};

namespace AboutBox {
// Shows the about window modally over the parent.
void show(QWidget *parent);
} // namespace AboutBox
