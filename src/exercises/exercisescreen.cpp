#include "exercisescreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/buttonstyle.h"
#include "screenkit/forms.h"
#include "screenkit/module.h"
#include "calculatorpanel.h"
#include "exercisepictures.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace censaria {

namespace {

const QColor navigationColour(70, 90, 130);
const QColor archiveColour(176, 140, 20);
const QColor exitColour(150, 40, 40);

} // namespace

ExerciseScreen::ExerciseScreen(Module &module, const QString &formName)
    : Screen(module, formName)
{
}

void ExerciseScreen::addHeading(const QString &instructions, const QColor &accent)
{
    QLabel *picture = addLabel(QStringLiteral("Image1"), QString(), {200, 120, 1200, 720}, 9);
    picture->setPixmap(pictures::crowd(picture->size(), accent));
    addLabel(QStringLiteral("instructions"), instructions, {1560, 100, 6840, 540}, 10, true);
    addLabel(QStringLiteral("negativeNumbers"), QStringLiteral("I numeri negativi devono essere preceduti dal segno meno"),
             {1560, 640, 6840, 280}, 9.5)
        ->setStyleSheet(QStringLiteral("color: #9a3412;"));
}

QGroupBox *ExerciseScreen::addFrame(const QString &name, const QString &title, QRect twips, const QColor &background,
                                    const QColor &titleColour)
{
    auto *frame = new QGroupBox(title, canvas());
    frame->setObjectName(name);
    frame->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    frame->setFont(Twips::font(10, true));
    frame->setStyleSheet(QStringLiteral("QGroupBox#%1 { background: %2; border: 2px solid %3; border-radius: 8px; margin-top: %4px; }"
                                        "QGroupBox#%1::title { subcontrol-origin: margin; left: %5px; color: %6; }")
                             .arg(name, background.name(), titleColour.lighter(170).name())
                             .arg(Twips::px(150))
                             .arg(Twips::px(200))
                             .arg(titleColour.name()));
    return frame;
}

QLabel *ExerciseScreen::addLabel(const QString &name, const QString &text, QRect twips, double points, bool bold,
                                 QWidget *parent)
{
    auto *label = new QLabel(text, parent ? parent : canvas());
    label->setObjectName(name);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    label->setFont(Twips::font(points, bold));
    label->setWordWrap(true);
    return label;
}

QLabel *ExerciseScreen::addValueLabel(const QString &name, QRect twips, QWidget *parent)
{
    QLabel *label = addLabel(name, QStringLiteral("0"), twips, 11, true, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(false);
    label->setStyleSheet(QStringLiteral("background: #fffdf4; color: #1d2330; border: 1px solid #9aa0ad;"));
    return label;
}

QLineEdit *ExerciseScreen::addAnswerBox(const QString &name, QRect twips, QWidget *parent)
{
    auto *box = new QLineEdit(parent ? parent : canvas());
    box->setObjectName(name);
    box->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    box->setFont(Twips::font(11, true));
    box->setAlignment(Qt::AlignCenter);
    box->setMaxLength(30);
    return box;
}

QPushButton *ExerciseScreen::addButton(const QString &name, const QString &caption, QRect twips, const QColor &colour,
                                       QWidget *parent)
{
    auto *button = new QPushButton(caption, parent ? parent : canvas());
    button->setObjectName(name);
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    button->setFont(Twips::font(9, true));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(filledButtonStyle(colour));
    return button;
}

void ExerciseScreen::addNavigationButtons(const QString &exitName, int left, int top)
{
    constexpr int height = 540;
    auto *archive = addButton(QStringLiteral("Cmdarchivio"), QStringLiteral("Archivio dei risultati"), {left, top, 2760, height}, archiveColour);
    auto *back = addButton(QStringLiteral("Cmdtorno"), QStringLiteral("Torno"), {left + 2940, top, 1320, height}, navigationColour);
    auto *menu = addButton(QStringLiteral("cmdmenu"), QStringLiteral("Menù"), {left + 4440, top, 1320, height}, navigationColour);
    auto *exit = addButton(exitName, QStringLiteral("Esco"), {left + 5940, top, 1320, height}, exitColour);
    connect(archive, &QPushButton::clicked, this, [this] { Cmdarchivio_Click(); });
    connect(back, &QPushButton::clicked, this, [this] { goBack(); });
    connect(menu, &QPushButton::clicked, this, [this] { goToMenu(); });
    connect(exit, &QPushButton::clicked, this, [this] { exitProgram(); });
}

void ExerciseScreen::placeCalculator(int left, int top)
{
    calculator_ = new CalculatorPanel(module(), canvas());
    calculator_->setGeometry(Twips::rect(left, top, CalculatorPanel::widthTwips, CalculatorPanel::heightTwips));
}

void ExerciseScreen::addSolution(QRect buttonTwips, QRect panelTwips)
{
    solutionPanel_ = addLabel(QStringLiteral("solution"), QString(), panelTwips, 9);
    solutionPanel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    solutionPanel_->setStyleSheet(QStringLiteral("QLabel { background: #fff7d6; color: #1d2330; border: 2px solid #c49a2c; "
                                                 "border-radius: 6px; padding: 4px; }"));
    accessible::name(solutionPanel_, QStringLiteral("Soluzione"));
    solutionPanel_->hide();
    solutionButton_ = addButton(QStringLiteral("CmdSOLUZIONE"), QStringLiteral("Mostra la soluzione"), buttonTwips, QColor(120, 70, 150));
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

void ExerciseScreen::setControlColour(QWidget *control, const QColor &colour)
{
    QPalette p = control->palette();
    p.setColor(control->backgroundRole(), colour);
    p.setColor(QPalette::Base, colour);
    control->setPalette(p);
    control->setAutoFillBackground(true);
}

} // namespace censaria
