#include "ffamiglie.h"

#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace censaria {
namespace {

const QColor screenColour(243, 236, 222);
const QString headingStyle = QStringLiteral("color: #6b3a1f;");
const QString recordStyle = QStringLiteral("QLabel { background: #fffdf7; color: #1d1d1d; border: 1px solid #b9a47e; padding: 4px; }");
const QString buttonStyle = QStringLiteral(
    "QPushButton { background: #fbf6ea; color: #3b2412; border: 1px solid #8a6a45; border-radius: 4px; padding: 2px; }"
    "QPushButton:hover { background: #f3e4c6; }"
    "QPushButton:pressed { background: #e5cfa4; }"
    "QPushButton:disabled { background: #e3ddd2; color: #a59a8b; border-color: #c5b9a6; }");

const QString introduction = QStringLiteral(
    "Sono presentate 5 famiglie tradizionali (del XVII secolo) e 5 famiglie contemporanee. Osserva con molta "
    "attenzione la loro composizione, l'età degli sposi al matrimonio, quanto tempo passa tra una nascita e l'altra, "
    "a quale età muoino i figli, quanti figli hanno, i mestieri dei genitori, ecc..., poi rispondi alle domande dei "
    "due questionari.");
const QString help = QStringLiteral(
    "Sono presentate 5 famiglie tradizionali (del XVII secolo) e 5 famiglie contemporanee. Osserva con molta "
    "attenzione la loro composizione, l'età degli sposi al matrimonio, quanto tempo passa tra una nascita el'altra, "
    "ecc..., poi rispondi alle domande dei due questionari.");

} // namespace

Ffamiglie::Ffamiglie(Module &module)
    : Screen(module, forms::families)
{
    setWindowTitle(QStringLiteral("F.TRADIZIONALE e F. MODERNA : OSSERVA  le informazioni poi ESEGUI gli ESERCIZI"));
    setBackground(screenColour);
    module.message(introduction);
    buildRecord();
    buildButtons();
    showFamily();
    setKeyboardOrder(controls({"CmdINDIETRO", "CmdAVANTI", "Cmdtrad", "Cmdmod", "CmdAIUTO", "Cmdesercizi", "Cmdtorno", "Cmdmenù",
                               "Cmdesco"}));
}

void Ffamiglie::buildRecord()
{
    setTitle_ = addLabel(QStringLiteral("Label2"), QString(), QRect(120, 120, 11760, 540), 16, true);
    setTitle_->setAlignment(Qt::AlignCenter);
    setTitle_->setStyleSheet(QStringLiteral("QLabel { background: #7a4a26; color: #fff6e0; border-radius: 6px; }"));

    addLabel(QStringLiteral("dateHeading"), QStringLiteral(" Data del matrimonio : "), QRect(120, 840, 3120, 420), 12, true)
        ->setStyleSheet(headingStyle);
    marriageDate_ = addLabel(QStringLiteral("Labdatmat"), QString(), QRect(3240, 840, 4200, 420), 12, true);
    position_ = addLabel(QStringLiteral("familyPosition"), QString(), QRect(8400, 840, 3480, 420), 11, true);
    position_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    position_->setStyleSheet(headingStyle);

    addLabel(QStringLiteral("parentsHeading"), QStringLiteral(" GENITORI"), QRect(120, 1380, 3000, 360), 11, true)
        ->setStyleSheet(headingStyle);
    parents_ = addLabel(QStringLiteral("Labgen"), QString(), QRect(120, 1740, 11760, 1380), 9, false);

    addLabel(QStringLiteral("childrenHeading"), QStringLiteral(" FIGLI"), QRect(120, 3240, 3000, 360), 11, true)
        ->setStyleSheet(headingStyle);
    children_ = addLabel(QStringLiteral("Labfigli"), QString(), QRect(120, 3600, 11760, 3660), 9, false);

    for (QLabel *record : {parents_, children_}) {
        record->setTextFormat(Qt::PlainText);
        record->setWordWrap(true);
        record->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        record->setStyleSheet(recordStyle);
    }
}

void Ffamiglie::buildButtons()
{
    back_ = addButton(QStringLiteral("CmdINDIETRO"), QStringLiteral("Famiglia precedente"), QRect(120, 7440, 2280, 480), &Ffamiglie::previousFamily);
    forward_ = addButton(QStringLiteral("CmdAVANTI"), QStringLiteral("Famiglia successiva"), QRect(2520, 7440, 2280, 480), &Ffamiglie::nextFamily);
    traditional_ = addButton(QStringLiteral("Cmdtrad"), QStringLiteral("Fam. tradizionali"), QRect(5160, 7440, 2160, 480), &Ffamiglie::traditionalFamilies);
    modern_ = addButton(QStringLiteral("Cmdmod"), QStringLiteral("Fam. moderne"), QRect(7440, 7440, 2160, 480), &Ffamiglie::modernFamilies);
    addButton(QStringLiteral("CmdAIUTO"), QStringLiteral("Aiuto ?"), QRect(9960, 7440, 1920, 480), &Ffamiglie::showHelp);

    addButton(QStringLiteral("Cmdesercizi"), QStringLiteral("2 Questionari"), QRect(120, 8160, 2880, 540), &Ffamiglie::openQuestionnaires);
    addButton(QStringLiteral("Cmdtorno"), QStringLiteral("Lezioni"), QRect(5160, 8160, 2160, 540), &Ffamiglie::openLesson);
    addButton(QStringLiteral("Cmdmenù"), QStringLiteral("Menù"), QRect(7440, 8160, 2160, 540), &Ffamiglie::backToMenu);
    addButton(QStringLiteral("Cmdesco"), QStringLiteral("Esco"), QRect(9960, 8160, 1920, 540), &Ffamiglie::exitProgram);
}

QLabel *Ffamiglie::addLabel(const QString &name, const QString &text, const QRect &twips, double points, bool bold)
{
    auto *label = new QLabel(text, canvas());
    label->setObjectName(name);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(Twips::font(points, bold));
    return label;
}

QPushButton *Ffamiglie::addButton(const QString &name, const QString &caption, const QRect &twips, void (Ffamiglie::*action)())
{
    auto *button = new QPushButton(caption, canvas());
    button->setObjectName(name);
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    button->setFont(Twips::font(9.5, true));
    button->setStyleSheet(buttonStyle);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

void Ffamiglie::nextFamily()
{
    browser_.next();
    showFamily();
}

void Ffamiglie::previousFamily()
{
    browser_.previous();
    showFamily();
}

void Ffamiglie::traditionalFamilies()
{
    browser_.showTraditional();
    showFamily();
}

void Ffamiglie::modernFamilies()
{
    browser_.showModern();
    showFamily();
}

void Ffamiglie::showHelp()
{
    module().message(help);
}

void Ffamiglie::openQuestionnaires()
{
    module().chiamante = forms::families;
    if (module().navigation().showQuestionnaire(QStringLiteral("Qfamtrad")))
        hide();
}

void Ffamiglie::openLesson()
{
    if (module().navigation().showLessonPage(QStringLiteral("Storia4")))
        hide();
}

void Ffamiglie::backToMenu()
{
    goToMenu();
    if (Screen *questionnaire = module().screens().existing(forms::questionnaire))
        questionnaire->hide();
}

void Ffamiglie::showFamily()
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
