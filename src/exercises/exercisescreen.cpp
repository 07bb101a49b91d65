#include "exercisescreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/documentoutput.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "calculatorpanel.h"
#include "exercisepictures.h"
#include "exercisesheets.h"
#include "platform/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace censaria {

namespace {

const QColor navigationColour(70, 90, 130);

} // namespace

ExerciseScreen::ExerciseScreen(Module &module, const QString &formName)
    : Screen(module, formName)
{
}

void ExerciseScreen::addHeading(const QString &instructions, const QColor &accent)
{
    QLabel *picture = makeLabel(canvas(), QStringLiteral("Image1"), QString(), {200, 120, 1200, 720}, Twips::font(9));
    picture->setWordWrap(true);
    picture->setPixmap(pictures::crowd(picture->size(), accent));
    makeLabel(canvas(), QStringLiteral("instructions"), instructions, {1560, 100, 6840, 540}, Twips::font(10, true))->setWordWrap(true);
    QLabel *negative = makeLabel(canvas(), QStringLiteral("negativeNumbers"),
                                 QStringLiteral("I numeri negativi devono essere preceduti dal segno meno"), {1560, 640, 6840, 280},
                                 Twips::font(9.5));
    negative->setWordWrap(true);
    negative->setStyleSheet(QStringLiteral("color: #9a3412;"));
}

QLabel *ExerciseScreen::addValueLabel(QWidget *parent, const QString &name, QRect twips)
{
    QLabel *label = makeResultLabel(parent, name, twips, 11, Qt::AlignCenter);
    label->setText(QStringLiteral("0"));
    label->setStyleSheet(QStringLiteral("background: #fffdf4; color: #1d2330; border: 1px solid #9aa0ad;"));
    return label;
}

QLineEdit *ExerciseScreen::addAnswerBox(QWidget *parent, const QString &name, QRect twips)
{
    QLineEdit *box = makeBox(parent, name, twips, Twips::font(11, true));
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(30);
    return box;
}

void ExerciseScreen::addNavigationButtons(const QString &exitName, int left, int top)
{
    constexpr int height = 540;
    makeButton(canvas(), QStringLiteral("Cmdarchivio"), QStringLiteral("Archivio dei risultati"), {left, top, 2760, height},
               filledLook(palette::archive), this, [this] { Cmdarchivio_Click(); });
    makeButton(canvas(), QStringLiteral("Cmdtorno"), QStringLiteral("Torno"), {left + 2940, top, 1320, height}, filledLook(navigationColour),
               this, &ExerciseScreen::goBack);
    makeButton(canvas(), QStringLiteral("cmdmenu"), QStringLiteral("Menù"), {left + 4440, top, 1320, height}, filledLook(navigationColour), this,
               &ExerciseScreen::goToMenu);
    makeButton(canvas(), exitName, QStringLiteral("Esco"), {left + 5940, top, 1320, height}, filledLook(palette::exit), this,
               &ExerciseScreen::exitProgram);
}

void ExerciseScreen::placeCalculator(int left, int top)
{
    calculator_ = new CalculatorPanel(module(), canvas());
    calculator_->setGeometry(Twips::rect(left, top, CalculatorPanel::widthTwips, CalculatorPanel::heightTwips));
}

void ExerciseScreen::addSolution(QRect buttonTwips, QRect panelTwips)
{
    solutionPanel_ = makeLabel(canvas(), QStringLiteral("solution"), QString(), panelTwips, Twips::font(9));
    solutionPanel_->setWordWrap(true);
    solutionPanel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    solutionPanel_->setStyleSheet(QStringLiteral("QLabel { background: #fff7d6; color: #1d2330; border: 2px solid #c49a2c; "
                                                 "border-radius: 6px; padding: 4px; }"));
    accessible::name(solutionPanel_, QStringLiteral("Soluzione"));
    solutionPanel_->hide();
    solutionButton_ = makeButton(canvas(), QStringLiteral("CmdSOLUZIONE"), QStringLiteral("Mostra la soluzione"), buttonTwips,
                                 filledLook(QColor(120, 70, 150)));
    accessible::describe(solutionButton_, QStringLiteral("Mostra il risultato giusto e la formula di una risposta sbagliata; "
                                                         "non cambia i punteggi, ma quella risposta non conterà più come giusta"));
    solutionButton_->hide();
    connect(solutionButton_, &QPushButton::clicked, this, &ExerciseScreen::showNextSolution);
    // A click leaves the focus in the box the pupil asks about.
    solutionButton_->setFocusPolicy(Qt::TabFocus);
}

void ExerciseScreen::updateSolution()
{
    const bool any = !wrongBoxes().isEmpty();
    solutionButton_->setVisible(any);
    if (!any) {
        solutionPanel_->hide();
        lastShown_ = nullptr;
    }
}

void ExerciseScreen::showNextSolution()
{
    const QList<QLineEdit *> wrong = wrongBoxes();
    if (wrong.isEmpty())
        return;
    auto *focused = qobject_cast<QLineEdit *>(focusWidget());
    QLineEdit *box = wrong.contains(focused) && focused != lastShown_ ? focused : wrong[(wrong.indexOf(lastShown_) + 1) % wrong.size()];
    lastShown_ = box;
    const QString text = revealSolution(box);
    solutionPanel_->setText(QStringLiteral("%1: la soluzione è %2\n%3").arg(box->accessibleName(), text.section(u' ', -1), text));
    // Long formulas take a smaller type rather than being cut.
    solutionPanel_->setFont(Twips::font(9));
    solutionPanel_->show();
    solutionPanel_->raise();
    fitTextsAgain();
    accessible::describe(solutionPanel_, solutionPanel_->text());
}

void ExerciseScreen::addSheetButton(QRect twips)
{
    QPushButton *button = makeButton(canvas(), QStringLiteral("printSheetButton"), QStringLiteral("Stampa una scheda"), twips,
                                     filledLook(QColor(46, 120, 70)), this, &ExerciseScreen::printSheet);
    accessible::describe(button, QStringLiteral("Esercizi come questi su carta, per la classe, con le soluzioni su un foglio a parte"));
    button->setToolTip(button->accessibleDescription());
}

void ExerciseScreen::printSheet()
{
    const QString title = QStringLiteral("Stampa una scheda");
    QStringList choices;
    for (const int size : sheetSizes)
        choices << QStringLiteral("%1 esercizi").arg(size);
    choices << QStringLiteral("Annulla");
    const int chosen = module().platform().dialogs->choose(
        QStringLiteral("Quanti esercizi metto nella scheda? Ogni alunno della classe può riceverne una copia; "
                       "le soluzioni vengono su un foglio a parte."),
        title, choices);
    if (chosen < 0 || chosen >= sheetSizes.size())
        return;
    const std::unique_ptr<Worksheet> sheet = makeSheet(sheetSizes[chosen]);
    DocumentOutput(module(), title, QStringLiteral("la scheda")).printOrSave(*sheet, sheet->title());
}

void ExerciseScreen::setControlColour(QWidget *control, const QColor &colour)
{
    QPalette p = control->palette();
    p.setColor(control->backgroundRole(), colour);
    p.setColor(QPalette::Base, colour);
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

} // namespace censaria
