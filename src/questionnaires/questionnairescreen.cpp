#include "questionnairescreen.h"

#include "screenkit/accessibility.h"
#include "screenkit/builders.h"
#include "screenkit/documentoutput.h"
#include "screenkit/forms.h"
#include "screenkit/verdict.h"
#include "screenkit/module.h"
#include "screenkit/palette.h"
#include "colouredbutton.h"
#include "platform/twips.h"
#include "platform/wording.h"
#include "questionnairerecording.h"
#include "questionnairesheet.h"
#include "topicchooser.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace censaria {
namespace {

const QColor background(192, 192, 192);
const QColor wrongText(255, 192, 192);
const QColor rightText(192, 255, 255);

constexpr int rowTop = 840;
constexpr int rowStep = 360;
constexpr int buttonLeft = 9480;
constexpr int buttonWidth = 1935;

// The statements are numbered on screen by their V boxes, from 1.
QString incompleteMessage(const QList<int> &rows)
{
    QStringList numbers;
    for (int row : rows)
        numbers << QString::number(row + 1);
    return QStringLiteral("Non hai fornito TUTTE LE RISPOSTE. Prima di continuare, controlla e completa le risposte.\n%1")
        .arg(rows.size() == 1 ? QStringLiteral("Manca la risposta all'affermazione %1.").arg(numbers.first())
                              : QStringLiteral("Mancano le risposte alle affermazioni %1.").arg(wording::listed(numbers)));
}

// Long texts get a smaller type rather than being cut off.
QFont fittedFont(QFont font, const QString &text, int room)
{
    while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void showFitted(QLineEdit *box, const QString &text, const QFont &font)
{
    const int room = box->width() - box->textMargins().right() - 2 * QFontMetrics(font).averageCharWidth();
    box->setFont(fittedFont(font, text, room));
    box->setText(text);
    box->setCursorPosition(0);
}

void paintBox(QLineEdit *box, const QColor &colour)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
}

} // namespace

QuestionnaireScreen::QuestionnaireScreen(Module &module)
    : Screen(module, forms::questionnaire)
{
    setWindowTitle(QStringLiteral("questionari"));
    setBackground(background);

    combo_ = new TopicChooser(topicListItems(), QStringLiteral("   Scegli il questionario -------->"), canvas());
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setGeometry(Twips::rect(9360, 240, 2415, 315));
    // Room left of the drop-down arrow.
    combo_->setFont(fittedFont(Twips::font(8.25), combo_->currentText(), combo_->width() - Twips::px(480)));
    combo_->lineEdit()->setCursorPosition(0);
    connect(combo_, &TopicChooser::topicChosen, this, &QuestionnaireScreen::topicChosen);
    accessible::name(combo_, QStringLiteral("Scegli il questionario"));
    accessible::name(combo_->lineEdit(), QStringLiteral("Scegli il questionario"));
    accessible::name(combo_->view(), QStringLiteral("Elenco dei questionari"));

    title_ = new QLineEdit(canvas());
    place(title_, QStringLiteral("Text2"), {120, 360, 5415, 375});
    title_->setReadOnly(true);
    title_->setFocusPolicy(Qt::NoFocus);
    accessible::name(title_, QStringLiteral("Titolo del questionario"));

    buildRows();
    buildButtons();
    buildCounts();
    buildPictures();
    showSession();

    // The answers row by row, then the buttons on the right from top to bottom.
    QList<QWidget *> order{combo_};
    for (int row = 0; row < QuestionnaireSession::rowCount; ++row)
        order << trueBoxes_[row] << falseBoxes_[row];
    order << controls({"printSheetButton", "cmdmostradomande", "CMDRISULT", "Cmdarchivio", "Cmdtorno", "Cmdmenù", "Cmduscita"});
    setKeyboardOrder(order, trueBoxes_[0]);
}

void QuestionnaireScreen::buildRows()
{
    // The arrays Text1, Check1 and Check2 share their name; "index" tells the row.
    // Boxes big enough for a pupil's click.
    const QString tickStyle = QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; }").arg(Twips::px(225));
    makeLabel(canvas(), QStringLiteral("labelverofalso"), QStringLiteral("  V     F"), {8280, 480, 855, 300}, Twips::font(9.5, true));
    for (int row = 0; row < QuestionnaireSession::rowCount; ++row) {
        const int top = rowTop + rowStep * row;
        auto *box = new QLineEdit(canvas());
        place(box, QStringLiteral("Text1"), {120, top, 8175, 360});
        box->setProperty("index", row);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        accessible::name(box, QStringLiteral("Affermazione %1").arg(row + 1));
        statements_[row] = box;

        auto *trueBox = new QCheckBox(QString::number(row + 1), canvas());
        trueBox->setObjectName(QStringLiteral("Check1"));
        trueBox->setProperty("index", row);
        trueBox->setGeometry(Twips::rect(8280, top, 495, 375));
        trueBox->setFont(Twips::font(7.5));
        trueBox->setStyleSheet(tickStyle);
        connect(trueBox, &QCheckBox::clicked, this, [this, row](bool ticked) {
            session_.tickTrue(row, ticked);
            showSession();
        });
        accessible::name(trueBox, QStringLiteral("Vero, affermazione %1").arg(row + 1));
        trueBoxes_[row] = trueBox;

        auto *falseBox = new QCheckBox(canvas());
        falseBox->setObjectName(QStringLiteral("Check2"));
        falseBox->setProperty("index", row);
        falseBox->setGeometry(Twips::rect(8760, top, 375, 375));
        falseBox->setStyleSheet(tickStyle);
        connect(falseBox, &QCheckBox::clicked, this, [this, row](bool ticked) {
            session_.tickFalse(row, ticked);
            showSession();
        });
        accessible::name(falseBox, QStringLiteral("Falso, affermazione %1").arg(row + 1));
        falseBoxes_[row] = falseBox;
    }
}

