#include "medical/FrmMed.h"

#include "dialogs/QtUserPrompt.h"
#include "medical/BmiPage.h"
#include "medical/CkdEpiPage.h"
#include "medical/ClearancePage.h"
#include "medical/LdlPage.h"
#include "medical/MdrdPage.h"
#include "medical/TobaccoPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

FrmMed::FrmMed(QWidget *parent) : FrmMed(nullptr, parent) { }

FrmMed::FrmMed(UserPrompt *prompt, QWidget *parent) : QWidget(parent), m_prompt(prompt)
{
    if (!m_prompt) {
        m_ownPrompt = std::make_unique<QtUserPrompt>(this);
        m_prompt = m_ownPrompt.get();
    }
    setWindowTitle(QStringLiteral("Calculs médicaux"));
    buildPages();
}

FrmMed::~FrmMed() = default;

void FrmMed::buildPages()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabMed"));
    m_tabs->setDocumentMode(false);
    m_tobacco = new TobaccoPage(*m_prompt);
    m_tabs->addTab(new ClearancePage(*m_prompt), QStringLiteral("&Clairance Créat"));
    m_tabs->addTab(new MdrdPage(*m_prompt), QStringLiteral("Créat &MDRD"));
    m_tabs->addTab(new BmiPage(*m_prompt), QStringLiteral("&IMC"));
    m_tabs->addTab(new LdlPage(*m_prompt), QStringLiteral("&LDL-Chol"));
    m_tabs->addTab(m_tobacco, QStringLiteral("&Fagerström"));
    m_tabs->addTab(new CkdEpiPage(*m_prompt), QStringLiteral("&DFG CKD-EPI"));
    m_tabs->setCurrentIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_tabs);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FrmMed::pageChosen);
}

void FrmMed::pageChosen(int index)
{
    const int page = index + 1;
    if (page == m_currentPage)
        return;
    m_currentPage = page;
}

quint8 FrmMed::tobaccoScore() const { return m_tobacco->score(); }
