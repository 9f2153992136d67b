#pragma once

#include <QWidget>

#include <memory>

class QTabWidget;
class UserPrompt;
class TobaccoPage;

// Window "Calculs médicaux": six medical calculators on the pages of a tab strip.
class FrmMed : public QWidget
{
    Q_OBJECT
public:
    explicit FrmMed(QWidget *parent = nullptr);
    // Messages go to `prompt`, which must outlive the window.
    explicit FrmMed(UserPrompt *prompt, QWidget *parent = nullptr);
    ~FrmMed() override;

    // The number (1 to 6) of the page shown.
    int currentPage() const { return m_currentPage; }
    quint8 tobaccoScore() const;

private:
    void buildPages();
    void pageChosen(int index);

    std::unique_ptr<UserPrompt> m_ownPrompt;
    UserPrompt *m_prompt;
    QTabWidget *m_tabs = nullptr;
    TobaccoPage *m_tobacco = nullptr;
    int m_currentPage = 1;
};
