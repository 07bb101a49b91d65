#include "familiesscreen.h"

#include "screenkit/builders.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "platform/twips.h"

#include <QLabel>

namespace censaria {
namespace {

const QColor screenColour(243, 236, 222);
const QString headingStyle = QStringLiteral("color: #6b3a1f;");
const QString recordStyle = QStringLiteral("QLabel { background: #fffdf7; color: #1d1d1d; border: 1px solid #b9a47e; padding: 4px; }");
const ButtonLook buttonLook{
    QStringLiteral("QPushButton { background: #fbf6ea; color: #3b2412; border: 1px solid #8a6a45; border-radius: 4px; padding: 2px; }"
                   "QPushButton:hover { background: #f3e4c6; }"
                   "QPushButton:pressed { background: #e5cfa4; }"
                   "QPushButton:disabled { background: #e3ddd2; color: #a59a8b; border-color: #c5b9a6; }"),
    9.5};

const QString introduction = QStringLiteral(
    "Sono presentate 5 famiglie tradizionali (del XVII secolo) e 5 famiglie contemporanee. Osserva con molta "
    "attenzione la loro composizione, l'età degli sposi al matrimonio, quanto tempo passa tra una nascita e l'altra, "
    "a quale età muoiono i figli, quanti figli hanno, i mestieri dei genitori, ecc., poi rispondi alle domande dei "
    "due questionari.");
const QString help = QStringLiteral(
    "Sono presentate 5 famiglie tradizionali (del XVII secolo) e 5 famiglie contemporanee. Osserva con molta "
    "attenzione la loro composizione, l'età degli sposi al matrimonio, quanto tempo passa tra una nascita e l'altra, "
    "ecc., poi rispondi alle domande dei due questionari.");

} // namespace

FamiliesScreen::FamiliesScreen(Module &module)
    : Screen(module, forms::families)
{
    setWindowTitle(QStringLiteral("F. TRADIZIONALE e F. MODERNA: OSSERVA le informazioni poi ESEGUI gli ESERCIZI"));
    setBackground(screenColour);
    module.message(introduction);
    buildRecord();
    buildButtons();
    showFamily();
    setKeyboardOrder(controls({"CmdINDIETRO", "CmdAVANTI", "Cmdtrad", "Cmdmod", "CmdAIUTO", "Cmdesercizi", "Cmdtorno", "Cmdmenù", "Cmdesco"}));
}

void FamiliesScreen::buildRecord()
{
    setTitle_ = makeLabel(canvas(), QStringLiteral("Label2"), QString(), {120, 120, 11760, 540}, Twips::font(16, true), Qt::AlignCenter);
    setTitle_->setStyleSheet(QStringLiteral("QLabel { background: #7a4a26; color: #fff6e0; border-radius: 6px; }"));

    makeLabel(canvas(), QStringLiteral("dateHeading"), QStringLiteral(" Data del matrimonio: "), {120, 840, 3120, 420}, Twips::font(12, true))
        ->setStyleSheet(headingStyle);
    marriageDate_ = makeLabel(canvas(), QStringLiteral("Labdatmat"), QString(), {3240, 840, 4200, 420}, Twips::font(12, true));
    position_ = makeLabel(canvas(), QStringLiteral("familyPosition"), QString(), {8400, 840, 3480, 420}, Twips::font(11, true),
                          Qt::AlignRight | Qt::AlignVCenter);
    position_->setStyleSheet(headingStyle);

    makeLabel(canvas(), QStringLiteral("parentsHeading"), QStringLiteral(" GENITORI"), {120, 1380, 3000, 360}, Twips::font(11, true))
        ->setStyleSheet(headingStyle);
    parents_ = makeLabel(canvas(), QStringLiteral("Labgen"), QString(), {120, 1740, 11760, 1380}, Twips::font(9));

    makeLabel(canvas(), QStringLiteral("childrenHeading"), QStringLiteral(" FIGLI"), {120, 3240, 3000, 360}, Twips::font(11, true))
        ->setStyleSheet(headingStyle);
    children_ = makeLabel(canvas(), QStringLiteral("Labfigli"), QString(), {120, 3600, 11760, 3660}, Twips::font(9));

    for (QLabel *record : {parents_, children_}) {
        record->setTextFormat(Qt::PlainText);
        record->setWordWrap(true);
        record->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        record->setStyleSheet(recordStyle);
    }
}

void FamiliesScreen::buildButtons()
{
    const auto add = [this](const char *name, const char *caption, const QRect &twips, void (FamiliesScreen::*action)()) {
        return makeButton(canvas(), QString::fromUtf8(name), QString::fromUtf8(caption), twips, buttonLook, this, action);
    };
    back_ = add("CmdINDIETRO", "Famiglia precedente", {120, 7440, 2280, 480}, &FamiliesScreen::previousFamily);
    forward_ = add("CmdAVANTI", "Famiglia successiva", {2520, 7440, 2280, 480}, &FamiliesScreen::nextFamily);
    traditional_ = add("Cmdtrad", "Fam. tradizionali", {5160, 7440, 2160, 480}, &FamiliesScreen::traditionalFamilies);
    modern_ = add("Cmdmod", "Fam. moderne", {7440, 7440, 2160, 480}, &FamiliesScreen::modernFamilies);
    add("CmdAIUTO", "Aiuto?", {9960, 7440, 1920, 480}, &FamiliesScreen::showHelp);

    add("Cmdesercizi", "2 Questionari", {120, 8160, 2880, 540}, &FamiliesScreen::openQuestionnaires);
    add("Cmdtorno", "Lezioni", {5160, 8160, 2160, 540}, &FamiliesScreen::openLesson);
    add("Cmdmenù", "Menù", {7440, 8160, 2160, 540}, &FamiliesScreen::backToMenu);
    add("Cmdesco", "Esco", {9960, 8160, 1920, 540}, &FamiliesScreen::exitProgram);
}

void FamiliesScreen::nextFamily()
{
    browser_.next();
    showFamily();
}

void FamiliesScreen::previousFamily()
{
    browser_.previous();
    showFamily();
}

void FamiliesScreen::traditionalFamilies()
{
    browser_.showTraditional();
    showFamily();
}

void FamiliesScreen::modernFamilies()
{
    browser_.showModern();
    showFamily();
}

void FamiliesScreen::showHelp()
{
    module().message(help);
}

void FamiliesScreen::openQuestionnaires()
{
    module().chiamante = forms::families;
    if (module().navigation().showQuestionnaire(QStringLiteral("Qfamtrad")))
        hide();
}

void FamiliesScreen::openLesson()
{
    if (module().navigation().showLessonPage(QStringLiteral("Storia4")))
        hide();
}

void FamiliesScreen::backToMenu()
{
    goToMenu();
    if (Screen *questionnaire = module().screens().existing(forms::questionnaire))
        questionnaire->hide();
}

void FamiliesScreen::showFamily()
{
    setTitle_->setText(browser_.setTitle());
    marriageDate_->setText(browser_.marriageDate());
    position_->setText(browser_.positionText());
    parents_->setText(browser_.parentsText());
    children_->setText(browser_.childrenText());
    back_->setEnabled(browser_.canGoBack());
    forward_->setEnabled(browser_.canGoForward());
    traditional_->setEnabled(browser_.traditionalEnabled());
    modern_->setEnabled(browser_.modernEnabled());
}

} // namespace censaria