void QuestionnaireScreen::buildButtons()
{
    const auto add = [this](const char *name, const QString &caption, int top, int height, const QColor &fill) {
        auto *button = new ColouredButton(caption, fill, canvas());
        button->setObjectName(QString::fromUtf8(name));
        button->setGeometry(Twips::rect(buttonLeft, top, buttonWidth, height));
        button->setFont(Twips::font(9, true));
        return button;
    };
    printSheet_ = add("printSheetButton", QStringLiteral("Stampa la scheda"), 1980, 600, QColor(150, 210, 160));
    printSheet_->setToolTip(QStringLiteral("Il questionario su carta per la classe, con le soluzioni su un foglio a parte"));
    familyButton_ = add("cmdmostradomande", QStringLiteral("MOSTRA DOMANDE"), 2880, 1560, QColor(192, 192, 255));
    result_ = add("CMDRISULT", QStringLiteral("RISULTATO"), 4440, 1095, QColor(128, 128, 255));
    result_->setFont(Twips::font(12, true));
    archive_ = add("Cmdarchivio", QStringLiteral("Archivio dei risultati"), 5520, 600, QColor(255, 192, 255));
    QPushButton *back = add("Cmdtorno", QStringLiteral("Torno"), 6120, 615, QColor(255, 128, 255));
    QPushButton *menu = add("Cmdmenù", QStringLiteral("Menù"), 6740, 580, QColor(255, 128, 128));
    QPushButton *exit = add("Cmduscita", QStringLiteral("Esco dal programma"), 7320, 615, QColor(255, 192, 192));

    connect(printSheet_, &QPushButton::clicked, this, &QuestionnaireScreen::printSheet);
    connect(familyButton_, &QPushButton::clicked, this, &QuestionnaireScreen::showOtherFamily);
    connect(result_, &QPushButton::clicked, this, &QuestionnaireScreen::scoreAnswers);
    connect(archive_, &QPushButton::clicked, this, &QuestionnaireScreen::openArchive);
    connect(back, &QPushButton::clicked, this, &QuestionnaireScreen::goBack);
    connect(menu, &QPushButton::clicked, this, &QuestionnaireScreen::backToMenu);
    connect(exit, &QPushButton::clicked, this, &QuestionnaireScreen::exitProgram);
}

void QuestionnaireScreen::buildCounts()
{
    const auto heading = [this](const char *name, const QString &text, const QRect &place, double points, Qt::Alignment align) {
        makeLabel(canvas(), QString::fromUtf8(name), text, place, Twips::font(points, true), align | Qt::AlignVCenter);
    };
    heading("wrongHeading", QStringLiteral("errate"), {6960, 6780, 720, 285}, 7.5, Qt::AlignHCenter);
    heading("rightHeading", QStringLiteral("giuste"), {7800, 6780, 720, 285}, 7.5, Qt::AlignHCenter);
    heading("Label5", QStringLiteral("Questo esercizio:"), {4680, 7080, 2160, 315}, 9, Qt::AlignRight);
    heading("Label6", QStringLiteral("Totale:"), {4680, 7440, 2160, 315}, 9, Qt::AlignRight);

    const auto count = [this](const char *name, int left, int top, const QColor &colour) {
        QLabel *label = makeLabel(canvas(), QString::fromUtf8(name), QStringLiteral("0"), {left, top, 720, 315}, Twips::font(11, true),
                                  Qt::AlignCenter);
        // The pale colours of the counts need a dark ground to be read.
        label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: #30305a; border-radius: 3px; }").arg(colour.name()));
        return label;
    };
    wrong_ = count("LabSbagli", 6960, 7080, wrongText);
    accessible::describe(wrong_, QStringLiteral("Risposte errate, questo esercizio"));
    right_ = count("LabGiusti", 7800, 7080, rightText);
    accessible::describe(right_, QStringLiteral("Risposte giuste, questo esercizio"));
    totalWrong_ = count("LabSBtot", 6960, 7440, wrongText);
    accessible::describe(totalWrong_, QStringLiteral("Risposte errate, totale"));
    totalRight_ = count("LabgiustiTOT", 7800, 7440, rightText);
    accessible::describe(totalRight_, QStringLiteral("Risposte giuste, totale"));
}

void QuestionnaireScreen::buildPictures()
{
    makePicture(canvas(), QStringLiteral("Image1"), {360, 4680, 3600, 3240}, QStringLiteral(":/questionnaires/checklist.svg"));
    makePicture(canvas(), QStringLiteral("Image2"), {4320, 4680, 4440, 1920}, QStringLiteral(":/questionnaires/people.svg"));
}

void QuestionnaireScreen::loadTopic(const QString &loaderName)
{
    const QuestionBank *bank = bankByLoader(loaderName);
    if (!bank)
        return;
    session_.load(*bank, *module().platform().random, *module().platform().clock);
    showSession();
}

void QuestionnaireScreen::topicChosen(const QString &item)
{
    if (const QuestionBank *bank = bankByListItem(item))
        loadTopic(bank->loader);
}

int QuestionnaireScreen::verifica()
{
    const QList<int> unanswered = session_.unansweredRows();
    if (!unanswered.isEmpty()) {
        module().message(incompleteMessage(unanswered));
        trueBoxes_[unanswered.first()]->setFocus();
    }
    return int(unanswered.size());
}

void QuestionnaireScreen::scoreAnswers()
{
    if (verifica() > 0 || !session_.score())
        return;
    showSession(); // the scores stand behind the name question
    if (recordQuestionnaire(module(), *session_.bank(), session_.giuste()))
        session_.recordingCompleted();
    showSession();
}

void QuestionnaireScreen::printSheet()
{
    if (const QuestionBank *bank = session_.bank())
        DocumentOutput(module(), QStringLiteral("Stampa la scheda"), QStringLiteral("la scheda"))
            .printOrSave(QuestionnaireSheet(*bank), QStringLiteral("questionario-") + bank->listItem);
}

void QuestionnaireScreen::showOtherFamily()
{
    const QString loader = session_.otherFamilyLoader();
    if (!loader.isEmpty())
        loadTopic(loader);
}

void QuestionnaireScreen::openArchive()
{
    session_.clearForArchive();
    showSession();
    openResults();
}

void QuestionnaireScreen::backToMenu()
{
    session_.clearForMenu();
    showSession();
    // The menu comes in front; this screen stays open underneath.
    module().navigation().show(forms::menu);
}

void QuestionnaireScreen::showSession()
{
    showFitted(title_, session_.shownTitle(), Twips::font(10, true));
    for (int row = 0; row < QuestionnaireSession::rowCount; ++row) {
        showStatement(row);
        trueBoxes_[row]->setChecked(session_.isTrueTicked(row));
        falseBoxes_[row]->setChecked(session_.isFalseTicked(row));
    }
    right_->setText(QString::number(session_.shownRight()));
    wrong_->setText(QString::number(session_.shownWrong()));
    totalRight_->setText(QString::number(session_.totalRight()));
    totalWrong_->setText(QString::number(session_.totalWrong()));
    result_->setEnabled(session_.canScore());
    archive_->setEnabled(session_.canOpenArchive());
    // Only the questionnaire on the screen goes to paper, not one the screen has let go.
    printSheet_->setEnabled(session_.bank() != nullptr && !session_.shownTitle().isEmpty());
    familyButton_->setVisible(session_.showsFamilyButton());
    familyButton_->setText(session_.familyButtonCaption());
}

void QuestionnaireScreen::showStatement(int row)
{
    QLineEdit *box = statements_[row];
    paintBox(box, session_.isWrong(row) ? palette::wrong : palette::answer);
    // Beside the red, the verdict in a badge; a wrong row also tells the right answer.
    Verdict verdict = Verdict::None;
    QString rightAnswer;
    if (session_.isScored() && !session_.statement(row).isEmpty()) {
        verdict = session_.isWrong(row) ? Verdict::Wrong : Verdict::Right;
        if (verdict == Verdict::Wrong)
            rightAnswer = session_.key(row) ? QStringLiteral("è vera") : QStringLiteral("è falsa");
    }
    // Every row's badge in the same type, whatever size its statement takes.
    const QFont statementFont = Twips::font(8.25, true, QStringLiteral("MS Sans Serif"));
    box->setFont(statementFont);
    showVerdict(box, verdict, true, rightAnswer);
    showFitted(box, session_.statement(row), statementFont);
    // The tick boxes read their statement and, after scoring, how it went.
    const QString said = box->accessibleDescription();
    for (QCheckBox *tick : {trueBoxes_[row], falseBoxes_[row]})
        accessible::describe(tick, said.isEmpty() ? session_.statement(row) : session_.statement(row) + QStringLiteral(" — ") + said);
}

} // namespace censaria
